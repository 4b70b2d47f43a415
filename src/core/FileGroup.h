#pragma once

// Several files of one folder replaced or deleted all or nothing, across a crash too. Commit writes
// every new file beside its target and puts it on disk, keeps each old file under a second name,
// then writes the journal ("Scorebinder.journal" in the folder) that names them; only then are the
// files put in place, the old ones let go and the journal removed. A journal found later (after a
// crash) is finished the same way; when a step cannot be done, every old file is put back.

#include "Outcome.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

class FileGroup
{
public:
    // `folder`: where the journal lives, with a trailing "/".
    explicit FileGroup(const QString &folder);

    void replace(const QString &path, const QByteArray &bytes);
    void remove(const QString &path);
    // Removed as `remove` does, but into the desktop's trash; deleted when the trash refuses it.
    void moveToTrash(const QString &path);

    // Fails, with every file as it was, naming the file that could not be written or deleted.
    Outcome<void> commit();

    // What a crash left of a group in `folder`: finished, or taken back when it cannot be finished;
    // in words for the user, or nothing when there was no journal.
    static std::optional<QString> finishInterrupted(const QString &folder);
    static QString journalPath(const QString &folder);

private:
    struct Change
    {
        QString path;
        std::optional<QByteArray> bytes; // nothing: the file is deleted
        bool toTrash = false;
    };
    QString m_folder;
    QVector<Change> m_changes;
};
