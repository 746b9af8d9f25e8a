#include "app/RecentFiles.h"

#include <QTest>

using namespace gw;

Q_DECLARE_METATYPE(app::RecentFiles)

class RecentFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void update_data();
    void update();
    void itemText();
};

void RecentFilesTest::update_data()
{
    QTest::addColumn<app::RecentFiles>("before");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("next");
    QTest::addColumn<app::RecentFiles>("after");
    using R = app::RecentFiles;
    QTest::newRow("full list drops the fifth") << R { "a", "b", "c", "d", "e" } << "/p"
                                               << "/n" << R { "/p", "a", "b", "c", "d" };
    QTest::newRow("new path first") << R { "/n", "b", "", "", "" } << "/p"
                                    << "/n" << R { "/p", "b", "", "", "" };
    QTest::newRow("new path fifth") << R { "a", "b", "c", "d", "/n" } << "/p"
                                    << "/n" << R { "/p", "a", "b", "c", "d" };
    QTest::newRow("reopening the current one heads the list") << R { "a", "", "", "", "" } << "/p"
                                                              << "/p" << R { "/p", "a", "", "", "" };
    QTest::newRow("only the first copy leaves") << R { "a", "/n", "b", "/n", "c" } << "/p"
                                                << "/n" << R { "/p", "a", "b", "/n", "c" };
    QTest::newRow("names differing in case are different files") << R { "/N", "", "", "", "" } << "/p"
                                                                 << "/n" << R { "/p", "/N", "", "", "" };
}

// The recent-file rule: the new path leaves the list, the previous one goes in front.
void RecentFilesTest::update()
{
    QFETCH(app::RecentFiles, before);
    QFETCH(QString, previous);
    QFETCH(QString, next);
    QFETCH(app::RecentFiles, after);
    app::updateRecentFiles(before, previous.toStdString(), next.toStdString());
    for (std::size_t k = 0; k < after.size(); ++k)
        QCOMPARE(QString::fromStdString(before[k]), QString::fromStdString(after[k]));
}

// "&k", three blanks, the path; the path's own ampersands must not become mnemonics.
void RecentFilesTest::itemText()
{
    QCOMPARE(app::recentFileItemText(0, "/home/me/puzzles.zp3"), QString("&1   /home/me/puzzles.zp3"));
    QCOMPARE(app::recentFileItemText(4, "/x/Tom & Jerry.ZP3"), QString("&5   /x/Tom && Jerry.ZP3"));
    QCOMPARE(app::recentFileItemText(2, "/x/\xc3\xa9t\xc3\xa9.zp3"), QString("&3   /x/\u00e9t\u00e9.zp3"));
}

QTEST_MAIN(RecentFilesTest)
#include "tst_RecentFiles.moc"
