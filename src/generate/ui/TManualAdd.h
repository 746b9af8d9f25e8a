#pragma once

#include "generate/ManualEdits.h"
#include "model/PuzzleRecord.h"
#include "ui/TWindow.h"

#include <QPoint>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gw::app {
struct AppContext;
}

namespace gw::generate {

class TAddAClue;

// The hand editor of a stored puzzle's grid: letters typed into its empty squares make new
// words, each of which gets its clue in TAddAClue; Ok adds them to the puzzle in clue order,
// puts it into the working record and writes it back over its record in the open collection.
class TManualAdd : public app::TWindow
{
    Q_OBJECT

public:
    // Works on a copy of the working record, a stored puzzle at workingRecordNumber.
    explicit TManualAdd(app::AppContext &context, QWidget *parent = nullptr);
    ~TManualAdd() override;

    // True once Ok put new words into the working record, whether or not the file took them.
    bool wordsAdded() const { return m_wordsAdded; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void AcceptClick();
    void RejectClick();
    void OkButtonClick();
    void CancelClick();

private:
    void FormShow() override;
    void DrawAPuzzle();
    void PuzzImage1MouseMove(QPoint point);
    void PuzzImage1MouseDown(QPoint point);
    void PuzzImage1MouseUp(QPoint point);
    int CalcBlock(QPoint point) const;
    bool InProtected(int cell) const;

    bool letterBoxOpen() const;
    // Writes the open box's letter into the pressed square (an empty box leaves it); false
    // when the box holds something other than a letter A..Z, which is then reported.
    bool settleLetterBox();
    void openLetterBox();
    void closeLetterBox();
    void setSquare(int cell, std::uint8_t value);

    std::unique_ptr<model::PuzzleRecord> m_record;
    std::unique_ptr<EditableSquares> m_squares;
    int m_cell = 0; // side of a square in the picture, in pixels
    int m_hoverCell = -1;
    int m_pressedCell = -1;
    bool m_pressed = false; // the button went down on an editable square
    bool m_wordsAdded = false;

    QLabel *m_picture;
    QLineEdit *m_letter;
    QPushButton *m_accept;
    QPushButton *m_reject;
};

} // namespace gw::generate
