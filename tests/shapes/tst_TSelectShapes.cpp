#include "layout/LibraryWindowTesting.h"
#include "platform/Text.h"
#include "render/TextConversion.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ui/ShapePicture.h"
#include "shapes/ui/TSelectShapes.h"
#include "uisupport/ListLines.h"
#include "uisupport/ScriptedChildren.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <cstring>

using namespace gw;

namespace {

constexpr qint64 ShapeSize = sizeof(shapes::ShapeRecord);

QByteArray libraryBytes(app::AppContext &context)
{
    return test::libraryBytes(context.shapeLibrary());
}

QListWidget *list(QWidget &window)
{
    return test::child<QListWidget>(window, "ShapeList");
}

void clickRow(QWidget &window, int row)
{
    test::clickRow(list(window), row);
}

// The library record an entry of the window stands for, read from the file itself.
QByteArray libraryRecord(app::AppContext &context, int record)
{
    return libraryBytes(context).mid(record * ShapeSize, ShapeSize);
}

QImage preview(QWidget &window)
{
    return window.findChild<QLabel *>(QStringLiteral("ShapePreview"))->pixmap().toImage();
}

// Shows the designer and presses Save, as a user who changes nothing would.
int saveUnchanged(QDialog &designer)
{
    designer.show();
    QTest::mouseClick(designer.findChild<QPushButton *>(QStringLiteral("Save")), Qt::LeftButton);
    return designer.result();
}

} // namespace

class TSelectShapesTest : public QObject, test::WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { start(); }
    void cleanup() { stop(); }

    // The chooser opens on its first entry.  The highlight moved by the keyboard carries the
    // current shape, the preview and Modify with it: a Modify saved unchanged must leave the
    // library as it was.
    void chooserFollowsArrowKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("row"); // below 0: counted from the end
        QTest::newRow("no key") << QList<int> {} << 0;
        QTest::newRow("Down") << QList<int> { Qt::Key_Down } << 1;
        QTest::newRow("Down Down Up") << QList<int> { Qt::Key_Down, Qt::Key_Down, Qt::Key_Up } << 1;
        QTest::newRow("End") << QList<int> { Qt::Key_End } << -1;
        QTest::newRow("End Up") << QList<int> { Qt::Key_End, Qt::Key_Up } << -2;
    }
    void chooserFollowsArrowKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, row);
        shapes::TSelectShapes chooser(context());
        chooser.show();
        test::saveScreenshot(&chooser, QStringLiteral("select_shapes"));
        for (const int key : keys)
            QTest::keyClick(list(chooser), Qt::Key(key));
        if (row < 0)
            row += list(chooser)->count();
        QCOMPARE(list(chooser)->currentRow(), row);
        const int record = chooser.selectedRecord();
        QCOMPARE(test::recordBytes(*context().currentShape), libraryRecord(context(), record));
        QCOMPARE(preview(chooser), shapes::drawShapePicture(*context().currentShape, QSize(240, 240)));

        const QByteArray before = libraryBytes(context());
        QByteArray opened;
        test::ScriptedChildren children;
        children.onChild = [&](QDialog &designer) {
            opened = test::recordBytes(dynamic_cast<shapes::TDoShapes &>(designer).workingShape());
            return saveUnchanged(designer);
        };
        test::clickButton(chooser, "Modify");
        QCOMPARE(opened, libraryRecord(context(), record));
        QCOMPARE(libraryBytes(context()), before);
        QCOMPARE(chooser.selectedRecord(), record);
    }

    // Delete asks with the whole entry; No keeps the library, Yes closes the gap.
    void deleteAsksAndShiftsTheLibrary()
    {
        shapes::TSelectShapes chooser(context());
        chooser.show();
        const QByteArray before = libraryBytes(context());
        clickRow(chooser, 2);
        const int record = chooser.selectedRecord();
        const QString entry = list(chooser)->item(2)->text();

        dialogs->answer(app::Answer::No);
        test::clickButton(chooser, "Delete");
        QCOMPARE(dialogs->lastMessage(), "Delete?|Are you sure you want to delete \"" + entry + "\"?");
        QCOMPARE(libraryBytes(context()), before);

        dialogs->answer(app::Answer::Yes);
        test::clickButton(chooser, "Delete");
        QCOMPARE(libraryBytes(context()), QByteArray(before).remove(record * ShapeSize, ShapeSize));
        QCOMPARE(list(chooser)->count(), int(before.size() / ShapeSize) - 1);
        QCOMPARE(list(chooser)->currentRow(), 2);
        QCOMPARE(
            test::recordBytes(*context().currentShape), libraryRecord(context(), chooser.selectedRecord()));
    }

    // With no library the chooser warns, shows nothing and refuses to export.
    void missingLibraryWarnsAndExportRefuses()
    {
        QVERIFY(QFile::remove(QString::fromStdString(context().shapeLibrary().string())));
        shapes::TSelectShapes chooser(context());
        chooser.show();
        QCOMPARE(
            dialogs->lastMessage(), QStringLiteral("Warning|No saved shape information could be found."));
        QCOMPARE(list(chooser)->count(), 0);
        test::clickButton(chooser, "Export");
        QCOMPARE(dialogs->lastMessage(), QStringLiteral("Error|No shape selected."));
        QVERIFY(dialogs->fileRequests().empty());
    }

    // Export writes the selected shape and says so; the file imports back as a new last record,
    // selected; a cut one is refused.
    void exportAndImportRoundTrip()
    {
        shapes::TSelectShapes chooser(context());
        chooser.show();
        clickRow(chooser, 1);
        const QByteArray shape = libraryRecord(context(), chooser.selectedRecord());
        const QString exported = workspace->path(QStringLiteral("start/star.LAY"));
        dialogs->chooseFile(exported);
        test::clickButton(chooser, "Export");
        QCOMPARE(dialogs->lastMessage(), QStringLiteral("OK|Puzzle Shape Exported!"));

        const int count = list(chooser)->count();
        dialogs->chooseFile(exported);
        test::clickButton(chooser, "Import");
        QCOMPARE(chooser.selectedRecord(), count);
        QCOMPARE(test::recordBytes(*context().currentShape), shape);

        // A short file is refused with the reader's message and adds nothing.
        const QByteArray before = libraryBytes(context());
        QVERIFY(QFile::resize(exported, 6 + ShapeSize - 1));
        dialogs->chooseFile(exported);
        test::clickButton(chooser, "Import");
        QCOMPARE(dialogs->lastMessage(),
            QStringLiteral("Error|Puzzle shape file is corrupt or incompatible.  Import aborted."));
        QCOMPARE(libraryBytes(context()), before);
    }

    // New and Copy append and select the new record; Copy names it by the copy-name rule.
    void newAndCopyAppendAndSelect()
    {
        shapes::TSelectShapes chooser(context());
        test::ScriptedChildren children;
        children.onChild = saveUnchanged;
        chooser.show();
        const int count = list(chooser)->count();
        test::clickButton(chooser, "New");
        QCOMPARE(chooser.selectedRecord(), count);
        QCOMPARE(libraryRecord(context(), count), test::recordBytes(shapes::newShape()));

        clickRow(chooser, 0);
        const std::string title = context().currentShape->title.str();
        test::clickButton(chooser, "Copy");
        QCOMPARE(chooser.selectedRecord(), count + 1);
        QCOMPARE(context().currentShape->title.str(), copyName(title, 50));
        QCOMPARE(libraryRecord(context(), count + 1), test::recordBytes(*context().currentShape));
    }

    // A cancelled copy leaves the current shape named as its library entry.
    void cancelledCopyKeepsTheName()
    {
        shapes::TSelectShapes chooser(context());
        test::ScriptedChildren children; // every designer is left unsaved
        chooser.show();
        const QByteArray before = libraryBytes(context());
        const QByteArray selected = test::recordBytes(*context().currentShape);
        test::clickButton(chooser, "Copy");
        test::clickButton(chooser, "New");
        QCOMPARE(test::recordBytes(*context().currentShape), selected);
        QCOMPARE(libraryBytes(context()), before);
    }
};

QTEST_MAIN(TSelectShapesTest)
#include "tst_TSelectShapes.moc"
