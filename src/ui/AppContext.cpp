#include "ui/AppContext.h"

#include "layout/LayoutLibrary.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "shapes/ShapeLibrary.h"

namespace gw::app {

std::filesystem::path AppContext::shapeLibrary() const
{
    return libraryToRead(folders, shapes::ShapeLibraryFileName);
}

std::filesystem::path AppContext::layoutLibrary() const
{
    return libraryToRead(folders, layout::LayoutLibraryFileName);
}

std::filesystem::path AppContext::shapeLibraryToChange() const
{
    return libraryToChange(folders, shapes::ShapeLibraryFileName);
}

std::filesystem::path AppContext::layoutLibraryToChange() const
{
    return libraryToChange(folders, layout::LayoutLibraryFileName);
}

Result<int> AppContext::saveWorkingPuzzle(const model::PuzzleRecord &record)
{
    const Result<int> saved
        = model::savePuzzle(collection(), record, workingIsNew, workingRecordNumber, workingLoaded);
    if (saved && !workingIsNew)
        workingLoaded = fingerprintOf(record);
    if ((saved || saved.error() == model::puzzleChangedElsewhere("saved")) && reselectAndReload)
        reselectAndReload(record.category.str(), record.title.str());
    return saved;
}

} // namespace gw::app
