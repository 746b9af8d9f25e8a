#pragma once

#include "shapes/ShapeEdits.h"
#include "shapes/ShapeRecord.h"
#include "ui/AppContext.h"
#include "ui/TWindow.h"

#include <QPoint>
#include <memory>

class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;

namespace gw::shapes {

enum class ShapeDesignerMode { New, Modify, Copy };

// The shape designer: edits a working copy of one shape (new, the current shape, or the current
// shape already renamed as a copy) and saves it into the library, appended or in place.
class TDoShapes : public app::TWindow
{
    Q_OBJECT

public:
    // recordNumber is the library record a Modify overwrites; the other modes append.
    TDoShapes(app::AppContext &context, ShapeDesignerMode mode, int recordNumber, QWidget *parent = nullptr);

    bool saved() const { return m_saved; }
    const ShapeRecord &workingShape() const { return *m_working; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void SaveClick();
    void CancelClick();
    void ReverseClick();
    void UndoClick();

private:
    // A button press waiting for its release; a click counts only when both fall on one cell.
    struct PendingPress
    {
        bool pending = false;
        QPoint at;
    };

    void FormShow() override;
    bool WidthExit();
    bool HeightExit();
    enum class Side { Width, Height };
    bool sideExit(QLineEdit *box, Side which, const QString &refusal);
    PendingPress *pressOf(Qt::MouseButton button);
    void mousePressed(QMouseEvent *event);
    void mouseReleased(QMouseEvent *event);
    void cellClicked(Qt::MouseButton button, int column, int row);
    void shiftClick(ShiftDirection direction);
    void keepUndoCopy();
    void setUndoEnabled(bool enabled);
    void redraw();

    ShapeDesignerMode m_mode;
    int m_recordNumber;
    std::unique_ptr<ShapeRecord> m_working;
    // The library record as it was loaded, which a modifying save must still find there.
    RecordFingerprint m_loaded;
    std::unique_ptr<ShapeRecord> m_undo;
    bool m_saved = false;
    PendingPress m_leftPress;
    PendingPress m_rightPress;
    QLabel *m_canvas = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QPushButton *m_undoButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace gw::shapes
