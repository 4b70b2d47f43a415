#pragma once

// One player's season, summed from the records of his stats file.

#include "Outcome.h"
#include "Records.h"

struct SeasonTotals
{
    qint16 BTotalGames = 0;
    qint16 BTotalHits = 0;
    qint16 BTotalAtBats = 0;
    qint16 BTotalRuns = 0;
    qint16 BTotalWalks = 0;
    qint16 BTotalSOs = 0;
    qint16 BTotalSBs = 0;
    qint16 BTotalDoubles = 0;
    qint16 BTotalTriples = 0;
    qint16 BTotalHomers = 0;
    qint16 BTotalRBIs = 0;
    float BTotalAverage = 0;
    float BTotalSlugging = 0;

    qint16 PTotalGames = 0;
    qint16 PTotalHits = 0;
    qint16 PTotalAtBats = 0;
    qint16 PTotalRuns = 0;
    qint16 PTotalWalks = 0;
    qint16 PTotalSOs = 0;
    qint16 PTotalStrikes = 0;
    qint16 PTotalBalls = 0;
    qint16 PTotalWildPitch = 0;
    float PTotalInnings = 0; // thirds notation
    qint16 PTotalWins = 0;
    float PTotalLosses = 0; // whole numbers held in a Single
    float PTotalSaves = 0;
    float PTotalERA = 0;
};

// Which part of a season a window shows; each adds only the counts it shows, so a batting window
// never fails on a pitching sum and the other way round. The summary shows both, and counts as
// pitching games those with innings pitched; the pitching lists and tables also count a game
// with batters faced but no out recorded.
enum class SeasonView
{
    Summary,
    Batting,
    Pitching
};

// A season summed one record at a time, as the records are read.
class SeasonSum
{
public:
    explicit SeasonSum(SeasonView view = SeasonView::Summary) : m_view(view) {}
    // Adds the record at `index` (0, the placeholder, first). The first total that would pass
    // 32767 is kept as the error; the records after it are passed over.
    void add(const GameRecord &record, int index);
    // The totals with the rates of the view, or the error.
    Outcome<SeasonTotals> totals() const;

private:
    SeasonView m_view;
    SeasonTotals m_totals;
    Outcome<void> m_added;
};

// Sums records 0 to N (record 0, the placeholder, takes part; it holds zeros) and derives the
// rates of the view. A total that would pass 32767 is an error naming it.
Outcome<SeasonTotals> ComputeSeasonTotals(const GameRecords &records,
                                          SeasonView view = SeasonView::Summary);

// The season as it stood after each game: element k - 1 holds the totals and rates (the summary's)
// of records 0 to k.
Outcome<QVector<SeasonTotals>> runningSeasonTotals(const GameRecords &records);

// The average and slugging (batting) and the earned run average (pitching) from the counts
// already summed.
Outcome<void> computeSeasonRates(SeasonTotals &totals, SeasonView view = SeasonView::Summary);

// Adds a player's season to a team row: every count and decision of the view summed (16-bit, an
// overflow is an error naming the total), innings carried, games the largest of the players'. The
// rates are left for computeSeasonRates, from the summed counts.
Outcome<void> addToTeam(SeasonTotals &team, const SeasonTotals &player, SeasonView view);

// Adds a season to a career: as addToTeam adds a player of the summary, but the games summed too.
Outcome<void> addToCareer(SeasonTotals &career, const SeasonTotals &season);
