#pragma once

// Comma-separated values as spreadsheets open them without asking: UTF-8 with a byte order mark,
// CR LF after every row, and a field in double quotes (its quotes doubled) where it holds a comma,
// a quote or a line end.

#include <QByteArray>
#include <QStringList>
#include <QVector>

QByteArray csvFile(const QVector<QStringList> &rows);
