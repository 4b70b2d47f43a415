#include "TestFiles.h"

#include "core/Records.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "core/AtomicSave.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

QByteArray newTeamFile(const QByteArray &team)
{
    QByteArray bytes = "\"" + team + "\",\"\",\"\",\"\",\"\",0\r\n";
    for (int i = 0; i < RosterSlots; ++i)
        bytes += "\"\",0\r\n";
    return bytes;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void copyFixture(const QString &name, const QString &folder)
{
    const QString source = QStringLiteral(SCOREBINDER_FIXTURES "/") + name;
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        writeBytes(folder + QLatin1Char('/') + QDir(source).relativeFilePath(file),
                   readBytes(file));
    }
}

ReadOnlyFolder::ReadOnlyFolder(const QString &path) : m_path(path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    if (!refusesNewFiles())
        setImmutable(true);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    setImmutable(false);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool ReadOnlyFolder::refusesNewFiles() const
{
    QFile probe(m_path + "/probe");
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return false;
}

namespace {

// Sets or clears the file system's immutable flag; whether the flag is set afterwards.
bool setImmutableFlag(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool set = false;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        set = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0 && on;
    }
    ::close(fd);
    return set;
}

} // namespace

void ReadOnlyFolder::setImmutable(bool on)
{
    setImmutableFlag(m_path, on);
}

FixedFile::FixedFile(const QString &path) : m_path(path), m_fixed(setImmutableFlag(path, true)) {}

FixedFile::~FixedFile()
{
    setImmutableFlag(m_path, false);
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    keepRunningPastFileSizeLimit();
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limit = m_old;
    limit.rlim_cur = rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_old);
}

QMap<QString, QByteArray> folderContents(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        if (it.fileInfo().isDir())
            contents.insert(name + QLatin1Char('/'), QByteArray());
        else
            contents.insert(name, readBytes(path));
    }
    return contents;
}
