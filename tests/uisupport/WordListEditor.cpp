#include "uisupport/WordListEditor.h"

#include "layout/LayoutLibrary.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace gw::test {

namespace {

constexpr int SquareFifteen = 2; // "15x15 Square" in the bundled shape library

} // namespace

void typeCell(QWidget &editor, int row, int column, const QString &typed)
{
    auto *grid = editor.findChild<QTableWidget *>("WordsCluesGrid");
    QVERIFY(grid);
    grid->setFocus();
    grid->setCurrentCell(row - 1, column);
    grid->editItem(grid->item(row - 1, column));
    // Editors of cells typed before are hidden and wait for their deletion.
    QLineEdit *field = nullptr;
    for (QLineEdit *candidate : grid->viewport()->findChildren<QLineEdit *>()) {
        if (candidate->isVisible())
            field = candidate;
    }
    QVERIFY(field);
    field->selectAll();
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
    // The view commits the cell through a queued call.
    QCoreApplication::processEvents();
}

WordListEditor::WordListEditor()
{
    app::AppContext &shared = context();
    shared.settings.lastGroup = collection.toStdString();
    shared.settings.lastShape = SquareFifteen;
    shared.settings.attempts = 1;
    model::resetToNew(*shared.working, layout::loadLayoutForPuzzle(shared.layoutLibrary(), 0));
    shared.workingIsNew = true;
}

void WordListEditor::storeAndModify(const model::PuzzleRecord &record)
{
    auto other = std::make_unique<model::PuzzleRecord>(record);
    other->title.assign("Another");
    QFile file(collection);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(other.get()), sizeof(model::PuzzleRecord));
    file.write(reinterpret_cast<const char *>(&record), sizeof(model::PuzzleRecord));
    file.close();
    app::AppContext &shared = context();
    *shared.working = record;
    shared.workingIsNew = false;
    shared.workingRecordNumber = 1;
    shared.workingLoaded = fingerprintOf(record);
}

editor::TWordList &WordListEditor::open()
{
    window = std::make_unique<editor::TWordList>(context(), context().workingIsNew ? "Create" : "Modify");
    return *window;
}

void WordListEditor::show()
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

QTableWidget *WordListEditor::grid() const
{
    return find<QTableWidget>("WordsCluesGrid");
}

void WordListEditor::type(const char *name, const QString &typed)
{
    QLineEdit *field
        = QString(name) == "Category" ? find<QComboBox>(name)->lineEdit() : find<QLineEdit>(name);
    field->clear();
    QTest::keyClicks(field, typed);
}

} // namespace gw::test
