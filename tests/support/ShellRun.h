#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// For the tests that drive programs from outside: the command-line tool, and the readers of the
// files it writes.
namespace gw::test {

struct Outcome
{
    int status = -1;
    std::string out;
};

// Runs the command in the shell, standard error folded into the output.
inline Outcome shell(const std::string &command)
{
    Outcome result;
    FILE *pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer {};
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe))
        result.out.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

#ifdef GW_CLI_PATH
// Runs the command-line tool with the given arguments.
inline Outcome runCli(const std::string &arguments)
{
    return shell(std::string(GW_CLI_PATH) + " " + arguments);
}
#endif

inline std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        found.push_back(line);
    return found;
}

// A fresh folder per test, named after the test so that tests running side by side never share
// one, and removed afterwards.
class ScratchFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "-" + test->name();
        // Parameterised tests carry slashes in their names.
        std::replace(name.begin(), name.end(), '/', '-');
        m_dir = std::filesystem::temp_directory_path() / ("gw-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    const std::filesystem::path &dir() const { return m_dir; }
    std::string path(const std::string &name) const { return (m_dir / name).string(); }

private:
    std::filesystem::path m_dir;
};

} // namespace gw::test
