#include "ui/Dialogs.h"

#include "model/Settings.h"
#include "render/TextConversion.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace gw::app {

namespace {

MessageBoxSeam &messageBoxSeam()
{
    static MessageBoxSeam seam;
    return seam;
}

FileDialogSeam &fileDialogSeam()
{
    static FileDialogSeam seam;
    return seam;
}

ChildWindowSeam &childWindowSeam()
{
    static ChildWindowSeam seam;
    return seam;
}

Answer realMessageBox(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(parent);
    box.setWindowTitle(request.caption);
    box.setText(request.text);
    switch (request.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setIcon(request.caption == "Error" || request.caption == "Disk Error" ? QMessageBox::Critical
                                                                                  : QMessageBox::Information);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setIcon(QMessageBox::Question);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setIcon(QMessageBox::Question);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> realFileDialog(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent, request.title, request.start, request.filter);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (request.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (QFileInfo(request.start).isFile() || !QFileInfo(request.start).exists())
        dialog.selectFile(request.start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

Answer ask(QWidget *parent, const QString &caption, const QString &text, Buttons buttons)
{
    const MessageRequest request { caption, text, buttons };
    if (messageBoxSeam())
        return messageBoxSeam()(parent, request);
    return realMessageBox(parent, request);
}

void inform(QWidget *parent, const QString &caption, const QString &text)
{
    ask(parent, caption, text, Buttons::Ok);
}

void show(QWidget *parent, const Failure &failure)
{
    inform(parent, toQString(failure.caption), toQString(failure.text));
}

void show(QWidget *parent, const Notice &notice)
{
    inform(parent, toQString(notice.caption), toQString(notice.text));
}

void setMessageBoxSeam(MessageBoxSeam seam)
{
    messageBoxSeam() = std::move(seam);
}

std::optional<QString> chooseFile(QWidget *parent, const FileRequest &request)
{
    if (fileDialogSeam())
        return fileDialogSeam()(parent, request);
    return realFileDialog(parent, request);
}

void setFileDialogSeam(FileDialogSeam seam)
{
    fileDialogSeam() = std::move(seam);
}

std::optional<std::string> chooseRememberedFile(QWidget *parent, FileDialogKind kind, const QString &title,
    const QString &filter, const QString &defaultExtension, std::string &lastFile)
{
    const std::optional<QString> chosen
        = chooseFile(parent, { kind, title, filter, defaultExtension, QString::fromStdString(lastFile) });
    if (!chosen)
        return std::nullopt;
    std::string file = chosen->toStdString();
    lastFile = file.substr(0, model::SettingsTextCapacity);
    return file;
}

int runChild(QDialog &window)
{
    if (childWindowSeam())
        return childWindowSeam()(window);
    return window.exec();
}

void setChildWindowSeam(ChildWindowSeam seam)
{
    childWindowSeam() = std::move(seam);
}

} // namespace gw::app
