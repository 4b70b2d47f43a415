#pragma once

// A team's roster of 27 slots: who is on it, where a new player goes, what a deletion leaves.

#include "Outcome.h"
#include "Records.h"

#include <QString>

using Roster = std::array<RosterEntry, RosterSlots>;

// Deleting slot i moves every later player up one slot and empties slot 26 (position 0).
void removeSlot(Roster &roster, int slot);

// Who is current after deleting slot i: the player before it, or, for slot 0, the one who moves
// into it; `current` stays when another player is deleted.
QString currentAfterDeleting(const Roster &roster, int slot, const QString &current);

bool rosterHolds(const Roster &roster, const QString &player);
// The listed player `step` places after `current` (before, for a negative step), going round the
// roster's ends; the first listed one when `current` is not listed; empty for an empty roster.
QString rosterNeighbour(const Roster &roster, const QString &current, int step);
int rosterCount(const Roster &roster);

inline QString fullRosterMessage()
{
    return QStringLiteral("The roster is full: a team holds at most %1 players.").arg(RosterSlots);
}

// Where a new player goes on his team's roster: the team file as it is now and its first empty
// slot. Fails, saying why, when the team file cannot be read, the roster already holds the name,
// a player file or stats file of that name is left in the team folder (his own would replace it)
// or the roster is full; so a player is refused before any of his files is written.
struct RosterPlace
{
    TeamFile teamFile;
    int slot = 0;
};
Outcome<RosterPlace> findRosterPlace(const QString &appPath, const QString &team,
                                     const QString &player);
// A player file or stats file of the player's name already in the team folder, which his own
// would replace.
std::optional<QString> existingPlayerFile(const QString &appPath, const QString &team,
                                          const QString &player);

// The same for a team file already read: the slot he goes into.
Outcome<int> placeOnRoster(const QString &appPath, const TeamFile &teamFile, const QString &player);
