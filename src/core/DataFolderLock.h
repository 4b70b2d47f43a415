#pragma once

// One program per data folder: two copies rewriting whole files from what each read would undo one
// another's saves. The lock is the file "Scorebinder.lock" in the folder, held while the program
// runs and removed when it ends; the system lets go of it when a program dies, so one left behind
// is taken over.

#include <QString>

class DataFolderLock
{
public:
    explicit DataFolderLock(const QString &folder);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock &) = delete;
    DataFolderLock &operator=(const DataFolderLock &) = delete;

    bool held() const { return m_fd >= 0; }
    // Why it is not held, in words for the user.
    QString refusal() const;

private:
    QString m_folder;
    QByteArray m_path;
    int m_fd = -1;
    bool m_heldElsewhere = false;
};
