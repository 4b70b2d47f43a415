#pragma once

// The More Statistics tables: a row per player and the team row from the summed counts, in the
// columns of the more statistics rules, and the order a heading click gives them.

#include "TeamTables.h"

namespace MoreTables {

QStringList battingHeadings();  // Player, then the batting columns
QStringList pitchingHeadings(); // Player, then the pitching columns

// Every player's batting season (from the batting view).
Outcome<TeamTables::Table> battingTable(const QVector<TeamTables::PlayerSeason> &players);
// The players who pitched (from the pitching view), as the team pitching table lists them.
Outcome<TeamTables::Table> pitchingTable(const QVector<TeamTables::PlayerSeason> &players);

// Orders player rows by a column: numbers by value, names by their letters; a "—" goes last
// either way. Rows that compare equal keep their order.
void sortRows(QVector<QStringList> &rows, int column, Qt::SortOrder order);

} // namespace MoreTables
