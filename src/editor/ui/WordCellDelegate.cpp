#include "editor/ui/WordCellDelegate.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace gw::editor {

namespace {

// The nearest editable cell after (or before) the given one in reading order, or an invalid
// index when there is none.
QModelIndex nextEditable(const QAbstractItemModel &model, const QModelIndex &from, bool forward)
{
    const int columns = model.columnCount();
    const int cells = model.rowCount() * columns;
    const int step = forward ? 1 : -1;
    for (int cell = from.row() * columns + from.column() + step; cell >= 0 && cell < cells; cell += step) {
        const QModelIndex index = model.index(cell / columns, cell % columns);
        if (index.flags() & Qt::ItemIsEditable)
            return index;
    }
    return {};
}

} // namespace

WordCellDelegate::WordCellDelegate(EditText editText, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_editText(std::move(editText))
{ }

void WordCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setText(m_editText(index.row(), index.column()));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

bool WordCellDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    auto *view = qobject_cast<QAbstractItemView *>(parent());
    if (editor && view && view->model() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        const bool backTab = key->key() == Qt::Key_Backtab
            || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (tab || backTab) {
            const QModelIndex next = nextEditable(*view->model(), view->currentIndex(), tab);
            if (next.isValid()) {
                Q_EMIT commitData(editor);
                Q_EMIT closeEditor(editor, NoHint);
                view->setCurrentIndex(next);
                view->edit(next);
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace gw::editor
