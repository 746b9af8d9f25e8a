#include "shapes/ui/ShapeFileCommands.h"

#include "model/Settings.h"
#include "platform/RecordFingerprint.h"
#include "render/TextConversion.h"
#include "shapes/ShapeLibrary.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"

namespace gw::shapes {

namespace {

const QString LayExtension = QStringLiteral("LAY");

} // namespace

bool deleteShapeAsked(QWidget *parent, app::AppContext &context, const std::string &entryText, int record)
{
    if (app::ask(parent, QStringLiteral("Delete?"),
            QStringLiteral("Are you sure you want to delete \"") + toQString(entryText)
                + QStringLiteral("\"?"))
        != app::Answer::Yes)
        return false;
    if (const Status deleted
        = deleteShape(context.shapeLibraryToChange(), record, fingerprintOf(*context.currentShape));
        !deleted)
        app::show(parent, deleted.error());
    return true;
}

std::optional<ImportedShape> importShapeAsked(QWidget *parent, app::AppContext &context)
{
    const auto chosen = app::chooseRememberedFile(parent, app::FileDialogKind::Open,
        QStringLiteral("Import Puzzle Shape"), QStringLiteral("Puzzle Shapes (*.LAY *.lay)"), LayExtension,
        context.settings.lastImportShapeFile);
    if (!chosen)
        return std::nullopt;
    Result<ImportedShape> imported = importShape(*chosen, context.shapeLibraryToChange());
    if (!imported) {
        app::show(parent, imported.error());
        return std::nullopt;
    }
    *context.currentShape = imported->shape;
    return std::move(*imported);
}

void exportShapeAsked(
    QWidget *parent, app::AppContext &context, const std::function<Result<ShapeRecord>()> &shapeToExport)
{
    const auto chosen
        = app::chooseRememberedFile(parent, app::FileDialogKind::Save, QStringLiteral("Export Puzzle Shape"),
            QStringLiteral("Puzzle Shape (*.LAY *.lay)"), LayExtension, context.settings.lastExportShapeFile);
    if (!chosen)
        return;
    const Result<ShapeRecord> shape = shapeToExport();
    if (!shape) {
        app::show(parent, shape.error());
        return;
    }
    *context.currentShape = *shape;
    if (const Result<Notice> exported = exportShape(*context.currentShape, *chosen))
        app::show(parent, *exported);
    else
        app::show(parent, exported.error());
}

} // namespace gw::shapes
