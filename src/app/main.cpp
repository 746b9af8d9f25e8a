#include "app/TMainWin.h"
#include "platform/ProgramFolders.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <filesystem>
#include <system_error>

namespace {

const QCommandLineOption Quit("quit",
    "Close again as soon as the main window is shown, as File, Exit does (to check that the program "
    "starts).");

void describeOptions(QCommandLineParser &options)
{
    QCoreApplication::setApplicationName("gridwright");
    QCoreApplication::setApplicationVersion(GW_VERSION);
    options.setApplicationDescription("Builds printable crossword puzzles in free shapes.");
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(Quit);
    options.addPositionalArgument("collection", "A puzzle collection (.ZP3) to open.", "[COLLECTION]");
}

// Help and version are printed without a display to show a window on.
bool asksForHelpOrVersion(int argc, char *argv[])
{
    for (int k = 1; k < argc; ++k) {
        const QByteArray word(argv[k]);
        if (word == "-h" || word == "--help" || word == "--help-all" || word == "-v" || word == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (asksForHelpOrVersion(argc, argv)) {
        QCoreApplication core(argc, argv);
        QCommandLineParser options;
        describeOptions(options);
        options.process(core); // prints and exits
    }

    QApplication application(argc, argv);
    QCommandLineParser options;
    describeOptions(options);
    options.process(application);
    // The name the system shows for the running program; the main window's caption differs.
    QApplication::setApplicationName("Gridwright 97");
    // The desktop entry the running window belongs to (icon and name in the task bar).
    QGuiApplication::setDesktopFileName("org.gridwright.Gridwright");

    gw::app::AppContext context;
    context.folders = gw::runningProgramFolders();
    gw::prepareUserFolders(context.folders);
    std::error_code error;
    context.startDirectory = std::filesystem::current_path(error);

    gw::app::TMainWin window(context);
    if (!options.positionalArguments().isEmpty())
        window.openCollection(
            QFileInfo(options.positionalArguments().constFirst()).absoluteFilePath().toStdString());
    if (options.isSet(Quit))
        QTimer::singleShot(0, &window, &QWidget::close);
    window.show();
    return QApplication::exec();
}
