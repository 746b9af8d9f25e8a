#include "editor/QtWordCellDelegate.h"

#include <QLineEdit>

namespace gw::editor {

QtWordCellDelegate::QtWordCellDelegate(EditText editText, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_editText(std::move(editText))
{ }

void QtWordCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(m_editText(index.row(), index.column()));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

} // namespace gw::editor
