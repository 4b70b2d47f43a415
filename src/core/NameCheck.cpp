#include "NameCheck.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringEncoder>

namespace {

constexpr int MaxFileNameBytes = 255;
const QString ForbiddenCharacters = QStringLiteral("/\\:*?\"<>|");

// Names the other desktop platform keeps for devices; a folder named so cannot be opened there.
bool isReservedDeviceName(const QString &name)
{
    static const QRegularExpression reserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return reserved.match(name).hasMatch();
}

bool fitsWindows1252(const QString &name)
{
    QStringEncoder encoder("windows-1252");
    (void)QByteArray(encoder.encode(name));
    return !encoder.hasError();
}

} // namespace

std::optional<QString> nameProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("A name is needed.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" cannot be used as a name.").arg(name);
    for (const QChar c : name) {
        if (ForbiddenCharacters.contains(c))
            return QStringLiteral(
                "A name cannot contain any of these characters: / \\ : * ? \" < > |");
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("A name cannot contain control characters.");
    }
    if (name.startsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char(' ')))
        return QStringLiteral("A name cannot start or end with a space.");
    if (name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('.')))
        return QStringLiteral("A name cannot start or end with a dot.");
    if (isReservedDeviceName(name))
        return QStringLiteral("\"%1\" is reserved for devices and cannot be used as a name.")
            .arg(name);
    if (!fitsWindows1252(name))
        return QStringLiteral("A name can only hold characters of the Windows-1252 character set.");
    if (name.toUtf8().size() + int(sizeof ".ply") - 1 > MaxFileNameBytes)
        return QStringLiteral("This name is too long for a file name.");
    return std::nullopt;
}

std::optional<QString> pathPartProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("A name is needed.");
    if (name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return QStringLiteral("\"%1\" cannot be used as a name.").arg(name);
    return std::nullopt;
}

bool isInsideFolder(const QString &folder, const QString &path)
{
    const QString base = QDir::cleanPath(folder) + QLatin1Char('/');
    return QDir::cleanPath(path).startsWith(base);
}
