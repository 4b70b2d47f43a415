#include "AtomicSave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

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

// The rename is only durable once the folder entry itself is on disk.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

Failure saveFailure(const QString &path, const QString &reason)
{
    return Failure{QStringLiteral("Cannot save \"%1\": %2").arg(path, reason)};
}

} // namespace

Outcome<void> saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered, so a disk that fills up shows in the write itself: a buffered QSaveFile can
    // commit a truncated file when the final flush writes only part of its buffer.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return saveFailure(path, file.errorString());
    Outcome<void> written = writeFully(file, bytes);
    if (written && file.size() != bytes.size())
        written = Failure{QStringLiteral("only %1 of %2 bytes reached the disk.")
                              .arg(file.size())
                              .arg(bytes.size())};
    if (!written) {
        file.cancelWriting();
        return saveFailure(path, written.error());
    }
    if (!file.commit())
        return saveFailure(path, file.errorString());
    syncFolder(QFileInfo(path).absolutePath());
    return {};
}
