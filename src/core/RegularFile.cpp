#include "RegularFile.h"

#include "SystemError.h"

#include <QFile>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString sizeText(qint64 bytes)
{
    return bytes % (1024 * 1024) == 0 ? QStringLiteral("%1 MB").arg(bytes / (1024 * 1024))
                                      : QStringLiteral("%1 bytes").arg(bytes);
}

// Why a file could not be opened, from errno.
Failure openFailure()
{
    return Failure{errno == ENOENT ? QStringLiteral("the file does not exist.") : systemError()};
}

// The whole content of the regular file open as `fd` (opened without waiting for a writer), of at
// most `maxBytes`; closes it.
Outcome<QByteArray> readOpened(int fd, qint64 maxBytes)
{
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return Failure{systemError()};
    if (!S_ISREG(info.st_mode))
        return Failure{QStringLiteral("it is not a file but a folder, a device or a pipe.")};
    const auto tooLarge = [maxBytes] {
        return Failure{
            QStringLiteral("it is larger than %1, more than any file of this kind can hold.")
                .arg(sizeText(maxBytes))};
    };
    if (info.st_size > maxBytes)
        return tooLarge();

    QByteArray data;
    // One byte more than measured: the read that finds the end needs room, and needs no new buffer.
    data.resize(qsizetype(info.st_size) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == data.size()) {
            // The file may have grown since it was measured; never past the limit.
            if (data.size() >= maxBytes + 1)
                return tooLarge();
            data.resize(std::min<qsizetype>(qsizetype(maxBytes) + 1, data.size() + 65536));
        }
        const ssize_t step = ::read(fd, data.data() + filled, size_t(data.size() - filled));
        if (step < 0 && errno == EINTR)
            continue;
        if (step < 0)
            return Failure{systemError()};
        if (step == 0)
            break;
        filled += step;
    }
    if (filled > maxBytes)
        return tooLarge();
    data.resize(filled);
    return data;
}

} // namespace

Outcome<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return openFailure();
    return readOpened(fd, maxBytes);
}

OpenFolder::OpenFolder(const QString &path)
{
    // A slash at the end would make the system follow a link there after all.
    QByteArray encoded = QFile::encodeName(path);
    while (encoded.size() > 1 && encoded.endsWith('/'))
        encoded.chop(1);
    m_fd = ::open(encoded.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

OpenFolder::~OpenFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::optional<Outcome<QByteArray>> readRegularFileIn(const OpenFolder &folder, const QString &name,
                                                     qint64 maxBytes)
{
    const int fd = ::openat(folder.fd(), QFile::encodeName(name).constData(),
                            O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0 && errno == ELOOP)
        return std::nullopt;
    if (fd < 0)
        return openFailure();
    return readOpened(fd, maxBytes);
}

Outcome<void> writableAsRegularFile(const QString &path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? Outcome<void>() : Outcome<void>(Failure{systemError()});
    if (S_ISREG(info.st_mode))
        return {};
    if (S_ISLNK(info.st_mode))
        return Failure{QStringLiteral("it is a link to another file.")};
    if (S_ISDIR(info.st_mode))
        return Failure{QStringLiteral("it is a folder.")};
    return Failure{QStringLiteral("it is not a file but a device or a pipe.")};
}

std::optional<FileStamp> fileStamp(const QString &path)
{
    struct stat info = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileStamp{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                     qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}
