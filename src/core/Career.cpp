#include "Career.h"

#include "RecordFiles.h"
#include "Roster.h"

#include <QCollator>
#include <QDir>

Career readCareer(const QString &appPath, const QString &player)
{
    Career career;
    SeasonTotals total;
    std::optional<QString> tooLarge;
    QStringList teams =
        QDir(appPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    QCollator byName;
    byName.setNumericMode(true);
    byName.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(teams.begin(), teams.end(), byName);
    for (const QString &team : teams) {
        // A folder without a readable team file is no team.
        Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFile(appPath, team);
        if (!teamFile || !rosterHolds(teamFile->roster, player))
            continue;
        Outcome<GameRecords> games = RecordFiles::ReadGameRecords(appPath, team, player);
        Outcome<SeasonTotals> totals =
            games ? ComputeSeasonTotals(*games) : Outcome<SeasonTotals>(games.failure());
        if (!totals) {
            career.problems.append(totals.error());
            continue;
        }
        if (Outcome<void> added = addToCareer(total, *totals); !added && !tooLarge)
            tooLarge = added.error();
        career.seasons.append({team, teamFile->header.Season, *totals});
    }
    if (Outcome<void> rates = computeSeasonRates(total); !rates && !tooLarge)
        tooLarge = rates.error();
    if (tooLarge)
        career.problems.append(*tooLarge);
    else
        career.total = total;
    return career;
}
