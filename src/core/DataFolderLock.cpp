#include "DataFolderLock.h"

#include <QDir>

DataFolderLock::DataFolderLock(const QString &folder)
    : m_folder(folder), m_lock(QDir(folder).filePath(QStringLiteral("Scorebinder.lock")))
{
    // Only a lock whose program is gone is stale, however long another copy has been open.
    m_lock.setStaleLockTime(0);
    m_held = m_lock.tryLock(0);
}

QString DataFolderLock::refusal() const
{
    if (m_lock.error() == QLockFile::LockFailedError)
        return QStringLiteral("Scorebinder is already open on its folder \"%1\". Use that window: "
                              "two copies on one folder would undo each other's saves.")
            .arg(QDir::toNativeSeparators(m_folder));
    return QStringLiteral("Scorebinder cannot lock its folder \"%1\", so it does not start: "
                          "another copy may be using it.")
        .arg(QDir::toNativeSeparators(m_folder));
}
