#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Writes every byte or fails; a short or failed write is an error, never a silent truncation.
Outcome<void> writeFully(QIODevice &device, const QByteArray &bytes);

// Replaces the file at `path` with `bytes` so that a crash, a full disk or any failure leaves the
// old file as it was: the bytes go to a temporary file beside it, "<name>.saving-XXXXXX", which
// replaces it only when all were written and are on disk. Temporary files left by an interrupted
// save of the same file are removed first. A path that is a link is saved into the file it names.
Outcome<void> saveFileAtomically(const QString &path, const QByteArray &bytes);

// The pieces of a save, for a group of files saved together:
// where a save of `path` writes, the path itself or the file a link at `path` names;
QString saveTargetOf(const QString &path);
// the bytes in a new temporary file beside `target`, written and on disk, with the target's
// permissions, and its path (on failure, the system's reason, and nothing left behind);
Outcome<QString> writeTemporaryBeside(const QString &target, const QByteArray &bytes);
// a free name of the same kind beside `target`;
QString temporaryNameBeside(const QString &target);
// and the folder's entries put on disk.
Outcome<void> syncFolder(const QString &folder);

// The names of the temporary files an interrupted save of a file named `fileName` may leave.
QString leftoverPattern(const QString &fileName);
// Removes those of the file `fileName` in `folder`.
void removeLeftovers(const QString &folder, const QString &fileName);
// Removes those of every file in `folder`.
void removeAllLeftovers(const QString &folder);

// A file larger than the file-size limit fails its write with a message instead of ending the
// program; called once at start-up.
void keepRunningPastFileSizeLimit();
