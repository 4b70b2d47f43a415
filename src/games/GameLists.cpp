#include "GameLists.h"

#include "core/CodeTables.h"
#include "core/Innings.h"
#include "core/SeasonTotals.h"
#include "core/Statistics.h"

#include <algorithm>

namespace GameLists {

namespace {

QString number(int value)
{
    return QString::number(value);
}

} // namespace

Outcome<BattingList> battingList(const GameRecords &records)
{
    Outcome<SeasonTotals> season = ComputeSeasonTotals(records, SeasonView::Batting);
    if (!season)
        return season.failure();
    BattingList list;
    for (int j = 1; j < records.size(); ++j) {
        const GameRecord &g = records[j];
        Outcome<float> slugging =
            Stats::slugging(g.BHits, g.BAtBats, g.BWalks, g.BDoubles, g.BTriples, g.BHomers);
        if (!slugging)
            return Failure{QStringLiteral("Game %1: %2").arg(j).arg(slugging.error())};
        list.games.append(
            {{g.GameDate, number(j), number(g.BAtBats), number(g.BHits), number(g.BDoubles),
              number(g.BTriples), number(g.BHomers), number(g.BWalks), number(g.BRuns),
              number(g.BSOs), number(g.BSBs), number(g.BRBIs),
              Stats::formatRate(Stats::battingAverage(g.BHits, g.BAtBats)),
              Stats::formatRate(*slugging)}});
    }
    const SeasonTotals &t = *season;
    list.season = {{QStringLiteral("Season"), number(t.BTotalGames), number(t.BTotalAtBats),
                    number(t.BTotalHits), number(t.BTotalDoubles), number(t.BTotalTriples),
                    number(t.BTotalHomers), number(t.BTotalWalks), number(t.BTotalRuns),
                    number(t.BTotalSOs), number(t.BTotalSBs), number(t.BTotalRBIs),
                    Stats::formatRate(t.BTotalAverage), Stats::formatRate(t.BTotalSlugging)}};
    return list;
}

QString decisionLetter(const QString &decision)
{
    if (decision == Codes::Win)
        return QStringLiteral("W");
    if (decision == Codes::Loss)
        return QStringLiteral("L");
    if (decision == Codes::Save)
        return QStringLiteral("S");
    if (decision.isEmpty() || decision == Codes::NoDecision)
        return QStringLiteral("--");
    return QString();
}

Outcome<PitchingList> pitchingList(const GameRecords &records)
{
    Outcome<SeasonTotals> season = ComputeSeasonTotals(records, SeasonView::Pitching);
    if (!season)
        return season.failure();
    PitchingList list;
    for (int j = 1; j < records.size(); ++j) {
        const GameRecord &g = records[j];
        if (!(g.PInnings > 0 || g.PAtBats > 0))
            continue;
        list.games.append(
            {{g.GameDate, number(j), decisionLetter(g.Decision),
              Innings::formatOneDecimal(g.PInnings), number(g.PAtBats), number(g.PHits),
              number(g.PWalks), number(g.PRuns), number(g.PSOs), number(g.PStrikes),
              number(g.PBalls), number(g.PWildPitches),
              Stats::formatRate(Stats::battingAverage(g.PHits, g.PAtBats)),
              Stats::formatRateLeadingZero(Stats::earnedRunAverage(g.PRuns, g.PInnings))}});
    }
    const SeasonTotals &t = *season;
    list.season = {{QStringLiteral("Season"), number(t.PTotalGames), QString(),
                    Innings::formatOneDecimal(t.PTotalInnings), number(t.PTotalAtBats),
                    number(t.PTotalHits), number(t.PTotalWalks), number(t.PTotalRuns),
                    number(t.PTotalSOs), number(t.PTotalStrikes), number(t.PTotalBalls),
                    number(t.PTotalWildPitch),
                    Stats::formatRate(Stats::battingAverage(t.PTotalHits, t.PTotalAtBats)),
                    Stats::formatRateLeadingZero(t.PTotalERA)}};
    list.record = QStringLiteral("%1-%2-%3")
                      .arg(t.PTotalWins)
                      .arg(Stats::formatSingle(t.PTotalLosses), Stats::formatSingle(t.PTotalSaves));
    return list;
}

Page page(int number, int entries)
{
    Page p;
    p.first = RowsPerPage * (number - 1) + 1;
    p.last = std::min(entries, RowsPerPage * number);
    const int shift = 200 * (p.last - p.first);
    p.seasonTop = 1070 + shift;
    p.lineY = 1020 + shift;
    p.recordTop = 1520 + shift;
    p.hasPrevious = p.first > 1;
    p.hasNext = p.last < entries;
    return p;
}

int rowTop(int row)
{
    return row == 0 ? 795 : 800 + 200 * row;
}

} // namespace GameLists
