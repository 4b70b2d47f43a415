#include "TeamFolder.h"

#include "NameCheck.h"
#include "RecordFiles.h"

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
    if (teamExists(appPath, team)) {
        if (Outcome<void> deleted = RecordFiles::DeleteTeamPlayers(appPath, team); !deleted)
            return deleted;
    } else if (const QString folder = RecordFiles::teamFolderPath(appPath, team);
               !QDir().mkpath(folder)) {
        return Failure{QStringLiteral("Cannot create the folder \"%1\".").arg(folder)};
    }
    TeamFile teamFile;
    teamFile.header.TeamName = team;
    return RecordFiles::WriteTeamFile(appPath, team, teamFile);
}

Outcome<void> storeTeamProfile(const QString &appPath, const TeamFile &teamFile)
{
    return RecordFiles::WriteTeamFile(appPath, teamFile.header.TeamName, teamFile);
}

namespace {

// The one chain of a new player and an imported one. His files go first and the team file last,
// so he is listed only once both are whole; a failure removes what he left.
Outcome<AddedPlayer> addPlayerFiles(const QString &appPath, const QString &team, RosterPlace place,
                                    const PlayerProfile &profile, const GameRecords &records)
{
    const QString &player = profile.PlayerName;
    const auto undo = [&](const Outcome<void> &failed) {
        (void)RecordFiles::DeletePlayerFiles(appPath, team, player);
        return failed.failure();
    };
    if (Outcome<void> stats = RecordFiles::WriteGameRecords(appPath, team, player, records); !stats)
        return undo(stats);
    if (Outcome<void> written = RecordFiles::WritePlayerFile(appPath, team, player, profile);
        !written)
        return undo(written);
    place.teamFile.roster[place.slot] = {player, profile.Position1};
    if (Outcome<void> listed = RecordFiles::WriteTeamFile(appPath, team, place.teamFile); !listed)
        return undo(listed);
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

Outcome<Deletion> deletePlayer(const QString &appPath, const TeamFile &withoutHim,
                               const QString &player)
{
    const QString &team = withoutHim.header.TeamName;
    if (Outcome<void> listed = RecordFiles::WriteTeamFile(appPath, team, withoutHim); !listed)
        return listed.failure();
    return Deletion{RecordFiles::DeletePlayerFiles(appPath, team, player)};
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
    QString recorded = keptPath;
    if (photo) {
        // Named after the player, whatever the imported file was called.
        recorded = RecordFiles::photoFilePath(appPath, team, player);
        if (Outcome<void> saved = RecordFiles::WritePhotoFile(appPath, team, player, *photo); !saved)
            return saved.failure();
    }
    if (Outcome<void> written =
            RecordFiles::WritePlayerPicturePath(appPath, team, player, recorded);
        !written)
        return written.failure();
    if (Outcome<void> written = RecordFiles::WriteTeamBorderColor(appPath, team, borderColor);
        !written)
        return written.failure();
    return recorded;
}

Outcome<void> storeCardOptions(const QString &appPath, const QString &team, const QString &player,
                               qint32 borderColor)
{
    if (!player.isEmpty()) {
        Outcome<PlayerProfile> profile = RecordFiles::ReadPlayerFile(appPath, team, player);
        if (!profile)
            return profile.failure();
        if (Outcome<void> written = RecordFiles::WritePlayerFile(appPath, team, player, *profile);
            !written)
            return written;
    }
    // The border colour is the team's: kept in its file, it survives the next summary refresh,
    // which rereads the colour from there.
    return RecordFiles::WriteTeamBorderColor(appPath, team, borderColor);
}

} // namespace TeamFolder
