#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace gw::cli {

// Command-line words after the command name: "--name value" options, "--flag" switches and
// positional arguments, checked against what the command accepts.
class CliArguments
{
public:
    // Fails with a message naming the unknown option or the option missing its value.
    static std::optional<CliArguments> parse(const std::vector<std::string> &words,
        const std::set<std::string> &options, const std::set<std::string> &switches, std::string &error);

    std::optional<std::string> option(const std::string &name) const;
    bool has(const std::string &name) const { return m_switches.count(name) != 0; }
    const std::vector<std::string> &positional() const { return m_positional; }

private:
    std::map<std::string, std::string> m_options;
    std::set<std::string> m_switches;
    std::vector<std::string> m_positional;
};

// A whole decimal number making up the entire text, or nothing.
std::optional<long long> wholeNumber(const std::string &text);

// A record number of a collection: a whole number from 0 within int; else nothing.
std::optional<int> recordNumber(const std::string &text);
// What the commands say of a text that is not a record number.
std::string notARecordNumber(const std::string &text);

} // namespace gw::cli
