#pragma once

#include "platform/Failure.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QDialog;
class QWidget;

namespace gw::app {

// Every message box, file dialog and child window of the program goes through these seams, so
// a test can answer them without a modal loop and read exactly what was asked.

enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageRequest
{
    QString caption;
    QString text;
    Buttons buttons = Buttons::Ok;
};

using MessageBoxSeam = std::function<Answer(QWidget *parent, const MessageRequest &request)>;

// Texts are given as the windows hold them (UTF-8 QStrings); record texts are converted first.
Answer ask(QWidget *parent, const QString &caption, const QString &text, Buttons buttons = Buttons::YesNo);
void inform(QWidget *parent, const QString &caption, const QString &text);
// A failure or notice from the core, whose texts are Windows-1252.
void show(QWidget *parent, const Failure &failure);
void show(QWidget *parent, const Notice &notice);

// Replaces the message box for tests; an empty function restores the real one.
void setMessageBoxSeam(MessageBoxSeam seam);

enum class FileDialogKind { Open, Save };

struct FileRequest
{
    FileDialogKind kind = FileDialogKind::Open;
    QString title;
    QString filter; // Qt form, e.g. "GRIDW Files (*.ZP3 *.zp3)"
    QString defaultExtension; // without the dot
    QString start; // file or directory the dialog opens on
};

using FileDialogSeam = std::function<std::optional<QString>(QWidget *parent, const FileRequest &request)>;

// The chosen path, or nothing when the user cancelled.  Open dialogs require an existing file;
// save dialogs ask before replacing one.
std::optional<QString> chooseFile(QWidget *parent, const FileRequest &request);
void setFileDialogSeam(FileDialogSeam seam);

// Asks as chooseFile does, opened on lastFile, the file last chosen for the same purpose.  The
// choice, as the file system names it (UTF-8), becomes lastFile, cut to what the settings hold.
std::optional<std::string> chooseRememberedFile(QWidget *parent, FileDialogKind kind, const QString &title,
    const QString &filter, const QString &defaultExtension, std::string &lastFile);

using ChildWindowSeam = std::function<int(QDialog &window)>;

// Runs a child window modally and gives its result (QDialog::Accepted or Rejected).  A test's
// seam drives the window it is handed instead and returns the result it chose.
int runChild(QDialog &window);
void setChildWindowSeam(ChildWindowSeam seam);

} // namespace gw::app
