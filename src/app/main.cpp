#include "core/AtomicSave.h"
#include "core/DataFolderLock.h"
#include "core/ProgramFolders.h"
#include "mainwindow/frmMain.h"
#include "misc/frmSplash.h"
#include "platform/Fonts.h"
#include "platform/LightLook.h"
#include "platform/Pictures.h"
#include "platform/QtDialogs.h"
#include "platform/Units.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char *const DesktopFileName = "org.scorebinder.Scorebinder";

ProgramFolders programFolders()
{
    return decideProgramFolders(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// "scorebinder --folders" tells where the data lives and whether the shipped files are there,
// without a display.
int printFolders(int argc, char *argv[])
{
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Scorebinder"));
    const FoldersReport report = reportProgramFolders(programFolders());
    std::fputs(report.text.toLocal8Bit().constData(), stdout);
    return report.complete ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    keepRunningPastFileSizeLimit();
    if (argc == 2 && std::strcmp(argv[1], "--folders") == 0)
        return printFolders(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scorebinder"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopFileName));
    QApplication::setWindowIcon(QIcon(smallLogo()));
    useLightLook();
    installFontSubstitutions();

    const ProgramFolders folders = programFolders();
    QtDialogs dialogs;
    const DataFolderLock lock(folders.data);
    if (!lock.held()) {
        dialogs.message(lock.refusal(), QStringLiteral("Scorebinder"), MessageButtons::OK,
                        MessageIcon::Exclamation);
        return 1;
    }
    std::unique_ptr<frmMain> mainWindow;

    auto *splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &frmSplash::finished, splash, [&] {
        mainWindow = std::make_unique<frmMain>(folders, dialogs);
        mainWindow->adjustSize();
        centreOnScreen(*mainWindow);
        mainWindow->show();
    });
    centreOnScreen(*splash);
    splash->show();
    return app.exec();
}
