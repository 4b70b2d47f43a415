#include "ApplicationFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace {

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QStringList shippedFileNames()
{
    return {QStringLiteral("TIPOFDAY.TXT"), QStringLiteral("logo2.bmp"),
            QStringLiteral("Scorebinder Baseball.html")};
}

bool canCreateFilesIn(const QString &folder)
{
    QTemporaryFile probe(withSlash(folder) + QStringLiteral("probe-XXXXXX"));
    return probe.open();
}

QString chooseApplicationFolder(const QString &executableFolder, const QString &userDataFolder)
{
    if (canCreateFilesIn(executableFolder))
        return withSlash(executableFolder);
    const QString folder = withSlash(userDataFolder);
    QDir().mkpath(folder);
    for (const QString &name : shippedFileNames()) {
        const QString shipped = withSlash(executableFolder) + name;
        if (!QFile::exists(folder + name) && QFile::exists(shipped))
            QFile::copy(shipped, folder + name);
    }
    return folder;
}
