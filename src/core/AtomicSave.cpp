#include "AtomicSave.h"

#include "SystemError.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

Outcome<void> writeFully(QIODevice &device, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = device.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            return Failure{device.errorString()};
        written += step;
    }
    return {};
}

namespace {

const char *const TempMarker = ".saving-";

} // namespace

QString leftoverPattern(const QString &fileName)
{
    return fileName + QLatin1String(TempMarker) + QLatin1Char('*');
}

namespace {

// Removes the regular files of `folder` whose names `isLeftover` picks. Scanned with the system's
// own calls: a save runs this for every file it writes.
template <class Picks>
void removeFilesPicked(const QString &folder, Picks isLeftover)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        if (!isLeftover(entry->d_name))
            continue;
        struct stat info;
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace

void removeLeftovers(const QString &folder, const QString &fileName)
{
    const QByteArray prefix = QFile::encodeName(fileName) + TempMarker;
    removeFilesPicked(folder, [&](const char *name) {
        return std::strncmp(name, prefix.constData(), std::size_t(prefix.size())) == 0;
    });
}

void removeAllLeftovers(const QString &folder)
{
    removeFilesPicked(folder, [](const char *name) { return std::strstr(name, TempMarker); });
}

void keepRunningPastFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

namespace {

Failure saveFailure(const QString &path, const QString &reason)
{
    return Failure{QStringLiteral("Cannot save \"%1\": %2").arg(path, reason)};
}

// A file descriptor closed when it goes out of scope, unless closed on purpose before.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step =
            ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0) {
            if (step == 0)
                errno = EIO;
            return false;
        }
        written += step;
    }
    return true;
}

QString randomSuffix()
{
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix +=
            QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))]);
    return suffix;
}

// Whether this run has cleared the leftovers of the file at `path` already: its own interrupted
// saves remove their temporary file, so only another run's can be there, and they are gone after
// the first save.
bool leftoversCleared(const QString &path)
{
    static QSet<QString> cleared;
    if (cleared.contains(path))
        return true;
    cleared.insert(path);
    return false;
}

} // namespace

QString saveTargetOf(const QString &path)
{
    // A link keeps being a link: the file it names is the one replaced.
    struct stat link = {};
    const bool isLink =
        ::lstat(QFile::encodeName(path).constData(), &link) == 0 && S_ISLNK(link.st_mode);
    const QString canonical = isLink ? QFileInfo(path).canonicalFilePath() : QString();
    return QFileInfo(canonical.isEmpty() ? path : canonical).absoluteFilePath();
}

Outcome<QString> writeTemporaryBeside(const QString &target, const QByteArray &bytes)
{
    struct stat existing = {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &existing) == 0;
    const mode_t mode = replacing ? (existing.st_mode & 07777) : 0666;

    QString tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + QLatin1String(TempMarker) + randomSuffix();
        fd = ::open(QFile::encodeName(tempPath).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            break;
    }
    if (fd < 0)
        return Failure{systemError()};
    Descriptor temp(fd);
    const auto fail = [&] {
        const QString reason = systemError();
        ::unlink(QFile::encodeName(tempPath).constData());
        return Failure{reason};
    };
    if (replacing)
        (void)::fchmod(temp.get(), mode); // the umask may have narrowed it
    if (!writeAll(temp.get(), bytes) || ::fsync(temp.get()) != 0)
        return fail();
    if (!temp.close())
        return fail();
    return tempPath;
}

QString temporaryNameBeside(const QString &target)
{
    return target + QLatin1String(TempMarker) + randomSuffix();
}

Outcome<void> syncFolder(const QString &folder)
{
    Descriptor dir(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid() || ::fsync(dir.get()) != 0)
        return Failure{QStringLiteral("the folder could not be written to disk (%1); the new file "
                                      "may not survive a power failure.")
                           .arg(systemError())};
    return {};
}

Outcome<void> saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(saveTargetOf(path));
    const QString folder = target.absolutePath();
    if (!leftoversCleared(target.absoluteFilePath()))
        removeLeftovers(folder, target.fileName());
    Outcome<QString> temp = writeTemporaryBeside(target.filePath(), bytes);
    if (!temp)
        return saveFailure(path, temp.error());
    if (::rename(QFile::encodeName(*temp).constData(),
                 QFile::encodeName(target.filePath()).constData()) != 0) {
        const QString reason = systemError();
        ::unlink(QFile::encodeName(*temp).constData());
        return saveFailure(path, reason);
    }
    // The rename is only durable once the folder entry itself is on disk.
    if (Outcome<void> synced = syncFolder(folder); !synced)
        return saveFailure(path, synced.error());
    return {};
}
