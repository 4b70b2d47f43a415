#include "TeamFolder.h"

#include "NameCheck.h"
#include "RecordFiles.h"
#include "UndoLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TeamFolder {

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
    // The empty roster goes first; the players' files go once nothing lists them.
    UndoLog undo;
    if (Outcome<void> kept = undo.remember(RecordFiles::teamFilePath(appPath, team)); !kept)
        return kept;
    for (const QString &name : QDir(folder).entryList(
             {QStringLiteral("*.ply"), QStringLiteral("*.sta")}, QDir::Files | QDir::Hidden))
        if (Outcome<void> kept = undo.remember(folder + name); !kept)
            return kept;
    if (Outcome<void> written = RecordFiles::WriteTeamFile(appPath, team, teamFile); !written)
        return undo.undoAfter(written.failure());
    if (Outcome<void> deleted = RecordFiles::DeleteTeamPlayers(appPath, team); !deleted)
        return undo.undoAfter(deleted.failure());
    return {};
}

Outcome<void> storeTeamProfile(const QString &appPath, const TeamFile &teamFile)
{
    return RecordFiles::WriteTeamFile(appPath, teamFile.header.TeamName, teamFile);
}

namespace {

// Remembers the files at `paths` as they are, for an undo.
Outcome<void> rememberAll(UndoLog &undo, std::initializer_list<QString> paths)
{
    for (const QString &path : paths)
        if (Outcome<void> kept = undo.remember(path); !kept)
            return kept;
    return {};
}

// The one chain of a new player and an imported one. His files go first and the team file last,
// so he is listed only once both are whole; a failure removes what he left.
Outcome<AddedPlayer> addPlayerFiles(const QString &appPath, const QString &team, RosterPlace place,
                                    const PlayerProfile &profile, const GameRecords &records)
{
    const QString &player = profile.PlayerName;
    UndoLog undo;
    if (Outcome<void> kept = rememberAll(undo, {RecordFiles::statsFilePath(appPath, team, player),
                                                RecordFiles::playerFilePath(appPath, team, player),
                                                RecordFiles::teamFilePath(appPath, team)});
        !kept)
        return kept.failure();
    if (Outcome<void> stats = RecordFiles::WriteGameRecords(appPath, team, player, records); !stats)
        return undo.undoAfter(stats.failure());
    if (Outcome<void> written = RecordFiles::WritePlayerFile(appPath, team, player, profile);
        !written)
        return undo.undoAfter(written.failure());
    place.teamFile.roster[place.slot] = {player, profile.Position1};
    if (Outcome<void> listed = RecordFiles::WriteTeamFile(appPath, team, place.teamFile); !listed)
        return undo.undoAfter(listed.failure());
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

Outcome<void> deletePlayer(const QString &appPath, const TeamFile &withoutHim,
                           const QString &player)
{
    const QString &team = withoutHim.header.TeamName;
    UndoLog undo;
    if (Outcome<void> kept = rememberAll(undo, {RecordFiles::teamFilePath(appPath, team),
                                                RecordFiles::playerFilePath(appPath, team, player),
                                                RecordFiles::statsFilePath(appPath, team, player)});
        !kept)
        return kept;
    if (Outcome<void> listed = RecordFiles::WriteTeamFile(appPath, team, withoutHim); !listed)
        return undo.undoAfter(listed.failure());
    if (Outcome<void> deleted = RecordFiles::DeletePlayerFiles(appPath, team, player); !deleted)
        return undo.undoAfter(deleted.failure());
    return {};
}

Outcome<void> storePlayerProfile(const QString &appPath, const QString &team,
                                 const PlayerProfile &profile)
{
    return RecordFiles::WritePlayerFile(appPath, team, profile.PlayerName, profile);
}

Outcome<void> storeGames(const QString &appPath, const QString &team, const QString &player,
                         const GameRecords &records)
{
    return RecordFiles::WriteGameRecords(appPath, team, player, records);
}

Outcome<QString> storeCardPhoto(const QString &appPath, const QString &team, const QString &player,
                                const std::optional<QByteArray> &photo, const QString &keptPath,
                                qint32 borderColor)
{
    // Named after the player, whatever the imported file was called.
    const QString photoPath = RecordFiles::photoFilePath(appPath, team, player);
    UndoLog undo;
    if (photo)
        if (Outcome<void> kept = undo.remember(photoPath); !kept)
            return kept.failure();
    if (Outcome<void> kept = rememberAll(undo, {RecordFiles::playerFilePath(appPath, team, player),
                                                RecordFiles::teamFilePath(appPath, team)});
        !kept)
        return kept.failure();
    if (photo)
        if (Outcome<void> saved = RecordFiles::WritePhotoFile(appPath, team, player, *photo);
            !saved)
            return undo.undoAfter(saved.failure());
    const QString recorded = photo ? photoPath : keptPath;
    if (Outcome<void> written =
            RecordFiles::WritePlayerPicturePath(appPath, team, player, recorded);
        !written)
        return undo.undoAfter(written.failure());
    if (Outcome<void> written = RecordFiles::WriteTeamBorderColor(appPath, team, borderColor);
        !written)
        return undo.undoAfter(written.failure());
    return recorded;
}

Outcome<void> storeCardOptions(const QString &appPath, const QString &team, const QString &player,
                               qint32 borderColor)
{
    UndoLog undo;
    if (Outcome<void> kept = undo.remember(RecordFiles::teamFilePath(appPath, team)); !kept)
        return kept;
    if (!player.isEmpty()) {
        if (Outcome<void> kept = undo.remember(RecordFiles::playerFilePath(appPath, team, player));
            !kept)
            return kept;
        Outcome<PlayerProfile> profile = RecordFiles::ReadPlayerFile(appPath, team, player);
        if (!profile)
            return profile.failure();
        if (Outcome<void> written = RecordFiles::WritePlayerFile(appPath, team, player, *profile);
            !written)
            return written;
    }
    // The border colour is the team's: kept in its file, it survives the next summary refresh,
    // which rereads the colour from there.
    if (Outcome<void> written = RecordFiles::WriteTeamBorderColor(appPath, team, borderColor);
        !written)
        return undo.undoAfter(written.failure());
    return {};
}

} // namespace TeamFolder
