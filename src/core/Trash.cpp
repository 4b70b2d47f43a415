#include "Trash.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

bool trashTakesFilesFrom(const QString &folder)
{
    // The trash lives in the per-user data folder; without it, or on another file system, a trashed
    // file would land in a trash at the top of some other volume, where no one looks for it.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !QFileInfo(dataHome).isDir() || !QFileInfo(folder).isDir())
        return false;
    const QStorageInfo trash(dataHome);
    const QStorageInfo files(folder);
    return trash.isValid() && files.isValid() && trash.rootPath() == files.rootPath() &&
           trash.device() == files.device();
}
