#include "MoreStatistics.h"

#include "Innings.h"
#include "SingleText.h"
#include "Statistics.h"

namespace MoreStats {

namespace {

QString number(qint64 value)
{
    return QString::number(value);
}

QString quotient(qint64 numerator, qint64 denominator, int decimals, bool leadingZero)
{
    return denominator == 0 ? NoRate
                            : Stats::formatQuotient(numerator, denominator, decimals, leadingZero);
}

// Of the batting-average kind: ".750", "1.234".
QString rate(qint64 numerator, qint64 denominator)
{
    return quotient(numerator, denominator, 3, false);
}

// Per-inning rates and ratios: "1.25", "0.50".
QString ratio(qint64 numerator, qint64 denominator)
{
    return quotient(numerator, denominator, 2, true);
}

qint64 totalBases(const SeasonTotals &t)
{
    return qint64(t.BTotalHits) + t.BTotalDoubles + 2 * qint64(t.BTotalTriples) +
           3 * qint64(t.BTotalHomers);
}

} // namespace

const QStringList &battingColumns()
{
    static const QStringList columns = {"G",  "AB", "H",   "TB",   "2B",  "3B",   "HR",  "BB",
                                        "SO", "SB", "AVG", "OBP*", "SLG", "OPS*", "ISO", "BB/K"};
    return columns;
}

QStringList battingFigures(const SeasonTotals &t)
{
    const qint64 atBats = t.BTotalAtBats;
    const qint64 onBase = qint64(t.BTotalHits) + t.BTotalWalks;
    const qint64 chances = atBats + t.BTotalWalks;
    const qint64 bases = totalBases(t);
    // OBP* + SLG and SLG - AVG over their common divisor, so each is rounded once, from the counts.
    const QString ops = atBats == 0 || chances == 0
                            ? NoRate
                            : rate(onBase * atBats + bases * chances, chances * atBats);
    return {number(t.BTotalGames),
            number(atBats),
            number(t.BTotalHits),
            number(bases),
            number(t.BTotalDoubles),
            number(t.BTotalTriples),
            number(t.BTotalHomers),
            number(t.BTotalWalks),
            number(t.BTotalSOs),
            number(t.BTotalSBs),
            rate(t.BTotalHits, atBats),
            rate(onBase, chances),
            rate(bases, atBats),
            ops,
            rate(bases - t.BTotalHits, atBats),
            ratio(t.BTotalWalks, t.BTotalSOs)};
}

const QStringList &pitchingColumns()
{
    static const QStringList columns = {"G",    "IP",  "W",    "L",       "SV",      "W-L %", "H",
                                        "ER",   "BB",  "SO",   "ERA",     "ERA7",    "WHIP",  "K/9",
                                        "BB/9", "H/9", "K/BB", "pitches", "strike %"};
    return columns;
}

QStringList pitchingFigures(const SeasonTotals &t)
{
    // Every per-inning rate is over outs: r per inning is 3r per out.
    const qint64 outs = Innings::outs(t.PTotalInnings);
    const qint64 inningsDivisor = t.PTotalInnings > 0 && outs > 0 ? outs : 0;
    const qint64 wins = t.PTotalWins;
    const qint64 decisions = wins + qint64(t.PTotalLosses);
    const qint64 pitches = qint64(t.PTotalStrikes) + t.PTotalBalls;
    return {number(t.PTotalGames),
            Innings::formatThirdsNotation(t.PTotalInnings).value_or(QString()),
            number(wins),
            Stats::formatSingle(t.PTotalLosses),
            Stats::formatSingle(t.PTotalSaves),
            rate(wins, decisions),
            number(t.PTotalHits),
            number(t.PTotalRuns),
            number(t.PTotalWalks),
            number(t.PTotalSOs),
            inningsDivisor == 0 ? NoRate : Stats::formatRateLeadingZero(t.PTotalERA),
            ratio(21 * qint64(t.PTotalRuns), inningsDivisor),
            ratio(3 * (qint64(t.PTotalWalks) + t.PTotalHits), inningsDivisor),
            ratio(27 * qint64(t.PTotalSOs), inningsDivisor),
            ratio(27 * qint64(t.PTotalWalks), inningsDivisor),
            ratio(27 * qint64(t.PTotalHits), inningsDivisor),
            ratio(t.PTotalSOs, t.PTotalWalks),
            number(pitches),
            quotient(100 * qint64(t.PTotalStrikes), pitches, 0, true)};
}

QString decimalInnings(float innings)
{
    return Stats::formatQuotient(Innings::outs(innings), 3, 2, true);
}

} // namespace MoreStats
