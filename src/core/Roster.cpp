#include "Roster.h"

#include "RecordFiles.h"

#include <QFile>
#include <QStringList>

#include <optional>

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

QString rosterNeighbour(const Roster &roster, const QString &current, int step)
{
    QStringList listed;
    for (const RosterEntry &entry : roster)
        if (!entry.RosterPlayer.isEmpty())
            listed.append(entry.RosterPlayer);
    if (listed.isEmpty())
        return QString();
    const qsizetype at = listed.indexOf(current);
    if (at < 0)
        return listed.first();
    const qsizetype count = listed.size();
    return listed[((at + step) % count + count) % count];
}

int rosterCount(const Roster &roster)
{
    return int(std::count_if(roster.begin(), roster.end(), [](const RosterEntry &entry) {
        return !entry.RosterPlayer.isEmpty();
    }));
}

std::optional<QString> existingPlayerFile(const QString &appPath, const QString &team,
                                          const QString &player)
{
    for (const QString &path : {RecordFiles::playerFilePath(appPath, team, player),
                                RecordFiles::statsFilePath(appPath, team, player)})
        if (QFile::exists(path))
            return path;
    return std::nullopt;
}

Outcome<int> placeOnRoster(const QString &appPath, const TeamFile &teamFile, const QString &player)
{
    const QString &team = teamFile.header.TeamName;
    if (rosterHolds(teamFile.roster, player))
        return Failure{QStringLiteral("%1 is already a player of %2.").arg(player, team)};
    if (const auto existing = existingPlayerFile(appPath, team, player))
        return Failure{
            QStringLiteral("\"%1\" already exists, so %2 cannot take a new player named %3.")
                .arg(*existing, team, player)};
    for (int slot = 0; slot < RosterSlots; ++slot)
        if (teamFile.roster[slot].RosterPlayer.isEmpty())
            return slot;
    return Failure{fullRosterMessage()};
}

Outcome<RosterPlace> findRosterPlace(const QString &appPath, const QString &team,
                                     const QString &player)
{
    Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFile(appPath, team);
    if (!teamFile)
        return teamFile.failure();
    Outcome<int> slot = placeOnRoster(appPath, *teamFile, player);
    if (!slot)
        return slot.failure();
    return RosterPlace{*teamFile, *slot};
}
