#include "KillWriters.h"

#include "core/RecordFiles.h"
#include "core/TeamFolder.h"
#include "reports/StatsExport.h"

#include <QDir>

namespace KillWriters {

namespace {

PlayerProfile kid(int round)
{
    PlayerProfile profile;
    profile.PlayerName = "Kid";
    profile.TeamName = "Team1";
    profile.Jersey = qint16(round % 100);
    return profile;
}

} // namespace

QStringList names()
{
    return {"picture editor", "card options", "add player", "export"};
}

QStringList groupFiles(const QString &writer)
{
    if (writer == "picture editor")
        return {"Team1/Player1.bmp", "Team1/Player1.card.png", "Team1/Player1.ply",
                "Team1/Team1.tea"};
    if (writer == "card options")
        return {"Team1/Player1.ply", "Team1/Team1.tea"};
    if (writer == "add player")
        return {"Team1/Kid.sta", "Team1/Kid.ply", "Team1/Team1.tea"};
    return {"out/Team1 batting.csv", "out/Team1 pitching.csv", "out/Team1 games.csv",
            "out/Team1 more batting.csv", "out/Team1 more pitching.csv"};
}

QString run(const QString &appPath, const QString &writer, int round)
{
    if (writer == "picture editor") {
        TeamFolder::CardPhoto change{QByteArray(4096 + round, char('a' + round % 26)),
                                     QByteArray(16384 + round, char('A' + round % 26)),
                                     std::nullopt, qint32(round)};
        return TeamFolder::storeCardPhoto(appPath, "Team1", "Player1", change).error();
    }
    if (writer == "card options")
        return TeamFolder::storeCardOptions(appPath, "Team1", "Player1", qint32(round)).error();
    if (writer == "add player")
        return TeamFolder::addPlayer(appPath, "Team1", kid(round)).error();
    return StatsExport::exportTeam(appPath, "Team1", appPath + "out").error();
}

void prepare(const QString &appPath, const QString &writer, int round)
{
    if (writer == "add player") {
        // Off the roster again, so that the round adds him anew.
        Outcome<TeamFile> team = RecordFiles::ReadTeamFile(appPath, "Team1");
        if (team && rosterHolds(team->roster, "Kid")) {
            for (int slot = RosterSlots - 1; slot >= 0; --slot)
                if (team->roster[slot].RosterPlayer == "Kid")
                    removeSlot(team->roster, slot);
            (void)TeamFolder::deletePlayer(appPath, *team, "Kid");
        }
    } else if (writer == "export") {
        QDir().mkpath(appPath + "out");
        // Other figures each round, so that two exports in a row differ.
        GameRecords games = *RecordFiles::ReadGameRecords(appPath, "Team1", "Player2");
        games.resize(1 + round % 2);
        if (games.size() > 1) {
            games[1].GameNumber = 1;
            games[1].BHits = 1;
            games[1].BAtBats = 3;
        }
        (void)RecordFiles::WriteGameRecords(appPath, "Team1", "Player2", games);
    }
}

} // namespace KillWriters
