#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace gw::editor {

// The cell editor of the words and clues grid: it starts on the text the owner hands it for
// the cell, which may differ from what the cell shows (cut to the field's capacity).  Tab and
// Shift+Tab in an editor move on to the next or previous editable cell and open it, so that
// typing after Tab at the end of a clue goes into the next row's word and not into the fixed
// "Cnt" and "U" columns, where it would be lost.
class WordCellDelegate : public QStyledItemDelegate
{
public:
    using EditText = std::function<QString(int row, int column)>;

    WordCellDelegate(EditText editText, QObject *parent);

    void setEditorData(QWidget *editor, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    EditText m_editText;
};

} // namespace gw::editor
