#include "cli/CliArguments.h"

#include <charconv>
#include <limits>

namespace gw::cli {

std::optional<CliArguments> CliArguments::parse(const std::vector<std::string> &words,
    const std::set<std::string> &options, const std::set<std::string> &switches, std::string &error)
{
    CliArguments parsed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string &word = words[i];
        if (word.rfind("--", 0) != 0) {
            parsed.m_positional.push_back(word);
            continue;
        }
        const std::string name = word.substr(2);
        if (switches.count(name)) {
            parsed.m_switches.insert(name);
        } else if (options.count(name)) {
            if (i + 1 >= words.size()) {
                error = "option --" + name + " needs a value";
                return std::nullopt;
            }
            parsed.m_options[name] = words[++i];
        } else {
            error = "unknown option " + word;
            return std::nullopt;
        }
    }
    return parsed;
}

std::optional<std::string> CliArguments::option(const std::string &name) const
{
    const auto found = m_options.find(name);
    if (found == m_options.end())
        return std::nullopt;
    return found->second;
}

std::optional<long long> wholeNumber(const std::string &text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> recordNumber(const std::string &text)
{
    const std::optional<long long> number = wholeNumber(text);
    if (!number || *number < 0 || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*number);
}

std::string notARecordNumber(const std::string &text)
{
    return "the record number must be a whole number from 0: " + text;
}

} // namespace gw::cli
