#include "ProgramStart.h"
#include "core/AtomicSave.h"
#include "mainwindow/frmMain.h"
#include "misc/frmSplash.h"
#include "platform/QtDialogs.h"
#include "platform/Units.h"

#include <QApplication>

#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    keepRunningPastFileSizeLimit();
    if (argc == 2 && std::strcmp(argv[1], "--folders") == 0)
        return printFolders(argc, argv);

    QApplication app(argc, argv);
    QtDialogs dialogs;
    const ProgramStart start = startProgram(dialogs);
    if (!start.lock->held())
        return 1;
    std::unique_ptr<frmMain> mainWindow;

    auto *splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &frmSplash::finished, splash,
                     [&] { mainWindow = showMainWindow(start.folders, dialogs); });
    centreOnScreen(*splash);
    splash->show();
    return app.exec();
}
