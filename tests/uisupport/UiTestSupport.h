#pragma once

#include "ui/AppContext.h"
#include "ui/Dialogs.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace gw::test {

// Answers message boxes and file dialogs from queues while it lives, and keeps what was asked.
// A message box with no queued answer gets Ok, or Yes when it asks a question.
class ScriptedDialogs
{
public:
    ScriptedDialogs();
    ~ScriptedDialogs();

    void answer(app::Answer next) { m_answers.push_back(next); }
    void chooseFile(std::optional<QString> next) { m_files.push_back(std::move(next)); }

    const std::vector<app::MessageRequest> &messages() const { return m_messages; }
    const std::vector<app::FileRequest> &fileRequests() const { return m_fileRequests; }
    // "caption|text" of the last message, or empty.
    QString lastMessage() const;
    void clear() { m_messages.clear(); }

private:
    std::deque<app::Answer> m_answers;
    std::deque<std::optional<QString>> m_files;
    std::vector<app::MessageRequest> m_messages;
    std::vector<app::FileRequest> m_fileRequests;
};

// A start directory and a program directory in a fresh temporary folder, the program directory
// holding copies of the bundled libraries, and a context on them with default settings.
class TestWorkspace
{
public:
    TestWorkspace();

    QString path(const QString &name) const { return m_dir.filePath(name); }
    app::AppContext &context() { return *m_context; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<app::AppContext> m_context;
};

// The whole file, or empty when it cannot be read: tests compare what a window wrote.
QByteArray fileBytes(const QString &path);

// Clicks the window's button (any QAbstractButton) of that object name; fails the test when
// the window has none.
void clickButton(QWidget &window, const char *objectName);

// Saves a picture of the window as <GW_SCREENSHOT_DIR>/<name>.png when that variable is set.
void saveScreenshot(QWidget *window, const QString &name);

} // namespace gw::test
