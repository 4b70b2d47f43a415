#pragma once

// The files an operation on a team folder is about to change, as they were, so that a step that
// fails takes back the steps before it: each file remembered is written back with its old bytes,
// or removed when it was not there.

#include "Outcome.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

class UndoLog
{
public:
    // Remembers the file at `path` as it is now, before its first change. Fails, naming the file,
    // when it is there but cannot be read: then the operation must change nothing.
    Outcome<void> remember(const QString &path);
    // Every remembered file as it was, the last changed first. Best effort: what it follows is a
    // failure the user is told of.
    void undo() const;

    // Undoes, then passes on the failure of the step that made it necessary.
    Failure undoAfter(const Failure &failure) const
    {
        undo();
        return failure;
    }

private:
    struct Kept
    {
        QString path;
        std::optional<QByteArray> bytes; // nothing: the file was not there
    };
    QVector<Kept> m_kept;
};
