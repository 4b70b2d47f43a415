#pragma once

// Every change of a team's folder, each written once: which files it writes and in which order.
// An operation that changes several files changes all or none of them: when a step fails, the
// steps before it are taken back (the old files written back, its new files removed) and the
// failure names the file and the reason. The windows collect what the user typed, call one of
// these and show the message of a failure; none of them writes a record file itself.

#include "Outcome.h"
#include "Records.h"
#include "Roster.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace TeamFolder {

// Whether the team has a readable team file, so that creating it would overwrite it.
bool teamExists(const QString &appPath, const QString &team);

// A team with an empty roster: its folder made and its team file with only its name; for a team
// that exists, the team file rewritten so, then its players' files deleted (photos stay).
Outcome<void> createTeam(const QString &appPath, const QString &team);

// The team file as the team window holds it: the header's texts and the roster.
Outcome<void> storeTeamProfile(const QString &appPath, const TeamFile &teamFile);

// A player put on his team: his place on the roster found before anything is written, then his
// stats file, his player file and the team file with him in that place.
struct AddedPlayer
{
    TeamFile teamFile; // as stored, with him on the roster
    int slot = 0;
};
Outcome<AddedPlayer> addPlayer(const QString &appPath, const QString &team,
                               const PlayerProfile &profile);

// A player file of another folder, checked and read before anything is written here: its name
// must be a plain one, the player's file must name him, and he must find a place on this team.
struct PlayerImport
{
    QString folder; // with a trailing "/"
    PlayerProfile profile;
    RosterPlace place;
};
Outcome<PlayerImport> readPlayerToImport(const QString &appPath, const QString &team,
                                         const QString &playerFilePath);
// The read player added as addPlayer adds one, with the games of his stats file beside the player
// file when `keepStats`, else with none.
Outcome<AddedPlayer> importPlayer(const QString &appPath, const QString &team,
                                  const PlayerImport &source, bool keepStats);

// A player off the roster: the team file `withoutHim`, then his player and stats files deleted.
Outcome<void> deletePlayer(const QString &appPath, const TeamFile &withoutHim,
                           const QString &player);

// A player's profile, as the player window holds it.
Outcome<void> storePlayerProfile(const QString &appPath, const QString &team,
                                 const PlayerProfile &profile);

// A player's games: records 0 to N of his stats file.
Outcome<void> storeGames(const QString &appPath, const QString &team, const QString &player,
                         const GameRecords &records);

// The picture editor's Submit: a new card photo (a bitmap's bytes) saved as "<player>.bmp" when
// there is one, the photo's path recorded in his player file (the new photo's, else `keptPath`),
// and the team's border colour. The path recorded, or why a file could not be written.
Outcome<QString> storeCardPhoto(const QString &appPath, const QString &team, const QString &player,
                                const std::optional<QByteArray> &photo, const QString &keptPath,
                                qint32 borderColor);

// Card Options' Submit: the player's file (if a player is named) written again as read, and the
// team's border colour.
Outcome<void> storeCardOptions(const QString &appPath, const QString &team, const QString &player,
                               qint32 borderColor);

} // namespace TeamFolder
