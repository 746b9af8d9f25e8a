#include "app/AppContext.h"
#include "app/TMainWin.h"
#include "platform/ProgramPaths.h"

#include <QApplication>
#include <filesystem>
#include <system_error>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The name the system shows for the running program; the main window's caption differs.
    QApplication::setApplicationName("Gridwright 97");

    gw::app::AppContext context;
    context.programDirectory = gw::programDirectory();
    std::error_code error;
    context.startDirectory = std::filesystem::current_path(error);

    gw::app::TMainWin window(context);
    window.show();
    return QApplication::exec();
}
