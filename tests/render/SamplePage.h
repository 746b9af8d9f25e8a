#pragma once

#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "render/PrintJob.h"
#include "render/PrintOptions.h"
#include "report/ReportEngine.h"

#include <memory>

namespace gw::test {

// A record of the bundled sample collection; record 0 is "Farm Animals".  Null when unreadable.
inline std::unique_ptr<model::PuzzleRecord> samplePuzzle(int record = 0)
{
    const auto read
        = model::readPuzzle(GW_SOURCE_DIR "/data/SAMPLE.ZP3", record, model::unableToLoadPuzzle());
    return read ? std::make_unique<model::PuzzleRecord>(*read) : nullptr;
}

// A sample puzzle printed as the program prints it, the options taking in its layout.
struct SamplePage
{
    explicit SamplePage(int record = 0, render::PrintOptions options = {})
        : puzzle(samplePuzzle(record))
    {
        if (!puzzle)
            return;
        options.takeLayout(puzzle->layout);
        job = std::make_unique<render::PrintJob>(*puzzle, options);
        printed = job->run(engine);
    }

    const report::RecordedPage &page() const { return engine.pages().front(); }

    std::unique_ptr<model::PuzzleRecord> puzzle;
    std::unique_ptr<render::PrintJob> job;
    report::ReportEngine engine;
    bool printed = false;
};

} // namespace gw::test
