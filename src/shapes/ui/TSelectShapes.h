#pragma once

#include "shapes/ShapeListEntry.h"
#include "shapes/ui/TDoShapes.h"
#include "ui/AppContext.h"
#include "ui/TWindow.h"

#include <vector>

class QLabel;
class QListWidget;

namespace gw::shapes {

// The shape chooser: lists the shape library, keeps the selected entry's shape as the current
// shape, previews it, and opens the designer, deletes, exports and imports.
class TSelectShapes : public app::TWindow
{
    Q_OBJECT

public:
    TSelectShapes(app::AppContext &context, QWidget *parent = nullptr);

    // The record number of the selected entry, -1 when none is.
    int selectedRecord() const;

private Q_SLOTS:
    void NewClick();
    void ModifyClick();
    void CopyClick();
    void DeleteClick();
    void ImportClick();
    void ExportClick();
    void ExitClick();
    void ShapeListChange();

private:
    void FormShow() override;
    bool reloadList();
    void selectRow(int row);
    void selectRecord(int record);
    void readSelectedShape();
    void drawPreview();
    bool openDesigner(ShapeDesignerMode mode, int record);

    std::vector<ShapeListEntry> m_entries; // in list order
    QListWidget *m_list = nullptr;
    QLabel *m_preview = nullptr;
};

} // namespace gw::shapes
