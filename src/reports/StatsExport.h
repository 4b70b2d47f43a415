#pragma once

// The current team's statistics as CSV files for a spreadsheet: "<Team> batting.csv" and
// "<Team> pitching.csv" hold the team tables as they show (a header row of the column captions,
// the team row last), "<Team> games.csv" every player's games, one line per game, and
// "<Team> more batting.csv" and "<Team> more pitching.csv" the More Statistics tables.

#include "core/Outcome.h"
#include "core/Records.h"

#include <QStringList>
#include <QVector>

namespace StatsExport {

using Rows = QVector<QStringList>;

struct File
{
    QString name;
    QByteArray bytes;
};
using Files = QVector<File>;

// The five files of a team, named after it, from one reading of every stats file.
Outcome<Files> exportFiles(const QString &appPath, const TeamFile &team);

// Reads everything first, then writes the five files into `folder`, all or none, across a crash
// too. A file of those names that is a link, a folder, a pipe or a device is refused before
// anything is written. Returns the names of the files written.
Outcome<QStringList> exportTeam(const QString &appPath, const QString &team, const QString &folder);

} // namespace StatsExport
