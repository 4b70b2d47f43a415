#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QString>

// The whole content of a regular file of at most `maxBytes`. A pipe, device or folder is refused
// at once (opening never waits for a writer), and so is a larger file, before anything is read.
// A failure holds the reason only, for the caller to name the file: "the file does not exist."
Outcome<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);
