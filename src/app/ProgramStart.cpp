#include "ProgramStart.h"

#include "mainwindow/frmMain.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/LightLook.h"
#include "platform/Pictures.h"
#include "platform/Units.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>

namespace {

const QString Name = QStringLiteral("Scorebinder");

ProgramFolders programFolders()
{
    return decideProgramFolders(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace

ProgramStart startProgram(Dialogs &dialogs)
{
    QApplication::setApplicationName(Name);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.scorebinder.Scorebinder"));
    QApplication::setWindowIcon(QIcon(smallLogo()));
    useLightLook();
    installFontSubstitutions();
    ProgramStart start{programFolders(), nullptr};
    start.lock = std::make_unique<DataFolderLock>(start.folders.data);
    if (!start.lock->held())
        dialogs.message(start.lock->refusal(), Name, MessageButtons::OK, MessageIcon::Exclamation);
    return start;
}

std::unique_ptr<frmMain> showMainWindow(const ProgramFolders &folders, Dialogs &dialogs)
{
    auto window = std::make_unique<frmMain>(folders, dialogs);
    window->adjustSize();
    centreOnScreen(*window);
    window->show();
    return window;
}

int printFolders(int argc, char *argv[])
{
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(Name);
    const FoldersReport report = reportProgramFolders(programFolders());
    std::fputs(report.text.toLocal8Bit().constData(), stdout);
    return report.complete ? 0 : 1;
}
