#include "uisupport/UiTestSupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTest>
#include <QWidget>

namespace gw::test {

ScriptedDialogs::ScriptedDialogs()
{
    app::setMessageBoxSeam([this](QWidget *, const app::MessageRequest &request) {
        m_messages.push_back(request);
        if (!m_answers.empty()) {
            const app::Answer next = m_answers.front();
            m_answers.pop_front();
            return next;
        }
        return request.buttons == app::Buttons::Ok || request.buttons == app::Buttons::OkCancel
            ? app::Answer::Ok
            : app::Answer::Yes;
    });
    app::setFileDialogSeam([this](QWidget *, const app::FileRequest &request) -> std::optional<QString> {
        m_fileRequests.push_back(request);
        if (m_files.empty())
            return std::nullopt;
        const bool chosen = m_files.front().has_value();
        const QString path = m_files.front().value_or(QString());
        m_files.pop_front();
        return chosen ? std::optional<QString>(path) : std::nullopt;
    });
}

ScriptedDialogs::~ScriptedDialogs()
{
    app::setMessageBoxSeam({});
    app::setFileDialogSeam({});
}

QString ScriptedDialogs::lastMessage() const
{
    if (m_messages.empty())
        return {};
    return m_messages.back().caption + "|" + m_messages.back().text;
}

TestWorkspace::TestWorkspace()
    : m_context(std::make_unique<app::AppContext>())
{
    QDir(m_dir.path()).mkdir("program");
    QDir(m_dir.path()).mkdir("start");
    for (const char *bundled : { "ZPFLAY.DAT", "ZPFPAGE.DAT" })
        QFile::copy(QString(GW_SOURCE_DIR "/data/") + bundled, m_dir.filePath(QString("program/") + bundled));
    m_context->startDirectory = m_dir.filePath("start").toStdString();
    m_context->folders = programFolders(m_dir.filePath("program").toStdString(), m_context->startDirectory);
    m_context->settings = model::loadSettings(m_context->settingsFile(), m_context->startDirectory);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void clickButton(QWidget &window, const char *objectName)
{
    auto *button = window.findChild<QAbstractButton *>(QString::fromLatin1(objectName));
    QVERIFY2(button, objectName);
    QTest::mouseClick(button, Qt::LeftButton);
}

void saveScreenshot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("GW_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(name + ".png"));
}

} // namespace gw::test
