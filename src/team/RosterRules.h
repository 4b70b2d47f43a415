#pragma once

// The roster rules of the team and player windows, apart from the widgets.

#include "core/Records.h"

#include <QString>

using Roster = std::array<RosterEntry, RosterSlots>;

// Deleting slot i moves every later player up one slot and empties slot 26 (position 0).
void removeSlot(Roster &roster, int slot);

// Who is current after deleting slot i: the player before it, or, for slot 0, the one who moves
// into it; `current` stays when another player is deleted.
QString currentAfterDeleting(const Roster &roster, int slot, const QString &current);

bool rosterHolds(const Roster &roster, const QString &player);

// A player file chosen for import: its folder (with a trailing "/") and the player's name.
struct ImportSource
{
    QString folder;
    QString name;
};
ImportSource importSourceOf(const QString &playerFilePath);
