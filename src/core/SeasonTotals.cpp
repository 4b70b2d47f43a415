#include "SeasonTotals.h"

#include "CodeTables.h"
#include "Innings.h"
#include "Statistics.h"

#include <algorithm>

namespace {

struct CountField
{
    qint16 GameRecord::*game;
    qint16 SeasonTotals::*total;
    const char *what;
    bool pitching;
};

// In the order of the record's fields, so the first total to overflow is the one reported.
const CountField CountFields[] = {
    {&GameRecord::BHits, &SeasonTotals::BTotalHits, "hits", false},
    {&GameRecord::BAtBats, &SeasonTotals::BTotalAtBats, "at bats", false},
    {&GameRecord::BRuns, &SeasonTotals::BTotalRuns, "runs", false},
    {&GameRecord::BWalks, &SeasonTotals::BTotalWalks, "walks", false},
    {&GameRecord::BDoubles, &SeasonTotals::BTotalDoubles, "doubles", false},
    {&GameRecord::BTriples, &SeasonTotals::BTotalTriples, "triples", false},
    {&GameRecord::BHomers, &SeasonTotals::BTotalHomers, "home runs", false},
    {&GameRecord::BSOs, &SeasonTotals::BTotalSOs, "strikeouts", false},
    {&GameRecord::BSBs, &SeasonTotals::BTotalSBs, "stolen bases", false},
    {&GameRecord::BRBIs, &SeasonTotals::BTotalRBIs, "runs batted in", false},
    {&GameRecord::PAtBats, &SeasonTotals::PTotalAtBats, "at bats against", true},
    {&GameRecord::PHits, &SeasonTotals::PTotalHits, "hits allowed", true},
    {&GameRecord::PRuns, &SeasonTotals::PTotalRuns, "earned runs allowed", true},
    {&GameRecord::PWalks, &SeasonTotals::PTotalWalks, "walks allowed", true},
    {&GameRecord::PSOs, &SeasonTotals::PTotalSOs, "strikeouts pitched", true},
    {&GameRecord::PStrikes, &SeasonTotals::PTotalStrikes, "strikes thrown", true},
    {&GameRecord::PBalls, &SeasonTotals::PTotalBalls, "balls thrown", true},
    {&GameRecord::PWildPitches, &SeasonTotals::PTotalWildPitch, "wild pitches", true},
};

Failure overflow(const QString &what, int recordIndex)
{
    return Failure{
        QStringLiteral("The season's %1 pass 32767 at game %2, more than a total can hold.")
            .arg(what)
            .arg(recordIndex)};
}

bool shows(SeasonView view, bool pitching)
{
    return view == SeasonView::Summary || (view == SeasonView::Pitching) == pitching;
}

bool pitchedIn(const GameRecord &record, SeasonView view)
{
    return record.PInnings > 0 || (view == SeasonView::Pitching && record.PAtBats > 0);
}

} // namespace

namespace {

// Adds the record at `index` to the totals of the view.
Outcome<void> addRecord(SeasonTotals &totals, const GameRecord &record, int index, SeasonView view)
{
    if (shows(view, false) && index > 0 && !Stats::addInt16(totals.BTotalGames, 1))
        return overflow(QStringLiteral("games"), index);
    for (const CountField &field : CountFields)
        if (shows(view, field.pitching) &&
            !Stats::addInt16(totals.*field.total, record.*field.game))
            return overflow(QString::fromLatin1(field.what), index);
    if (!shows(view, true))
        return {};
    if (pitchedIn(record, view) && !Stats::addInt16(totals.PTotalGames, 1))
        return overflow(QStringLiteral("pitching games"), index);
    totals.PTotalInnings = Innings::add(totals.PTotalInnings, record.PInnings);
    if (record.Decision == Codes::Win && !Stats::addInt16(totals.PTotalWins, 1))
        return overflow(QStringLiteral("wins"), index);
    if (record.Decision == Codes::Loss)
        totals.PTotalLosses += 1;
    if (record.Decision == Codes::Save)
        totals.PTotalSaves += 1;
    return {};
}

} // namespace

void SeasonSum::add(const GameRecord &record, int index)
{
    if (m_added)
        m_added = addRecord(m_totals, record, index, m_view);
}

Outcome<SeasonTotals> SeasonSum::totals() const
{
    if (!m_added)
        return m_added.failure();
    SeasonTotals totals = m_totals;
    if (Outcome<void> rates = computeSeasonRates(totals, m_view); !rates)
        return rates.failure();
    return totals;
}

Outcome<SeasonTotals> ComputeSeasonTotals(const GameRecords &records, SeasonView view)
{
    SeasonSum sum(view);
    for (int index = 0; index < records.size(); ++index)
        sum.add(records[index], index);
    return sum.totals();
}

Outcome<QVector<SeasonTotals>> runningSeasonTotals(const GameRecords &records)
{
    QVector<SeasonTotals> running;
    SeasonTotals totals;
    for (int index = 0; index < records.size(); ++index) {
        if (Outcome<void> added = addRecord(totals, records[index], index, SeasonView::Summary);
            !added)
            return added.failure();
        if (index == 0)
            continue;
        SeasonTotals afterGame = totals;
        if (Outcome<void> rates = computeSeasonRates(afterGame); !rates)
            return rates.failure();
        running.append(afterGame);
    }
    return running;
}

namespace {

// Every count and decision of the view added, innings carried; the games are the caller's.
Outcome<void> addCounts(SeasonTotals &team, const SeasonTotals &player, SeasonView view,
                        const QString &whose)
{
    const auto overflow = [&whose](const QString &what) {
        return Failure{
            QStringLiteral("The %1 %2 pass 32767, more than a total can hold.").arg(whose, what)};
    };
    for (const CountField &field : CountFields)
        if (shows(view, field.pitching) && !Stats::addInt16(team.*field.total, player.*field.total))
            return overflow(QString::fromLatin1(field.what));
    if (!shows(view, true))
        return {};
    if (!Stats::addInt16(team.PTotalWins, player.PTotalWins))
        return overflow(QStringLiteral("wins"));
    team.PTotalLosses += player.PTotalLosses;
    team.PTotalSaves += player.PTotalSaves;
    team.PTotalInnings = Innings::add(team.PTotalInnings, player.PTotalInnings);
    return {};
}

} // namespace

Outcome<void> addToTeam(SeasonTotals &team, const SeasonTotals &player, SeasonView view)
{
    team.BTotalGames = std::max(team.BTotalGames, player.BTotalGames);
    team.PTotalGames = std::max(team.PTotalGames, player.PTotalGames);
    return addCounts(team, player, view, QStringLiteral("team's"));
}

Outcome<void> addToCareer(SeasonTotals &career, const SeasonTotals &season)
{
    for (const auto &[total, games, what] :
         {std::tuple{&career.BTotalGames, season.BTotalGames, "batting games"},
          std::tuple{&career.PTotalGames, season.PTotalGames, "pitching games"}})
        if (!Stats::addInt16(*total, games))
            return Failure{QStringLiteral("The career's %1 pass 32767, more than a total can hold.")
                               .arg(QString::fromLatin1(what))};
    return addCounts(career, season, SeasonView::Summary, QStringLiteral("career's"));
}

Outcome<void> computeSeasonRates(SeasonTotals &totals, SeasonView view)
{
    if (shows(view, true))
        totals.PTotalERA = Stats::earnedRunAverage(totals.PTotalRuns, totals.PTotalInnings);
    if (!shows(view, false))
        return {};
    totals.BTotalAverage = Stats::battingAverage(totals.BTotalHits, totals.BTotalAtBats);
    Outcome<float> slugging =
        Stats::slugging(totals.BTotalHits, totals.BTotalAtBats, totals.BTotalWalks,
                        totals.BTotalDoubles, totals.BTotalTriples, totals.BTotalHomers);
    if (!slugging)
        return Failure{
            QStringLiteral("The season's slugging cannot be computed: %1").arg(slugging.error())};
    totals.BTotalSlugging = *slugging;
    return {};
}
