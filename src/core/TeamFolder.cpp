#include "TeamFolder.h"

#include "FileGroup.h"
#include "NameCheck.h"
#include "RecordFiles.h"
#include "RegularFile.h"
#include "Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TeamFolder {

using RecordFiles::FileBytes;

namespace {

// A group of saves in the team's folder, built step by step; the first step that cannot be encoded
// or read is the group's failure, and nothing is written.
class Changes
{
public:
    Changes(const QString &appPath, const QString &team)
        : m_group(RecordFiles::teamFolderPath(appPath, team))
    {
    }

    Changes &replace(const Outcome<FileBytes> &file)
    {
        if (!m_failure && !file)
            m_failure = file.failure();
        else if (!m_failure)
            m_group.replace(file->path, file->bytes);
        return *this;
    }
    Changes &remove(const QString &path)
    {
        m_group.remove(path);
        return *this;
    }
    Changes &removeToTrash(const QString &path, bool toTrash)
    {
        if (toTrash)
            m_group.moveToTrash(path);
        else
            m_group.remove(path);
        return *this;
    }
    Outcome<void> commit()
    {
        if (m_failure)
            return *m_failure;
        return m_group.commit();
    }

private:
    FileGroup m_group;
    std::optional<Failure> m_failure;
};

} // namespace

bool teamExists(const QString &appPath, const QString &team)
{
    QFile existing(RecordFiles::teamFilePath(appPath, team));
    return existing.open(QIODevice::ReadOnly);
}

Outcome<void> createTeam(const QString &appPath, const QString &team)
{
    TeamFile teamFile;
    teamFile.header.TeamName = team;
    const QString folder = RecordFiles::teamFolderPath(appPath, team);
    if (!teamExists(appPath, team)) {
        const bool madeFolder = !QFileInfo(folder).isDir();
        if (!QDir().mkpath(folder))
            return Failure{QStringLiteral("Cannot create the folder \"%1\".").arg(folder)};
        Outcome<void> written = RecordFiles::WriteTeamFile(appPath, team, teamFile);
        if (!written && madeFolder)
            QDir().rmdir(folder);
        return written;
    }
    Changes changes(appPath, team);
    changes.replace(RecordFiles::TeamFileBytes(appPath, team, teamFile));
    for (const QString &name :
         QDir(folder).entryList({QStringLiteral("*.ply"), QStringLiteral("*.sta")}, QDir::Files))
        changes.remove(folder + name);
    return changes.commit();
}

namespace {

// The team file as stored with the team window's fields from `shown`: the coaches, the season, the
// border colour in force and the roster; the rest as read.
Outcome<TeamFile> withTeamWindowFields(const QString &appPath, const TeamFile &shown)
{
    Outcome<TeamFile> stored = RecordFiles::ReadTeamFile(appPath, shown.header.TeamName);
    if (!stored)
        return stored.failure();
    stored->header.Coach = shown.header.Coach;
    stored->header.Asst = shown.header.Asst;
    stored->header.Season = shown.header.Season;
    stored->header.TeamBorderColor = shown.header.TeamBorderColor;
    stored->roster = shown.roster;
    return stored;
}

} // namespace

Outcome<TeamFile> storeTeamProfile(const QString &appPath, const TeamFile &shown)
{
    Outcome<TeamFile> stored = withTeamWindowFields(appPath, shown);
    if (!stored)
        return stored;
    if (Outcome<void> written = RecordFiles::WriteTeamFile(appPath, shown.header.TeamName, *stored);
        !written)
        return written.failure();
    return stored;
}

namespace {

// The one chain of a new player and an imported one: his stats file, his player file and the team
// file with him on the roster, all or none.
Outcome<AddedPlayer> addPlayerFiles(const QString &appPath, const QString &team, RosterPlace place,
                                    const PlayerProfile &profile, const GameRecords &records)
{
    const QString &player = profile.PlayerName;
    place.teamFile.roster[place.slot] = {player, profile.Position1};
    Outcome<void> written =
        Changes(appPath, team)
            .replace(RecordFiles::GameRecordsBytes(appPath, team, player, records))
            .replace(RecordFiles::PlayerFileBytes(appPath, team, player, profile))
            .replace(RecordFiles::TeamFileBytes(appPath, team, place.teamFile))
            .commit();
    if (!written)
        return written.failure();
    return AddedPlayer{place.teamFile, place.slot};
}

} // namespace

Outcome<AddedPlayer> addPlayer(const QString &appPath, const QString &team,
                               const PlayerProfile &profile)
{
    Outcome<RosterPlace> place = findRosterPlace(appPath, team, profile.PlayerName);
    if (!place)
        return place.failure();
    return addPlayerFiles(appPath, team, *place, profile, GameRecords{GameRecord{}});
}

Outcome<PlayerImport> readPlayerToImport(const QString &appPath, const QString &team,
                                         const QString &playerFilePath)
{
    const QFileInfo file(playerFilePath);
    QString name = file.fileName();
    if (name.endsWith(QStringLiteral(".ply"), Qt::CaseInsensitive))
        name.chop(4);
    if (const auto problem = nameProblem(name))
        return Failure{QStringLiteral("\"%1\" cannot be imported: %2").arg(name, *problem)};
    Outcome<RosterPlace> place = findRosterPlace(appPath, team, name);
    if (!place)
        return place.failure();
    PlayerImport source{file.absolutePath() + QLatin1Char('/'), {}, *place};
    Outcome<PlayerProfile> profile = RecordFiles::ReadPlayerFileAt(source.folder + name + ".ply");
    if (!profile)
        return profile.failure();
    if (profile->PlayerName != name)
        return Failure{
            QStringLiteral("\"%1\" names the player \"%2\", not \"%3\"; it cannot be imported.")
                .arg(playerFilePath, profile->PlayerName, name)};
    source.profile = *profile;
    source.profile.TeamName = team;
    return source;
}

Outcome<TeamFile> importRoster(const QString &appPath, const QString &team,
                               const QVector<PlayerProfile> &players)
{
    Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFile(appPath, team);
    if (!teamFile)
        return teamFile.failure();
    Changes changes(appPath, team);
    for (const PlayerProfile &profile : players) {
        Outcome<int> slot = placeOnRoster(appPath, *teamFile, profile.PlayerName);
        if (!slot)
            return slot.failure();
        teamFile->roster[*slot] = {profile.PlayerName, profile.Position1};
        changes
            .replace(RecordFiles::GameRecordsBytes(appPath, team, profile.PlayerName,
                                                   GameRecords{GameRecord{}}))
            .replace(RecordFiles::PlayerFileBytes(appPath, team, profile.PlayerName, profile));
    }
    if (Outcome<void> written =
            changes.replace(RecordFiles::TeamFileBytes(appPath, team, *teamFile)).commit();
        !written)
        return written.failure();
    return teamFile;
}

namespace {

// A file moved under another name as its bytes: a stats file or a photo.
Outcome<QByteArray> wholeFile(const QString &path)
{
    Outcome<QByteArray> bytes = readRegularFile(path, 64 * 1024 * 1024);
    if (!bytes)
        return Failure{QStringLiteral("Cannot read \"%1\": %2").arg(path, bytes.error())};
    return bytes;
}

} // namespace

Outcome<TeamFile> renamePlayer(const QString &appPath, const QString &team, const QString &from,
                               const QString &to)
{
    if (const auto problem = nameProblem(to))
        return Failure{*problem};
    Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFile(appPath, team);
    if (!teamFile)
        return teamFile.failure();
    if (rosterHolds(teamFile->roster, to))
        return Failure{QStringLiteral("%1 is already a player of %2.").arg(to, team)};
    const QString oldPhoto = RecordFiles::photoFilePath(appPath, team, from);
    const QString newPhoto = RecordFiles::photoFilePath(appPath, team, to);
    const QString oldPrintPhoto = RecordFiles::cardPhotoFilePath(appPath, team, from);
    const QString newPrintPhoto = RecordFiles::cardPhotoFilePath(appPath, team, to);
    // His files must not replace files of that name left in the folder.
    std::optional<QString> existing = existingPlayerFile(appPath, team, to);
    for (const QString &photo : {newPhoto, newPrintPhoto})
        if (!existing && QFileInfo::exists(photo))
            existing = photo;
    if (existing)
        return Failure{QStringLiteral("\"%1\" already exists, so %2 cannot be renamed %3.")
                           .arg(*existing, from, to)};
    Outcome<PlayerProfile> profile = RecordFiles::ReadPlayerFile(appPath, team, from);
    if (!profile)
        return profile.failure();
    Outcome<QStringList> oldFiles = RecordFiles::PlayerFilePaths(appPath, team, from);
    if (!oldFiles)
        return oldFiles.failure();
    Outcome<QByteArray> games = wholeFile(oldFiles->at(1));
    if (!games)
        return games.failure();
    profile->PlayerName = to;
    if (profile->PlayerPicturePath == oldPhoto)
        profile->PlayerPicturePath = newPhoto;
    for (RosterEntry &entry : teamFile->roster)
        if (entry.RosterPlayer == from)
            entry.RosterPlayer = to;
    Changes changes(appPath, team);
    changes.replace(RecordFiles::PlayerFileBytes(appPath, team, to, *profile))
        .replace(RecordFiles::FileBytes{RecordFiles::statsFilePath(appPath, team, to), *games})
        .replace(RecordFiles::TeamFileBytes(appPath, team, *teamFile))
        .remove(oldFiles->at(0))
        .remove(oldFiles->at(1));
    for (const auto &[oldPath, newPath] :
         {std::pair{oldPhoto, newPhoto}, std::pair{oldPrintPhoto, newPrintPhoto}}) {
        if (!QFile::exists(oldPath))
            continue;
        Outcome<QByteArray> photo = wholeFile(oldPath);
        if (!photo)
            return photo.failure();
        changes.replace(RecordFiles::FileBytes{newPath, *photo}).remove(oldPath);
    }
    if (Outcome<void> written = changes.commit(); !written)
        return written.failure();
    return teamFile;
}

Outcome<AddedPlayer> importPlayer(const QString &appPath, const QString &team,
                                  const PlayerImport &source, bool keepStats)
{
    GameRecords records{GameRecord{}};
    if (keepStats) {
        const QString &name = source.profile.PlayerName;
        Outcome<GameRecords> games = RecordFiles::ReadGameRecordsAt(source.folder + name + ".sta");
        if (!games)
            return games.failure();
        records = *games;
    }
    return addPlayerFiles(appPath, team, source.place, source.profile, records);
}

bool playerFilesGoToTrash(const QString &appPath, const QString &team)
{
    return trashTakesFilesFrom(RecordFiles::teamFolderPath(appPath, team));
}

Outcome<TeamFile> deletePlayer(const QString &appPath, const TeamFile &withoutHim,
                               const QString &player)
{
    const QString &team = withoutHim.header.TeamName;
    Outcome<TeamFile> stored = withTeamWindowFields(appPath, withoutHim);
    if (!stored)
        return stored;
    Outcome<QStringList> files = RecordFiles::PlayerFilePaths(appPath, team, player);
    if (!files)
        return files.failure();
    const bool toTrash = playerFilesGoToTrash(appPath, team);
    Outcome<void> written = Changes(appPath, team)
                                .replace(RecordFiles::TeamFileBytes(appPath, team, *stored))
                                .removeToTrash(files->at(0), toTrash)
                                .removeToTrash(files->at(1), toTrash)
                                .commit();
    if (!written)
        return written.failure();
    return stored;
}

Outcome<void> storePlayerProfile(const QString &appPath, const QString &team,
                                 const PlayerProfile &profile)
{
    Outcome<PlayerProfile> stored = RecordFiles::ReadPlayerFile(appPath, team, profile.PlayerName);
    if (!stored)
        return stored.failure();
    PlayerProfile written = profile;
    // The photo is the picture editor's.
    written.PlayerPicturePath = stored->PlayerPicturePath;
    return RecordFiles::WritePlayerFile(appPath, team, profile.PlayerName, written);
}

Outcome<void> storeGames(const QString &appPath, const QString &team, const QString &player,
                         const GameRecords &records)
{
    return RecordFiles::WriteGameRecords(appPath, team, player, records);
}

Outcome<int> storeBoxScore(const QString &appPath, const QString &team,
                           const QVector<BoxScoreLine> &lines)
{
    Changes changes(appPath, team);
    for (const BoxScoreLine &line : lines) {
        Outcome<GameRecords> games = RecordFiles::ReadGameRecords(appPath, team, line.player);
        if (!games)
            return games.failure();
        if (games->isEmpty())
            games->append(GameRecord{}); // record 0
        if (games->size() > MaxGames)
            return Failure{QStringLiteral("%1 has %2 games already, the most a season holds; "
                                          "no game was stored.")
                               .arg(line.player)
                               .arg(MaxGames)};
        GameRecord game = line.game;
        game.GameNumber = qint16(games->size());
        games->append(game);
        changes.replace(RecordFiles::GameRecordsBytes(appPath, team, line.player, *games));
    }
    if (Outcome<void> written = changes.commit(); !written)
        return written.failure();
    return int(lines.size());
}

Outcome<QString> storeCardPhoto(const QString &appPath, const QString &team, const QString &player,
                                const CardPhoto &change)
{
    Outcome<PlayerProfile> profile = RecordFiles::ReadPlayerFile(appPath, team, player);
    if (!profile)
        return profile.failure();
    Changes changes(appPath, team);
    if (change.photo) {
        Outcome<FileBytes> photo =
            RecordFiles::PhotoFileBytes(appPath, team, player, *change.photo);
        changes.replace(photo);
        if (photo)
            profile->PlayerPicturePath = photo->path;
        if (change.printPhoto)
            changes.replace(
                RecordFiles::CardPhotoFileBytes(appPath, team, player, *change.printPhoto));
    } else if (change.picturePath) {
        profile->PlayerPicturePath = *change.picturePath;
    }
    if (change.photo || change.picturePath)
        changes.replace(RecordFiles::PlayerFileBytes(appPath, team, player, *profile));
    if (change.borderColor) {
        Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFile(appPath, team);
        if (!teamFile)
            return teamFile.failure();
        teamFile->header.TeamBorderColor = *change.borderColor;
        changes.replace(RecordFiles::TeamFileBytes(appPath, team, *teamFile));
    }
    if (Outcome<void> written = changes.commit(); !written)
        return written.failure();
    return profile->PlayerPicturePath;
}

Outcome<void> storeCardOptions(const QString &appPath, const QString &team, const QString &player,
                               qint32 borderColor)
{
    Changes changes(appPath, team);
    if (!player.isEmpty()) {
        Outcome<PlayerProfile> profile = RecordFiles::ReadPlayerFile(appPath, team, player);
        if (!profile)
            return profile.failure();
        changes.replace(RecordFiles::PlayerFileBytes(appPath, team, player, *profile));
    }
    // The border colour is the team's: kept in its file, it survives the next summary refresh,
    // which rereads the colour from there.
    Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFile(appPath, team);
    if (!teamFile)
        return teamFile.failure();
    teamFile->header.TeamBorderColor = borderColor;
    return changes.replace(RecordFiles::TeamFileBytes(appPath, team, *teamFile)).commit();
}

Outcome<TeamFile> newSeason(const QString &appPath, const QString &from, const QString &to,
                            const QString &season)
{
    if (const auto problem = nameProblem(to))
        return Failure{*problem};
    const QString folder = RecordFiles::teamFolderPath(appPath, to);
    if (QFileInfo::exists(folder) || QFileInfo(folder).isSymLink())
        return Failure{
            QStringLiteral("A team named %1 exists already; choose another name.").arg(to)};
    Outcome<TeamFile> old = RecordFiles::ReadTeamFile(appPath, from);
    if (!old)
        return old.failure();
    TeamFile teamFile = *old;
    teamFile.header.TeamName = to;
    teamFile.header.Season = season;
    Changes changes(appPath, to);
    for (const RosterEntry &entry : old->roster) {
        const QString &player = entry.RosterPlayer;
        if (player.isEmpty())
            continue;
        Outcome<PlayerProfile> profile = RecordFiles::ReadPlayerFile(appPath, from, player);
        if (!profile)
            return profile.failure();
        profile->TeamName = to;
        const QString oldPhoto = RecordFiles::photoFilePath(appPath, from, player);
        if (profile->PlayerPicturePath == oldPhoto)
            profile->PlayerPicturePath = RecordFiles::photoFilePath(appPath, to, player);
        for (const auto &[oldPath, newPath] :
             {std::pair{oldPhoto, RecordFiles::photoFilePath(appPath, to, player)},
              std::pair{RecordFiles::cardPhotoFilePath(appPath, from, player),
                        RecordFiles::cardPhotoFilePath(appPath, to, player)}}) {
            if (!QFileInfo::exists(oldPath))
                continue;
            Outcome<QByteArray> photo = wholeFile(oldPath);
            if (!photo)
                return photo.failure();
            changes.replace(RecordFiles::FileBytes{newPath, *photo});
        }
        changes.replace(RecordFiles::PlayerFileBytes(appPath, to, player, *profile))
            .replace(RecordFiles::GameRecordsBytes(appPath, to, player, GameRecords{GameRecord{}}));
    }
    changes.replace(RecordFiles::TeamFileBytes(appPath, to, teamFile));
    if (!QDir().mkpath(folder))
        return Failure{QStringLiteral("Cannot create the folder \"%1\".").arg(folder)};
    if (Outcome<void> written = changes.commit(); !written) {
        QDir().rmdir(folder);
        return written.failure();
    }
    return teamFile;
}

Outcome<void> restoreTeam(const QString &appPath, const TeamArchive::Backup &backup)
{
    const QString &team = backup.teamFile.header.TeamName;
    const QString folder = RecordFiles::teamFolderPath(appPath, team);
    // The backup's names were checked; the path is checked once more against the data folder.
    if (Outcome<FileBytes> named = RecordFiles::TeamFileBytes(appPath, team, backup.teamFile);
        !named)
        return named.failure();
    const bool madeFolder = !QFileInfo(folder).isDir();
    if (QFileInfo(folder).isSymLink() || (madeFolder && QFileInfo::exists(folder)))
        return Failure{QStringLiteral("\"%1\" is not a folder; the team cannot be restored there.")
                           .arg(folder)};
    if (!QDir().mkpath(folder))
        return Failure{QStringLiteral("Cannot create the folder \"%1\".").arg(folder)};
    Changes changes(appPath, team);
    for (auto file = backup.files.cbegin(); file != backup.files.cend(); ++file)
        changes.replace(RecordFiles::FileBytes{folder + file.key(), *file});
    if (!madeFolder)
        for (const QString &name : QDir(folder).entryList(QDir::Files))
            if (TeamArchive::isTeamFile(team, name) && !backup.files.contains(name))
                changes.remove(folder + name);
    Outcome<void> written = changes.commit();
    if (!written && madeFolder)
        QDir().rmdir(folder);
    return written;
}

} // namespace TeamFolder
