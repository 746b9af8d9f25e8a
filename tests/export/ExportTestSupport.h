#pragma once

#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "render/PrintJob.h"
#include "render/PrintOptions.h"
#include "report/ReportEngine.h"
#include "support/ShellRun.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace gw::test {

namespace fs = std::filesystem;

inline const fs::path SampleCollection = fs::path(GW_SOURCE_DIR) / "data" / "SAMPLE.ZP3";

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
