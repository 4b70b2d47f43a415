#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Writes every byte or fails; a short or failed write is an error, never a silent truncation.
Outcome<void> writeFully(QIODevice &device, const QByteArray &bytes);

// Replaces the file at `path` with `bytes` so that a crash, a full disk or any failure leaves the
// old file as it was: the bytes go to a temporary file beside it, which replaces it only when all
// were written.
Outcome<void> saveFileAtomically(const QString &path, const QByteArray &bytes);
