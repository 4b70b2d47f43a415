#include "UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString savedFileText(const QString &path)
{
    const QFileInfo file(path);
    return QStringLiteral("The pages were saved as \"%1\" in the folder \"%2\".")
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
}
