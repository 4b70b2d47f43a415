#include "core/ApplicationFolder.h"
#include "core/AtomicSave.h"
#include "core/DataFolderLock.h"
#include "mainwindow/frmMain.h"
#include "misc/frmSplash.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "platform/QtDialogs.h"
#include "platform/Units.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

#include <memory>

int main(int argc, char *argv[])
{
    keepRunningPastFileSizeLimit();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scorebinder"));
    QApplication::setWindowIcon(QIcon(smallLogo()));
    installFontSubstitutions();

    const QString folder =
        chooseApplicationFolder(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QtDialogs dialogs;
    const DataFolderLock lock(folder);
    if (!lock.held()) {
        dialogs.message(lock.refusal(), QStringLiteral("Scorebinder"), MessageButtons::OK,
                        MessageIcon::Exclamation);
        return 1;
    }
    std::unique_ptr<frmMain> mainWindow;

    auto *splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &frmSplash::finished, splash, [&] {
        mainWindow = std::make_unique<frmMain>(folder, dialogs);
        mainWindow->adjustSize();
        centreOnScreen(*mainWindow);
        mainWindow->show();
    });
    centreOnScreen(*splash);
    splash->show();
    return app.exec();
}
