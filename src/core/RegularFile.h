#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QString>

// The whole content of a regular file of at most `maxBytes`. A pipe, device or folder is refused
// at once (opening never waits for a writer), and so is a larger file, before anything is read.
// A failure holds the reason only, for the caller to name the file: "the file does not exist."
Outcome<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

// Whether a file may be written at `path` without following anything out of its folder: nothing is
// there, or a regular file is. A link, a folder, a pipe or a device fails, saying which.
Outcome<void> writableAsRegularFile(const QString &path);
