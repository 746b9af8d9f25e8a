#include "app/PuzzleFileCommands.h"

#include "layout/LayoutLibrary.h"
#include "model/CrosswordImport.h"
#include "model/PreviousVersion.h"
#include "model/PuzzleTransfer.h"
#include "model/ui/TExportPuzzles.h"
#include "model/ui/TImportPuzzles.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"

#include <filesystem>
#include <system_error>

namespace gw::app {

namespace {

bool isFile(const std::filesystem::path &file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

} // namespace

void importPuzzlesCommand(QWidget *parent, AppContext &context, const std::function<void()> &afterCopy)
{
    const auto chosen = chooseRememberedFile(parent, FileDialogKind::Open, "Import Puzzles",
        "GRIDW Files (*.ZP3 *.zp3);;16 bit GRIDW Files (*.ZPK *.zpk);;"
        "Crosswords of other programs (*.ipuz *.IPUZ *.puz *.PUZ)",
        "ZP3", context.settings.lastImportPuzzleFile);
    if (!chosen)
        return;
    const std::string &path = *chosen;

    switch (model::importKind(path)) {
    case model::ImportKind::SixteenBit: {
        model::PuzzleRecord &working = *context.working;
        const auto added = model::importSixteenBitPuzzle(path, context.collection(),
            layout::loadLayoutForPuzzle(context.layoutLibrary(), context.settings.defaultPage), working);
        if (!added) {
            show(parent, added.error());
            return;
        }
        if (context.reselectAndReload)
            context.reselectAndReload(working.category.str(), working.title.str());
        return;
    }
    case model::ImportKind::Ipuz:
    case model::ImportKind::Puz: {
        const auto added = model::importCrosswordFile(path, context.collection(), model::ImportedCategory,
            layout::loadLayoutForPuzzle(context.layoutLibrary(), context.settings.defaultPage));
        if (!added) {
            show(parent, added.error());
            return;
        }
        if (context.reselectAndReload)
            context.reselectAndReload(added->category, added->title);
        return;
    }
    case model::ImportKind::Collection: {
        if (model::sameFile(path, context.collection())) {
            show(parent, model::importIsOpenCollection());
            return;
        }
        model::TImportPuzzles window(context, path, parent);
        if (runChild(window) == QDialog::Accepted && afterCopy)
            afterCopy();
        return;
    }
    case model::ImportKind::Unknown:
        show(parent, model::notAnImportFile());
        return;
    }
}

void exportPuzzlesCommand(QWidget *parent, AppContext &context)
{
    model::TExportPuzzles window(context, parent);
    runChild(window);
}

bool convertPreviousVersion(QWidget *parent, AppContext &context)
{
    bool written = false;
    const std::filesystem::path oldPuzzles = context.startDirectory / model::OldPuzzleFileName;
    if (isFile(oldPuzzles)
        && ask(parent, "Notice",
               "User generated puzzles from a previous version of Gridwright have been detected.  Would you "
               "like "
               "to convert them to a puzzle group?")
            == Answer::Yes) {
        const auto converted
            = model::convertOldPuzzleFile(oldPuzzles, context.startDirectory / model::ConvertedCollectionName,
                layout::loadLayoutForPuzzle(context.layoutLibrary(), context.settings.defaultPage));
        if (converted) {
            show(parent, *converted);
            written = true;
        } else {
            show(parent, converted.error());
        }
    }
    const std::filesystem::path oldShapes = context.startDirectory / model::OldShapeFileName;
    if (isFile(oldShapes)
        && ask(parent, "Notice",
               "User generated shapes from a previous version of Gridwright have been detected.  Would you "
               "like to "
               "add them to the current list of puzzle shapes?")
            == Answer::Yes) {
        const auto added = model::convertOldShapeFile(oldShapes, context.shapeLibraryToChange());
        if (added)
            show(parent, *added);
        else
            show(parent, added.error());
    }
    return written;
}

} // namespace gw::app
