#pragma once

// Small helpers for tests that work on real files in a temporary folder.

#include <QByteArray>
#include <QString>

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
