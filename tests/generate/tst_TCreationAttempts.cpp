#include "generate/TCreationAttempts.h"
#include "uisupport/UiTestSupport.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cstring>
#include <string_view>
#include <vector>

using namespace gw;

namespace {

// Words that cannot all cross, so no attempt places every one and runs go their full length.
void prepareRun(app::AppContext &context, int attempts)
{
    *context.currentShape = shapes::newShape();
    context.currentShape->width = 12;
    context.currentShape->height = 12;
    const std::vector<model::WordRow> rows { { "CROSSWORD", "" }, { "WORDS", "" }, { "ROW", "" },
        { "SOCK", "" }, { "XYZZY", "never crosses" } };
    model::fillFromWordList(*context.working, rows);
    model::takeShapeGeometry(*context.working, *context.currentShape);
    context.settings.attempts = attempts;
    context.settings.shrink = false;
    context.settings.quickBuild = false;
}

QPushButton *button(QWidget &window)
{
    return window.findChild<QPushButton *>(QStringLiteral("Cancel"));
}

} // namespace

class TCreationAttemptsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A full run reports the last attempt and "Completed", and the button becomes Ok and closes.
    void completedRunShowsLastAttemptAndOk()
    {
        test::TestWorkspace workspace;
        prepareRun(workspace.context(), 50);
        const model::PuzzleRecord before = *workspace.context().working;
        generate::TCreationAttempts window(workspace.context());
        window.setSeed(1234);
        int attemptsSeen = 0;
        window.setAttemptHook([&](int attempt) {
            ++attemptsSeen;
            QCOMPARE(window.line1(), QStringLiteral("Creation Attempt #") + QString::number(attempt));
            QCOMPARE(button(window)->text(), QStringLiteral("&Abort"));
        });
        window.show();
        QTRY_VERIFY(window.outcome().has_value());
        QCOMPARE(attemptsSeen, 50);
        QCOMPARE(window.line1(), QStringLiteral("Creation Attempt #50"));
        QCOMPARE(window.line2(), QStringLiteral("Completed"));
        QCOMPARE(button(window)->text(), QStringLiteral("&Ok"));
        QVERIFY(workspace.context().slots->slots[0].wordsPlaced > 0);
        QCOMPARE(std::memcmp(&before, workspace.context().working.get(), sizeof before), 0);
        test::saveScreenshot(&window, QStringLiteral("creation_attempts_completed"));
        QTest::mouseClick(button(window), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    // Abort is noticed after the attempt in progress, which still counts and is reported.
    void abortEndsTheRunAfterTheCurrentAttempt()
    {
        test::TestWorkspace workspace;
        prepareRun(workspace.context(), 100);
        generate::TCreationAttempts window(workspace.context());
        window.setSeed(99);
        window.setAttemptHook([&](int attempt) {
            if (attempt == 5)
                QTest::mouseClick(button(window), Qt::LeftButton);
        });
        window.show();
        QTRY_VERIFY(window.outcome().has_value());
        QVERIFY(window.outcome()->aborted);
        QCOMPARE(window.outcome()->attemptCounter, 5);
        QCOMPARE(window.line1(), QStringLiteral("Aborted on creation Attempt #5"));
        QCOMPARE(window.line2(), QString());
        QCOMPARE(button(window)->text(), QStringLiteral("&Ok"));
        QVERIFY(window.isVisible());
        QVERIFY(workspace.context().slots->slots[3].wordsPlaced > 0);
        test::saveScreenshot(&window, QStringLiteral("creation_attempts_aborted"));
    }

    // Closing the window mid-run asks for the abort instead of hiding a run that goes on.
    void closingDuringTheRunAborts()
    {
        test::TestWorkspace workspace;
        prepareRun(workspace.context(), 200);
        generate::TCreationAttempts window(workspace.context());
        window.setSeed(7);
        window.setAttemptHook([&](int attempt) {
            if (attempt == 3) {
                window.close();
                QVERIFY(window.isVisible());
            }
        });
        window.show();
        QTRY_VERIFY(window.outcome().has_value());
        QCOMPARE(window.outcome()->attemptCounter, 3);
        QVERIFY(window.outcome()->aborted);
        window.close();
        QVERIFY(!window.isVisible());
    }

    // Later activations of the same showing never start a second run.
    void runStartsOncePerShowing()
    {
        test::TestWorkspace workspace;
        prepareRun(workspace.context(), 3);
        generate::TCreationAttempts window(workspace.context());
        window.setSeed(5);
        int starts = 0;
        window.setAttemptHook([&](int attempt) { starts += attempt == 1; });
        window.show();
        QTRY_VERIFY(window.outcome().has_value());
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
        QTest::qWait(20);
        QCOMPARE(starts, 1);
    }

    // exec() returns once the user confirms the finished run, as the word list editor uses it.
    void execReturnsAfterOk()
    {
        test::TestWorkspace workspace;
        prepareRun(workspace.context(), 10);
        workspace.context().scaleFactor = 1.6;
        generate::TCreationAttempts window(workspace.context());
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (window.outcome() && button(window)->text() == QStringLiteral("&Ok")) {
                test::saveScreenshot(&window, QStringLiteral("creation_attempts_1_6"));
                QCOMPARE(window.size(), QSize(517, 170));
                QTest::mouseClick(button(window), Qt::LeftButton);
            }
        });
        poll.start(10);
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QVERIFY(window.line1().startsWith(QStringLiteral("Creation Attempt #")));
    }
};

QTEST_MAIN(TCreationAttemptsTest)
#include "tst_TCreationAttempts.moc"
