#include "NameCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace {

constexpr int MaxFileNameBytes = 255;
const QString ForbiddenCharacters = QStringLiteral("/\\:*?\"<>|");

// Names the other desktop platform keeps for devices, alone or before a dot ("con.txt"); a folder
// named so cannot be opened there. Compared by hand: a pattern would be compiled at the first name
// checked, in the middle of start-up.
bool isReservedDeviceName(const QString &name)
{
    const QStringView stem = QStringView(name).left(name.indexOf(QLatin1Char('.')));
    for (const char *device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (stem.compare(QLatin1String(device), Qt::CaseInsensitive) == 0)
            return true;
    if (stem.size() != 4 || (stem.left(3).compare(QLatin1String("COM"), Qt::CaseInsensitive) != 0 &&
                             stem.left(3).compare(QLatin1String("LPT"), Qt::CaseInsensitive) != 0))
        return false;
    const char16_t port = stem[3].unicode();
    return (port >= u'1' && port <= u'9') || port == u'\u00B9' || port == u'\u00B2' ||
           port == u'\u00B3';
}

// C0 and C1 controls and DEL: Windows-1252 turns its five undefined bytes into C1 controls, so
// text from a record file can hold them, and a folder name would too.
bool isControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
}

const QString ReservedProblem =
    QStringLiteral("\"%1\" is reserved for devices and cannot be used as a name.");
const QString ControlProblem = QStringLiteral("A name cannot contain control characters.");

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
        if (isControl(c))
            return ControlProblem;
    }
    if (name.startsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char(' ')))
        return QStringLiteral("A name cannot start or end with a space.");
    if (name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('.')))
        return QStringLiteral("A name cannot start or end with a dot.");
    if (isReservedDeviceName(name))
        return ReservedProblem.arg(name);
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
        name.contains(QLatin1Char('/')))
        return QStringLiteral("\"%1\" cannot be used as a name.").arg(name);
    if (std::any_of(name.cbegin(), name.cend(), isControl))
        return ControlProblem;
    if (isReservedDeviceName(name))
        return ReservedProblem.arg(name);
    return std::nullopt;
}

namespace {

// The path with every link resolved: its deepest part that exists made canonical, the rest
// appended. Empty when that part is a link to nothing.
QString resolvedPath(const QString &path)
{
    char resolved[PATH_MAX];
    if (::realpath(QFile::encodeName(path).constData(), resolved))
        return QFile::decodeName(resolved);
    QString existing = QDir::cleanPath(path);
    QString rest;
    for (;;) {
        const QFileInfo info(existing);
        if (info.exists() || info.isSymLink())
            break;
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return QDir::cleanPath(path);
        rest.prepend(existing.mid(slash));
        existing.truncate(slash);
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return canonical.isEmpty() ? QString() : canonical + rest;
}

// The data folder is asked about for every file read or written; its own links are resolved once.
QString resolvedFolder(const QString &folder)
{
    static QString asked;
    static QString resolved;
    if (folder != asked || resolved.isEmpty()) {
        asked = folder;
        resolved = resolvedPath(folder);
    }
    return resolved;
}

// True when every part of `path` below `base` (a prefix of it ending in "/") exists and none is a
// link: then the path lies where its text says. A look at each part below the folder costs a
// fraction of resolving the whole path from the root.
bool existsWithoutLinkBelow(const QString &base, const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    for (qsizetype end = QFile::encodeName(base).size(); end < encoded.size(); ++end) {
        end = encoded.indexOf('/', end);
        if (end < 0)
            end = encoded.size();
        struct stat info = {};
        if (::lstat(encoded.left(end).constData(), &info) != 0 || S_ISLNK(info.st_mode))
            return false;
    }
    return true;
}

} // namespace

bool isInsideFolder(const QString &folder, const QString &path)
{
    const QString base = QDir::cleanPath(folder) + QLatin1Char('/');
    const QString cleaned = QDir::cleanPath(path);
    if (!cleaned.startsWith(base))
        return false;
    // Only a path that passes through a link, or does not exist yet, needs resolving.
    if (existsWithoutLinkBelow(base, cleaned))
        return true;
    const QString resolved = resolvedPath(path);
    return !resolved.isEmpty() && resolved.startsWith(resolvedFolder(folder) + QLatin1Char('/'));
}
