#include "layout/LibraryWindowTesting.h"
#include "shapes/ui/TDoShapes.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cstring>

using namespace gw;

namespace {

constexpr qint64 ShapeSize = sizeof(shapes::ShapeRecord);
constexpr int Cell30 = 12; // a 30 x 30 shape in the 401-pixel area

QByteArray libraryBytes(app::AppContext &context)
{
    return test::libraryBytes(context.shapeLibrary());
}

QLabel *canvas(QWidget &designer)
{
    return test::child<QLabel>(designer, "ShapeImage");
}

QLineEdit *box(QWidget &designer, const char *name)
{
    return test::child<QLineEdit>(designer, name);
}

// The middle of the square at column c and row r of a grid of the given square size.
QPoint square(int column, int row, int cell = Cell30)
{
    return QPoint((column - 1) * cell + cell / 2, (row - 1) * cell + cell / 2);
}

bool usable(const shapes::ShapeRecord &shape, int column, int row)
{
    return shape.usable(shapes::cellIndex(column, row));
}

// Types a new value into a box and moves the focus on, as a user leaving the box does.
void retype(QWidget &designer, const char *name, const QString &text)
{
    QLineEdit *edit = box(designer, name);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, text);
    box(designer, "ShapeTitle")->setFocus();
}

} // namespace

class TDoShapesTest : public QObject, test::WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { start(); }
    void cleanup() { stop(); }

    // Clicks toggle, right clicks fill; a press and release on different squares do nothing.
    // Undo takes back a fill or a shift, until a toggle.  (A new shape saved unchanged is the
    // chooser's test.)
    void mouseTogglesFillsAndUndoes()
    {
        shapes::TDoShapes designer(context(), shapes::ShapeDesignerMode::New, 0);
        test::showActive(designer);
        test::saveScreenshot(&designer, QStringLiteral("do_shapes"));
        QTest::mouseClick(canvas(designer), Qt::LeftButton, {}, square(3, 2));
        QVERIFY(!usable(designer.workingShape(), 3, 2));
        QTest::mousePress(canvas(designer), Qt::LeftButton, {}, square(5, 5));
        QTest::mouseRelease(canvas(designer), Qt::LeftButton, {}, square(6, 5));
        QVERIFY(usable(designer.workingShape(), 5, 5) && usable(designer.workingShape(), 6, 5));

        const QByteArray beforeFill = test::recordBytes(designer.workingShape());
        QTest::mouseClick(canvas(designer), Qt::RightButton, {}, square(3, 2));
        QVERIFY(usable(designer.workingShape(), 3, 2));
        test::clickButton(designer, "Undo");
        QCOMPARE(test::recordBytes(designer.workingShape()), beforeFill);

        // Clicks past the drawn grid change no hidden cells.
        QTest::mouseClick(canvas(designer), Qt::LeftButton, {}, QPoint(395, 395));
        QCOMPARE(test::recordBytes(designer.workingShape()), beforeFill);

        test::clickButton(designer, "ShiftRight");
        QVERIFY(!usable(designer.workingShape(), 4, 2));
        QTest::mouseClick(canvas(designer), Qt::LeftButton, {}, square(10, 10));
        QVERIFY(!test::child<QPushButton>(designer, "Undo")->isEnabled());
    }

    // Width and height outside 5..30 are refused with one message, the focus kept
    // in the box and nothing taken or saved, whether the box is left for another box or for
    // Save, which checks the boxes itself (leaving for it must not show the message again).
    void refusesBadSizesWithOneMessage_data()
    {
        QTest::addColumn<QByteArray>("boxName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("bySave");
        const QString width = QStringLiteral("Error|Width must be between 5 and 30.  Please re-enter width.");
        const QString height
            = QStringLiteral("Error|Height must be between 5 and 30.  Please re-enter height.");
        for (const bool bySave : { false, true }) {
            const char *exit = bySave ? "Save" : "leaving";
            QTest::addRow("width 4, %s", exit)
                << QByteArray("ShapeWidth") << QStringLiteral("4") << width << bySave;
            QTest::addRow("height 0, %s", exit)
                << QByteArray("ShapeHeight") << QStringLiteral("0") << height << bySave;
        }
    }
    void refusesBadSizesWithOneMessage()
    {
        QFETCH(QByteArray, boxName);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(bool, bySave);
        const QByteArray before = libraryBytes(context());
        shapes::TDoShapes designer(context(), shapes::ShapeDesignerMode::New, 0);
        test::showActive(designer);
        QLineEdit *edit = box(designer, boxName.constData());
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
        if (bySave)
            test::clickButton(designer, "Save");
        else
            box(designer, "ShapeTitle")->setFocus();
        QCOMPARE(dialogs->messages().size(), size_t(1));
        QCOMPARE(dialogs->lastMessage(), message);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(int(designer.workingShape().width), 30);
        QCOMPARE(libraryBytes(context()), before);
    }

    // Cancel leaves a bad box without a word.
    void cancelNeedsNoValidSize()
    {
        shapes::TDoShapes designer(context(), shapes::ShapeDesignerMode::New, 0);
        test::showActive(designer);
        box(designer, "ShapeHeight")->setFocus();
        box(designer, "ShapeHeight")->setText(QStringLiteral("99"));
        test::clickButton(designer, "Cancel");
        QVERIFY(dialogs->messages().empty());
        QVERIFY(!designer.isVisible());
    }

    // Modify overwrites its record in place with the boxes' title and size.
    void modifyOverwritesInPlace()
    {
        const QByteArray before = libraryBytes(context());
        std::memcpy(context().currentShape.get(), before.constData() + 2 * ShapeSize, ShapeSize);
        shapes::TDoShapes designer(context(), shapes::ShapeDesignerMode::Modify, 2);
        test::showActive(designer);
        box(designer, "ShapeTitle")->setText(QStringLiteral(" Wide Square "));
        retype(designer, "ShapeHeight", QStringLiteral("7"));
        retype(designer, "ShapeWidth", QStringLiteral("9"));
        const int cell = 401 / 9 - 1;
        QTest::mouseClick(canvas(designer), Qt::LeftButton, {}, square(9, 7, cell));
        test::clickButton(designer, "Save");
        QVERIFY(designer.saved());
        const QByteArray after = libraryBytes(context());
        QCOMPARE(after.size(), before.size());
        shapes::ShapeRecord saved;
        std::memcpy(&saved, after.constData() + 2 * ShapeSize, ShapeSize);
        QCOMPARE(saved.title.str(), std::string("Wide Square"));
        QCOMPARE(int(saved.width), 9);
        QCOMPARE(int(saved.height), 7);
        QCOMPARE(usable(saved, 9, 7), !context().currentShape->usable(shapes::cellIndex(9, 7)));

        // A second designer opened on the record as it was before the first one saved: it finds
        // another shape there, writes nothing, says why and closes.
        std::memcpy(context().currentShape.get(), before.constData() + 2 * ShapeSize, ShapeSize);
        shapes::TDoShapes stale(context(), shapes::ShapeDesignerMode::Modify, 2);
        test::showActive(stale);
        QTest::mouseClick(test::child<QPushButton>(stale, "Save"), Qt::LeftButton);
        QCOMPARE(libraryBytes(context()), after);
        QCOMPARE(dialogs->lastMessage(),
            QStringLiteral(
                "Warning|This puzzle shape was changed or deleted by another program after it was loaded, "
                "so nothing was written.  The list has been reloaded."));
        QVERIFY(!stale.isVisible());
    }

    // Names and sizes longer than the boxes' typing limits are shown and saved whole, and a
    // foreign width is refused rather than cut to two digits.
    void longStoredValuesAreNotCut()
    {
        *context().currentShape = shapes::newShape();
        const std::string name = std::string(30, 'N') + " (2)";
        context().currentShape->title.assign(name);
        shapes::TDoShapes copy(context(), shapes::ShapeDesignerMode::Copy, 0);
        test::showActive(copy);
        QCOMPARE(box(copy, "ShapeTitle")->text(), QString::fromStdString(name));
        QTest::keyClicks(box(copy, "ShapeTitle"), QStringLiteral("XYZ"));
        QCOMPARE(box(copy, "ShapeTitle")->text(), QString::fromStdString(name));
        QTest::mouseClick(test::child<QPushButton>(copy, "Save"), Qt::LeftButton);
        QCOMPARE(copy.workingShape().title.str(), name);

        context().currentShape->width = 100;
        shapes::TDoShapes modify(context(), shapes::ShapeDesignerMode::Modify, 0);
        test::showActive(modify);
        QCOMPARE(box(modify, "ShapeWidth")->text(), QStringLiteral("100"));
        QTest::mouseClick(test::child<QPushButton>(modify, "Save"), Qt::LeftButton);
        QCOMPARE(dialogs->lastMessage(),
            QStringLiteral("Error|Width must be between 5 and 30.  Please re-enter width."));
        QVERIFY(!modify.saved());
    }

    // A library that cannot be written is reported and the designer stays open with its shape.
    void unwritableLibraryKeepsTheDesignerOpen()
    {
        const QString library = QString::fromStdString(context().shapeLibrary().string());
        QVERIFY(QFile::remove(library) && QDir().mkdir(library));
        shapes::TDoShapes designer(context(), shapes::ShapeDesignerMode::New, 0);
        test::showActive(designer);
        test::clickButton(designer, "Save");
        QCOMPARE(dialogs->lastMessage(), QStringLiteral("Disk Error|Unable to add shape."));
        QVERIFY(designer.isVisible());
        QVERIFY(!designer.saved());
    }
};

QTEST_MAIN(TDoShapesTest)
#include "tst_TDoShapes.moc"
