#pragma once

#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "render/PrintJob.h"
#include "render/PrintOptions.h"
#include "report/ReportEngine.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace gw::test {

namespace fs = std::filesystem;

inline const fs::path SampleCollection = fs::path(GW_SOURCE_DIR) / "data" / "SAMPLE.ZP3";

struct Outcome
{
    int status = -1;
    std::string out;
};

// Runs the command in the shell, standard error folded into the output.
inline Outcome shell(const std::string &command)
{
    FILE *pipe = ::popen((command + " 2>&1").c_str(), "r");
    Outcome result;
    std::array<char, 4096> buffer {};
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe))
        result.out.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline bool haveProgram(const std::string &name)
{
    return shell("command -v " + name).status == 0;
}

inline std::string quoted(const fs::path &path)
{
    return "'" + path.string() + "'";
}

inline std::string fileBytes(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

inline std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        found.push_back(line);
    return found;
}

// A fresh folder per test, removed afterwards.
class ExportFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path()
            / ("gw-export-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path dir() const { return m_dir; }

private:
    fs::path m_dir;
};

// Record n of the sample collection printed as the program prints it.
struct PrintedSample
{
    explicit PrintedSample(int record)
    {
        const auto read = model::readPuzzle(SampleCollection, record, model::unableToLoadPuzzle());
        EXPECT_TRUE(read.hasValue());
        if (!read)
            return;
        puzzle = std::make_unique<model::PuzzleRecord>(*read);
        render::PrintOptions options;
        options.takeLayout(puzzle->layout);
        job = std::make_unique<render::PrintJob>(*puzzle, options);
        EXPECT_TRUE(job->run(engine));
    }

    const report::RecordedPage &page() const { return engine.pages().front(); }

    std::unique_ptr<model::PuzzleRecord> puzzle;
    std::unique_ptr<render::PrintJob> job;
    report::ReportEngine engine;
};

} // namespace gw::test
