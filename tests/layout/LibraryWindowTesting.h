#pragma once

// What the layout and shape window tests share: records and library files compared as bytes,
// and the clicks every one of those windows takes.
#include "uisupport/UiTestSupport.h"

#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <optional>

namespace gw::test {

template <typename Record> QByteArray recordBytes(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

// The library file as the disk holds it.
inline QByteArray libraryBytes(const std::filesystem::path &library)
{
    return fileBytes(QString::fromStdString(library.string()));
}

// The window's child of the type and object name.
template <typename Child> Child *child(QWidget &window, const char *name)
{
    return window.findChild<Child *>(QString::fromLatin1(name));
}

inline void showActive(QWidget &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// A fresh workspace, and message boxes and file dialogs answered by script, for each test
// function of a test class that derives from it: its init() calls start(), its cleanup() stop().
struct WindowFixture
{
    std::optional<TestWorkspace> workspace;
    std::optional<ScriptedDialogs> dialogs;

    app::AppContext &context() { return workspace->context(); }
    void start()
    {
        workspace.emplace();
        dialogs.emplace();
    }
    void stop()
    {
        dialogs.reset();
        workspace.reset();
    }
};

// Clicks the line of the list where the user would.
inline void clickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace gw::test
