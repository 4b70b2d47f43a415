#include "RosterRules.h"

#include <QFileInfo>

void removeSlot(Roster &roster, int slot)
{
    for (int j = slot; j < RosterSlots - 1; ++j)
        roster[j] = roster[j + 1];
    roster[RosterSlots - 1] = RosterEntry{};
}

QString currentAfterDeleting(const Roster &roster, int slot, const QString &current)
{
    if (roster[slot].RosterPlayer != current)
        return current;
    return slot > 0 ? roster[slot - 1].RosterPlayer : roster[1].RosterPlayer;
}

bool rosterHolds(const Roster &roster, const QString &player)
{
    for (const RosterEntry &entry : roster)
        if (entry.RosterPlayer == player)
            return true;
    return false;
}

ImportSource importSourceOf(const QString &playerFilePath)
{
    const QFileInfo file(playerFilePath);
    QString name = file.fileName();
    if (name.endsWith(QStringLiteral(".ply"), Qt::CaseInsensitive))
        name.chop(4);
    return {file.absolutePath() + QLatin1Char('/'), name};
}
