#pragma once

// The files of the data folder. Every operation takes the application folder (with its trailing
// "/") and the names it needs; readers hand back whole records or an error that names the file
// and the line; writers replace a whole file atomically or leave it as it was.

#include "Outcome.h"
#include "Records.h"
#include "RegularFile.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace RecordFiles {

QString settingsFilePath(const QString &appPath);
QString teamFolderPath(const QString &appPath, const QString &team);
QString teamFilePath(const QString &appPath, const QString &team);
QString playerFilePath(const QString &appPath, const QString &team, const QString &player);
QString statsFilePath(const QString &appPath, const QString &team, const QString &player);
QString photoFilePath(const QString &appPath, const QString &team, const QString &player);
// The photo at print resolution beside it: "<player>.card.png".
QString cardPhotoFilePath(const QString &appPath, const QString &team, const QString &player);

// A file's new bytes and where they go, its names checked and its record encoded: what a save of
// several files together writes (see FileGroup). The Write functions save one such file alone.
struct FileBytes
{
    QString path;
    QByteArray bytes;
};
Outcome<FileBytes> TeamFileBytes(const QString &appPath, const QString &team,
                                 const TeamFile &teamFile);
Outcome<FileBytes> PlayerFileBytes(const QString &appPath, const QString &team,
                                   const QString &player, const PlayerProfile &profile);
Outcome<FileBytes> GameRecordsBytes(const QString &appPath, const QString &team,
                                    const QString &player, const GameRecords &records);
Outcome<FileBytes> CardPhotoFileBytes(const QString &appPath, const QString &team,
                                      const QString &player, const QByteArray &png);
Outcome<FileBytes> PhotoFileBytes(const QString &appPath, const QString &team,
                                  const QString &player, const QByteArray &bitmap);
// The player file and the stats file of a player, his and his team's names checked.
Outcome<QStringList> PlayerFilePaths(const QString &appPath, const QString &team,
                                     const QString &player);

Outcome<Settings> ReadSettings(const QString &appPath);
Outcome<void> WriteSettings(const QString &appPath, const Settings &settings);

Outcome<TeamFile> ReadTeamFile(const QString &appPath, const QString &team);
Outcome<TeamHeader> ReadTeamHeader(const QString &appPath, const QString &team);
Outcome<void> WriteTeamFile(const QString &appPath, const QString &team, const TeamFile &teamFile);

Outcome<PlayerProfile> ReadPlayerFile(const QString &appPath, const QString &team,
                                      const QString &player);
Outcome<void> WritePlayerFile(const QString &appPath, const QString &team, const QString &player,
                              const PlayerProfile &profile);

// One field of a stored record rewritten, every other field as read.
Outcome<void> WriteTeamBorderColor(const QString &appPath, const QString &team, qint32 rgb);
Outcome<void> WritePlayerPicturePath(const QString &appPath, const QString &team,
                                     const QString &player, const QString &picturePath);

// The player's card photo, a bitmap's bytes, saved as "<player>.bmp" in the team folder.
Outcome<void> WritePhotoFile(const QString &appPath, const QString &team, const QString &player,
                             const QByteArray &bitmap);

// A stats file holding only the placeholder record 0.
Outcome<void> CreateStatsFile(const QString &appPath, const QString &team, const QString &player);
// Records 0 to N; an empty file gives no records at all.
Outcome<GameRecords> ReadGameRecords(const QString &appPath, const QString &team,
                                     const QString &player);
// The same records with only the figures a season's totals take: every number and the decision,
// the other texts left empty. Errors are those of ReadGameRecords.
Outcome<GameRecords> ReadGameFigures(const QString &appPath, const QString &team,
                                     const QString &player);
// The same figures one record at a time: each handed to `take` with its index (0, the
// placeholder, first) and let go, so that no season is held whole. Errors are those of
// ReadGameRecords.
Outcome<void> ReadEachGameFigures(const QString &appPath, const QString &team,
                                  const QString &player,
                                  const std::function<void(const GameRecord &, int)> &take);

// Reads the record files of one team: the team's folder is opened once and each file opened inside
// it, never through a link. A folder or file that is a link is read by its path like every other
// file, once it is found to lead nowhere out of the data folder. Errors are those of the readers
// above.
class TeamFolderReader
{
public:
    TeamFolderReader(const QString &appPath, const QString &team);
    Outcome<TeamHeader> teamHeader() const;
    Outcome<PlayerProfile> playerFile(const QString &player) const;
    // As ReadGameRecords, ReadGameFigures and ReadEachGameFigures.
    Outcome<GameRecords> gameRecords(const QString &player) const;
    Outcome<GameRecords> gameFigures(const QString &player) const;
    Outcome<void> eachGameFigures(const QString &player,
                                  const std::function<void(const GameRecord &, int)> &take) const;

private:
    Outcome<GameRecords> games(const QString &player, bool figuresOnly) const;
    // The bytes of the file `fileName` at `path`, of the team or, when given, of `player`.
    Outcome<QByteArray> read(const QString &path, const QString &fileName,
                             const QString &player) const;

    QString m_appPath;
    QString m_team;
    std::optional<OpenFolder> m_folder;
};
Outcome<void> WriteGameRecords(const QString &appPath, const QString &team, const QString &player,
                               const GameRecords &records);

// The player file and the stats file of one player, with what interrupted saves of them left;
// files already gone are no error.
Outcome<void> DeletePlayerFiles(const QString &appPath, const QString &team, const QString &player);
// Every player file and stats file of a team folder, with what interrupted saves of them left;
// photos stay.
Outcome<void> DeleteTeamPlayers(const QString &appPath, const QString &team);

// The same readers for a file chosen by the user anywhere, such as a player to import.
Outcome<TeamFile> ReadTeamFileAt(const QString &path);
Outcome<PlayerProfile> ReadPlayerFileAt(const QString &path);
Outcome<GameRecords> ReadGameRecordsAt(const QString &path);

// The same records from a file's bytes held elsewhere (an archive); `name` names it in errors.
Outcome<TeamFile> DecodeTeamFile(const QByteArray &bytes, const QString &name);
Outcome<PlayerProfile> DecodePlayerFile(const QByteArray &bytes, const QString &name);
Outcome<GameRecords> DecodeGameRecords(const QByteArray &bytes, const QString &name);

} // namespace RecordFiles
