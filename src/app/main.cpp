#include "app/AppContext.h"
#include "app/TMainWin.h"
#include "platform/ProgramFolders.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>
#include <filesystem>
#include <system_error>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The name the system shows for the running program; the main window's caption differs.
    QApplication::setApplicationName("Gridwright 97");
    QApplication::setApplicationVersion(GW_VERSION);
    // The desktop entry the running window belongs to (icon and name in the task bar).
    QGuiApplication::setDesktopFileName("org.gridwright.Gridwright");

    QCommandLineParser options;
    options.setApplicationDescription("Builds printable crossword puzzles in free shapes.");
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption quit("quit",
        "Close again as soon as the main window is shown, as File, Exit does (to check that the "
        "program starts).");
    options.addOption(quit);
    options.addPositionalArgument("collection", "A puzzle collection (.ZP3) to open.", "[COLLECTION]");
    options.process(application);

    gw::app::AppContext context;
    context.folders = gw::runningProgramFolders();
    gw::prepareUserFolders(context.folders);
    std::error_code error;
    context.startDirectory = std::filesystem::current_path(error);

    gw::app::TMainWin window(context);
    if (!options.positionalArguments().isEmpty())
        window.openCollection(QFileInfo(options.positionalArguments().constFirst()).absoluteFilePath().toStdString());
    if (options.isSet(quit))
        QTimer::singleShot(0, &window, &QWidget::close);
    window.show();
    return QApplication::exec();
}
