#include "generate/ui/TCreationAttempts.h"
#include "uisupport/UiTestSupport.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cstring>
#include <vector>

using namespace gw;

class TCreationAttemptsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A full run counts every attempt, then reports "Completed".  Abort, and closing the window
    // mid-run (instead of hiding a run that goes on), end the run after the attempt in progress,
    // which still counts and is reported.  Either way the button becomes Ok and exec() returns
    // once the user confirms, as the word list editor uses it; the working puzzle is left as it was.
    void runEndsAndWaitsForOk_data()
    {
        QTest::addColumn<int>("stopAt"); // 0: never
        QTest::addColumn<bool>("byClosing");
        QTest::addColumn<QString>("line1");
        QTest::newRow("completedRunShowsLastAttemptAndOk") << 0 << false << "Creation Attempt #50";
        QTest::newRow("abortEndsTheRunAfterTheCurrentAttempt")
            << 3 << false << "Aborted on creation Attempt #3";
        QTest::newRow("closingDuringTheRunAborts") << 3 << true << "Aborted on creation Attempt #3";
    }
    void runEndsAndWaitsForOk()
    {
        QFETCH(int, stopAt);
        QFETCH(bool, byClosing);
        QFETCH(QString, line1);
        // Words that cannot all cross: no attempt places every one, so runs go their full length.
        test::TestWorkspace workspace;
        app::AppContext &context = workspace.context();
        *context.currentShape = shapes::newShape();
        context.currentShape->width = 12;
        context.currentShape->height = 12;
        const std::vector<model::WordRow> rows { { "CROSSWORD", "" }, { "WORDS", "" }, { "ROW", "" },
            { "SOCK", "" }, { "XYZZY", "never crosses" } };
        model::fillFromWordList(*context.working, rows);
        model::takeShapeGeometry(*context.working, *context.currentShape);
        context.settings.attempts = 50;
        context.settings.shrink = false;
        context.settings.quickBuild = false;
        const model::PuzzleRecord before = *context.working;
        generate::TCreationAttempts window(context);
        window.setSeed(7);
        auto *button = window.findChild<QPushButton *>(QStringLiteral("Cancel"));
        int attemptsSeen = 0;
        window.setAttemptHook([&](int attempt) {
            ++attemptsSeen;
            if (attempt != stopAt)
                return;
            if (byClosing)
                window.close();
            else
                QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(window.isVisible());
        });
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!window.outcome() || button->text() != QStringLiteral("&Ok"))
                return;
            // Later activations of the same showing never start a second run.
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(&window, &activate);
            QTest::mouseClick(button, Qt::LeftButton);
        });
        poll.start(10);
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QCOMPARE(attemptsSeen, stopAt ? stopAt : 50);
        QCOMPARE(window.outcome()->aborted, stopAt != 0);
        QCOMPARE(window.outcome()->attemptCounter, stopAt ? stopAt : 50);
        QCOMPARE(window.line1(), line1);
        QCOMPARE(window.line2(), stopAt ? QString() : QStringLiteral("Completed"));
        QCOMPARE(std::memcmp(&before, context.working.get(), sizeof before), 0);
    }
};

QTEST_MAIN(TCreationAttemptsTest)
#include "tst_TCreationAttempts.moc"
