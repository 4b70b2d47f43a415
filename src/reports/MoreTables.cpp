#include "MoreTables.h"

#include "core/MoreStatistics.h"

#include <algorithm>

namespace MoreTables {

namespace {

const QString PlayerHeading = QStringLiteral("Player");

Outcome<TeamTables::Table> table(const QVector<TeamTables::PlayerSeason> &players, SeasonView view,
                                 QStringList (*figures)(const SeasonTotals &))
{
    TeamTables::Table table;
    QVector<const TeamTables::PlayerSeason *> listed;
    for (const TeamTables::PlayerSeason &player : players) {
        if (view == SeasonView::Pitching && !TeamTables::hasPitched(player.totals))
            continue;
        table.rows.append(QStringList{player.name} + figures(player.totals));
        listed.append(&player);
    }
    Outcome<SeasonTotals> team = TeamTables::teamTotals(listed, view);
    if (!team)
        return team.failure();
    table.team = QStringList{QStringLiteral("Team")} + figures(*team);
    return table;
}

// A figure as a number to order by: "14.2" innings and ".750" rates read as decimals.
std::optional<double> numberIn(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

QStringList battingHeadings()
{
    return QStringList{PlayerHeading} + MoreStats::battingColumns();
}

QStringList pitchingHeadings()
{
    return QStringList{PlayerHeading} + MoreStats::pitchingColumns();
}

Outcome<TeamTables::Table> battingTable(const QVector<TeamTables::PlayerSeason> &players)
{
    return table(players, SeasonView::Batting, MoreStats::battingFigures);
}

Outcome<TeamTables::Table> pitchingTable(const QVector<TeamTables::PlayerSeason> &players)
{
    return table(players, SeasonView::Pitching, MoreStats::pitchingFigures);
}

void sortRows(QVector<QStringList> &rows, int column, Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    std::stable_sort(rows.begin(), rows.end(), [&](const QStringList &a, const QStringList &b) {
        const QString &x = a.value(column);
        const QString &y = b.value(column);
        if ((x == MoreStats::NoRate) != (y == MoreStats::NoRate))
            return y == MoreStats::NoRate;
        const std::optional<double> nx = numberIn(x);
        const std::optional<double> ny = numberIn(y);
        if (nx && ny)
            return ascending ? *nx < *ny : *nx > *ny;
        const int byLetters = QString::localeAwareCompare(x, y);
        return ascending ? byLetters < 0 : byLetters > 0;
    });
}

} // namespace MoreTables
