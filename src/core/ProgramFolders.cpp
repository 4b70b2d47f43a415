#include "ProgramFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QStringList shippedFileNames()
{
    return {QStringLiteral("TIPOFDAY.TXT"), QStringLiteral("Scorebinder Baseball.html"),
            QStringLiteral("logo2.bmp")};
}

ProgramFolders decideProgramFolders(const QString &executableFolder, const QString &userDataFolder)
{
    const QString program = withSlash(executableFolder);
    if (QFileInfo(program + QStringLiteral("portable")).isFile())
        return {program, program};
    const QString data = withSlash(QDir::cleanPath(userDataFolder));
    QDir().mkpath(data);
    return {data, withSlash(QDir::cleanPath(program + QStringLiteral("../share/scorebinder")))};
}

FoldersReport reportProgramFolders(const ProgramFolders &folders)
{
    FoldersReport report{
        QStringLiteral("Data folder: %1\nShipped files: %2\n")
            .arg(QDir::toNativeSeparators(folders.data), QDir::toNativeSeparators(folders.shipped)),
        true};
    for (const QString &name : shippedFileNames()) {
        const bool found = QFileInfo(folders.shipped + name).isFile();
        report.complete = report.complete && found;
        report.text += QStringLiteral("  %1: %2\n")
                           .arg(name, found ? QStringLiteral("found") : QStringLiteral("missing"));
    }
    return report;
}
