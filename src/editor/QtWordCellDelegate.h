#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace gw::editor {

// The cell editor of the words and clues grid: it starts on the text the owner hands it for
// the cell, which may differ from what the cell shows (cut to the field's capacity).
class QtWordCellDelegate : public QStyledItemDelegate
{
public:
    using EditText = std::function<QString(int row, int column)>;

    QtWordCellDelegate(EditText editText, QObject *parent);

    void setEditorData(QWidget *editor, const QModelIndex &index) const override;

private:
    EditText m_editText;
};

} // namespace gw::editor
