#pragma once

#include "platform/Failure.h"
#include "shapes/ShapeExportFile.h"

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace gw::app {
struct AppContext;
}

namespace gw::shapes {

// The shape library commands the shape chooser and the word list editor both offer.  They ask
// and report through the dialog seams and keep the current shape and the last files chosen in
// the context.

// Asks "Are you sure you want to delete "<entry>"?" and on Yes deletes the record, unless the
// library no longer holds the current shape there.  False when the user said No.
bool deleteShapeAsked(QWidget *parent, app::AppContext &context, const std::string &entryText, int record);

// Appends the .LAY file the user chooses to the library; it becomes the current shape.
std::optional<ImportedShape> importShapeAsked(QWidget *parent, app::AppContext &context);

// Writes the shape that shapeToExport gives (asked for once a file is chosen) into the .LAY file
// the user chooses; it becomes the current shape.
void exportShapeAsked(
    QWidget *parent, app::AppContext &context, const std::function<Result<ShapeRecord>()> &shapeToExport);

} // namespace gw::shapes
