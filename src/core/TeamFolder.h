#pragma once

// Every change of a team's folder, each written once. An operation that changes several files
// changes all or none of them, across a crash too (FileGroup); a failure names the file and the
// reason. A rewrite of a player or team file reads it just before and changes only the fields its
// window owns. The windows collect what the user typed, call one of these and show the message of a
// failure; none of them writes a record file itself.

#include "Outcome.h"
#include "Records.h"
#include "Roster.h"
#include "TeamArchive.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace TeamFolder {

// Whether the team has a readable team file, so that creating it would overwrite it.
bool teamExists(const QString &appPath, const QString &team);

// A team with an empty roster: its folder made and its team file with only its name; for a team
// that exists, the team file rewritten so and its players' files deleted (photos stay).
Outcome<void> createTeam(const QString &appPath, const QString &team);

// The team window's fields from `shown`: the coaches, the season, the border colour in force and
// the roster; the rest as stored. The team file as written.
Outcome<TeamFile> storeTeamProfile(const QString &appPath, const TeamFile &shown);

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

// Players of a roster file put on the team at once, each as addPlayer puts one (stats file, player
// file, a roster place in order), all or none. The team file as written.
Outcome<TeamFile> importRoster(const QString &appPath, const QString &team,
                               const QVector<PlayerProfile> &players);

// A player renamed: his player file, stats file and photos under the new name, his roster slot and
// the name in his player file rewritten, a photo path that named his old photo naming the new one;
// all or none. Fails, changing nothing, for a name that cannot be a new player's or is on the
// roster already. The team file as written.
Outcome<TeamFile> renamePlayer(const QString &appPath, const QString &team, const QString &from,
                               const QString &to);

// Whether a deleted player's files go to the desktop's trash rather than being deleted outright.
bool playerFilesGoToTrash(const QString &appPath, const QString &team);

// A player off the roster: the team window's fields from `withoutHim` (as storeTeamProfile), and
// his player and stats files deleted, into the trash where playerFilesGoToTrash. The team file as
// written.
Outcome<TeamFile> deletePlayer(const QString &appPath, const TeamFile &withoutHim,
                               const QString &player);

// A player's profile, as the player window holds it; his photo as stored.
Outcome<void> storePlayerProfile(const QString &appPath, const QString &team,
                                 const PlayerProfile &profile);

// A player's games: records 0 to N of his stats file.
Outcome<void> storeGames(const QString &appPath, const QString &team, const QString &player,
                         const GameRecords &records);

// A box score: one game for each player who played, appended to his stats file with the next
// game number, all the stats files or none. Fails, writing nothing, for a player whose stats file
// cannot be read or who has 200 games already. The number of players who got the game.
struct BoxScoreLine
{
    QString player;
    GameRecord game; // its number is given here
};
Outcome<int> storeBoxScore(const QString &appPath, const QString &team,
                           const QVector<BoxScoreLine> &lines);

// The picture editor's Submit: what the user changed, and only that. A new card photo (a
// bitmap's bytes) is saved as "<player>.bmp" and recorded in his player file, with the same crop at
// print resolution (a PNG's bytes) as "<player>.card.png" when given; else a picture path chosen
// without a crop is recorded; a border colour chosen goes into the team file. The photo path the
// player file holds afterwards.
struct CardPhoto
{
    std::optional<QByteArray> photo;
    std::optional<QByteArray> printPhoto;
    std::optional<QString> picturePath;
    std::optional<qint32> borderColor;
};
Outcome<QString> storeCardPhoto(const QString &appPath, const QString &team, const QString &player,
                                const CardPhoto &change);

// Card Options' Submit: the player's file (if a player is named) written again as read, and the
// team's border colour.
Outcome<void> storeCardOptions(const QString &appPath, const QString &team, const QString &player,
                               qint32 borderColor);

// A new season of `from` as the team `to`, whose name must be a new team's: the same roster in the
// same order, every player's profile with his photos copied (a photo path that named his photo in
// the old folder names the new one) and an empty stats file, the coaches, the border colour and
// `season`; all or none. The old team is not touched. The new team file as written.
Outcome<TeamFile> newSeason(const QString &appPath, const QString &from, const QString &to,
                            const QString &season);

// A backup written as the team it names: its files in place of the folder's, the team's files it
// does not hold deleted (other files stay), the folder made where there was none; all or none.
Outcome<void> restoreTeam(const QString &appPath, const TeamArchive::Backup &backup);

} // namespace TeamFolder
