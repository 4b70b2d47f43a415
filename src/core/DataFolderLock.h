#pragma once

// One program per data folder: two copies rewriting whole files from what each read would undo one
// another's saves. The lock is the file "Scorebinder.lock" in the folder, held while the program
// runs; one left by a program that died is taken over.

#include <QLockFile>
#include <QString>

class DataFolderLock
{
public:
    explicit DataFolderLock(const QString &folder);

    bool held() const { return m_held; }
    // Why it is not held, in words for the user.
    QString refusal() const;

private:
    QString m_folder;
    QLockFile m_lock;
    bool m_held;
};
