#include "DataFolderLock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

DataFolderLock::DataFolderLock(const QString &folder)
    : m_folder(folder),
      m_path(QFile::encodeName(QDir(folder).filePath(QStringLiteral("Scorebinder.lock"))))
{
    for (;;) {
        const int fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0)
            return;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            m_heldElsewhere = errno == EWOULDBLOCK;
            ::close(fd);
            return;
        }
        // The program that held it may have removed the file between our opening and our locking:
        // then this is a lock on a file nobody finds, and the one now there is tried.
        struct stat locked = {}, named = {};
        if (::fstat(fd, &locked) == 0 && ::lstat(m_path.constData(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
            m_fd = fd;
            break;
        }
        ::close(fd);
    }
}

DataFolderLock::~DataFolderLock()
{
    if (m_fd < 0)
        return;
    // Removed while still locked: a program that opened it meanwhile finds it gone once it locks.
    ::unlink(m_path.constData());
    ::close(m_fd);
}

QString DataFolderLock::refusal() const
{
    if (m_heldElsewhere)
        return QStringLiteral("Scorebinder is already open on its folder \"%1\". Use that window: "
                              "two copies on one folder would undo each other's saves.")
            .arg(QDir::toNativeSeparators(m_folder));
    return QStringLiteral("Scorebinder cannot lock its folder \"%1\", so it does not start: "
                          "another copy may be using it.")
        .arg(QDir::toNativeSeparators(m_folder));
}
