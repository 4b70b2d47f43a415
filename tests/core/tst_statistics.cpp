// Season totals, rates with their rounding, innings in thirds, and the display formats.

#include "core/Innings.h"
#include "core/SeasonTotals.h"
#include "core/Statistics.h"

#include <QTest>

#include <limits>

namespace {

GameRecord game(int number)
{
    GameRecord record;
    record.GameNumber = qint16(number);
    return record;
}

// Record 0 and `count` empty games.
GameRecords season(int count)
{
    GameRecords records;
    for (int i = 0; i <= count; ++i)
        records.append(game(i));
    return records;
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private slots:
    void ratesRoundHalvesToEven_data();
    void ratesRoundHalvesToEven();
    void sluggingCountsWalksAsBasesAndChances();
    void earnedRunAverage_data();
    void earnedRunAverage();
    void rateFormats_data();
    void rateFormats();
    void inningsCarryThirds_data();
    void inningsCarryThirds();
    void inningsTenthsRoundHalvesAwayFromZero_data();
    void inningsTenthsRoundHalvesAwayFromZero();
    void inningsTexts_data();
    void inningsTexts();
    void placeholderOnlySeasonIsAllZero();
    void seasonTotalsSumEveryCount();
    void gamesAndPitchingGames();
    void decisionsAreCaseSensitive();
    void overflowIsAnErrorNamingTheTotal();
};

void TestStatistics::ratesRoundHalvesToEven_data()
{
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("atBats");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no at bats") << 0 << 0 << ".000";
    QTest::newRow("1 in 16 is .0625, a tie, to even") << 1 << 16 << ".062";
    QTest::newRow("3 in 16 is .1875, a tie, to even") << 3 << 16 << ".188";
    QTest::newRow("1 in 400 is .0025, a tie") << 1 << 400 << ".002";
    QTest::newRow("1 in 3") << 1 << 3 << ".333";
    QTest::newRow("2 in 3") << 2 << 3 << ".667";
    QTest::newRow("all") << 4 << 4 << "1.000";
}

void TestStatistics::ratesRoundHalvesToEven()
{
    QFETCH(int, hits);
    QFETCH(int, atBats);
    QFETCH(QString, shown);
    QCOMPARE(Stats::formatRate(Stats::battingAverage(hits, atBats)), shown);
}

void TestStatistics::sluggingCountsWalksAsBasesAndChances()
{
    // 10 at bats, 2 walks, 3 hits of which a double and a home run: 9 bases in 12 chances.
    QCOMPARE(*Stats::slugging(3, 10, 2, 1, 0, 1), 0.75f);
    QCOMPARE(*Stats::slugging(0, 0, 2, 0, 0, 0), 1.0f);
    QCOMPARE(*Stats::slugging(0, 0, 0, 0, 0, 0), 0.0f);
    QVERIFY(!Stats::slugging(0, 1, 0, 0, 0, 11000).ok()); // 3 x home runs passes 32767
    QVERIFY(!Stats::slugging(0, 32767, 1, 0, 0, 0).ok()); // at bats + walks passes 32767
}

void TestStatistics::earnedRunAverage_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<float>("innings");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("leadingZero");
    QTest::newRow("12 in 20 2/3") << 12 << 20.2f << "5.226"
                                  << "5.226";
    QTest::newRow("3 in 1/3") << 3 << 0.1f << "81.000"
                              << "81.000";
    QTest::newRow("3 in 6 2/3") << 3 << 6.2f << "4.050"
                                << "4.050";
    QTest::newRow("2 in 7") << 2 << 7.0f << "2.571"
                            << "2.571";
    QTest::newRow("no innings") << 5 << 0.0f << ".000"
                                << "0.000";
    QTest::newRow("1 in 18") << 1 << 18.0f << ".500"
                             << "0.500";
}

void TestStatistics::earnedRunAverage()
{
    QFETCH(int, runs);
    QFETCH(float, innings);
    QFETCH(QString, summary);
    QFETCH(QString, leadingZero);
    const float era = Stats::earnedRunAverage(runs, innings);
    QCOMPARE(Stats::formatRate(era), summary);
    QCOMPARE(Stats::formatRateLeadingZero(era), leadingZero);
}

void TestStatistics::rateFormats_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("leadingZero");
    QTest::addColumn<QString>("single");
    QTest::newRow("zero") << 0.0f << ".000"
                          << "0.000"
                          << "0";
    QTest::newRow("quarter") << 0.25f << ".250"
                             << "0.250"
                             << "0.25";
    QTest::newRow("one and a half") << 1.5f << "1.500"
                                    << "1.500"
                                    << "1.5";
    QTest::newRow("thirteen and a half") << 13.5f << "13.500"
                                         << "13.500"
                                         << "13.5";
    QTest::newRow("whole") << 3.0f << "3.000"
                           << "3.000"
                           << "3";
}

void TestStatistics::rateFormats()
{
    QFETCH(float, value);
    QTEST(Stats::formatRate(value), "rate");
    QTEST(Stats::formatRateLeadingZero(value), "leadingZero");
    QTEST(Stats::formatSingle(value), "single");
}

void TestStatistics::inningsCarryThirds_data()
{
    QTest::addColumn<QList<float>>("games");
    QTest::addColumn<float>("total");
    QTest::newRow("1/3 + 2/3 carries") << QList<float>{5.1f, 2.2f} << 8.0f;
    QTest::newRow("2/3 + 2/3 carries one") << QList<float>{5.2f, 2.2f} << 8.1f;
    QTest::newRow("1/3 + 1/3") << QList<float>{5.1f, 2.1f} << 7.2f;
    QTest::newRow("three times 2 2/3") << QList<float>{2.2f, 2.2f, 2.2f} << 8.0f;
    QTest::newRow("whole innings") << QList<float>{7.0f, 6.0f} << 13.0f;
    QTest::newRow("a tenths digit above 2 is not added") << QList<float>{1.2f, 0.5f} << 1.2f;
    QTest::newRow("season of thirds") << QList<float>(200, 0.1f) << 66.2f;
}

void TestStatistics::inningsCarryThirds()
{
    QFETCH(QList<float>, games);
    QFETCH(float, total);
    float sum = 0;
    for (float g : games)
        sum = Innings::add(sum, g);
    QCOMPARE(sum, total);
}

void TestStatistics::inningsTenthsRoundHalvesAwayFromZero_data()
{
    QTest::addColumn<float>("innings");
    QTest::addColumn<int>("tenths");
    QTest::newRow("thirds") << 5.1f << 51;
    QTest::newRow("a half") << 0.25f << 3;
    QTest::newRow("a half below zero") << -0.25f << -3;
    QTest::newRow("just above a half") << 0.05f << 1;
    QTest::newRow("just above a half below zero") << -0.05f << -1;
    QTest::newRow("below a half") << 0.04f << 0;
    QTest::newRow("past the range") << 1e12f << 1000000000;
    QTest::newRow("past the range below zero") << -1e12f << -1000000000;
    QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << 1000000000;
}

void TestStatistics::inningsTenthsRoundHalvesAwayFromZero()
{
    QFETCH(float, innings);
    QTEST(Innings::tenths(innings), "tenths");
}

void TestStatistics::inningsTexts_data()
{
    QTest::addColumn<float>("innings");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("thirds");
    QTest::addColumn<QString>("oneDecimal");
    QTest::newRow("whole") << 12.0f << "12"
                           << "12"
                           << "12.0";
    QTest::newRow("one third") << 12.1f << "12   1 / 3"
                               << "12.1"
                               << "12.1";
    QTest::newRow("two thirds alone") << 0.2f << "0   2 / 3"
                                      << "0.2"
                                      << "0.2";
    QTest::newRow("one third alone") << 0.1f << "0   1 / 3"
                                     << "0.1"
                                     << "0.1";
    QTest::newRow("none") << 0.0f << "0"
                          << "0"
                          << "0.0";
    QTest::newRow("not thirds notation") << 4.5f << "-"
                                         << "-"
                                         << "4.5";
}

void TestStatistics::inningsTexts()
{
    QFETCH(float, innings);
    QFETCH(QString, summary);
    QFETCH(QString, thirds);
    QCOMPARE(Innings::FormatInnings(innings).value_or("-"), summary);
    QCOMPARE(Innings::formatThirdsNotation(innings).value_or("-"), thirds);
    QTEST(Innings::formatOneDecimal(innings), "oneDecimal");
}

void TestStatistics::placeholderOnlySeasonIsAllZero()
{
    Outcome<SeasonTotals> totals = ComputeSeasonTotals(season(0));
    QVERIFY(totals.ok());
    QCOMPARE(totals->BTotalGames, qint16(0));
    QCOMPARE(totals->PTotalGames, qint16(0));
    QCOMPARE(Stats::formatRate(totals->BTotalAverage), QString(".000"));
    QCOMPARE(Stats::formatRate(totals->BTotalSlugging), QString(".000"));
    QCOMPARE(Stats::formatRate(totals->PTotalERA), QString(".000"));
    QVERIFY(ComputeSeasonTotals(GameRecords{}).ok()); // an empty stats file: no records at all
}

void TestStatistics::seasonTotalsSumEveryCount()
{
    GameRecords records = season(2);
    // Each count gets a distinct value so a field summed into the wrong total shows.
    records[1] = {1,  1,  2,    3,  4,  5,  6,  7,  8,  9,  10, 11,
                  12, 13, 5.1f, 14, 15, 16, 17, 18, "", "", "", ""};
    records[2] = {2,    100,  200,  300,  400,  500,  600,  700,  800, 900, 1000, 1100,
                  1200, 1300, 2.2f, 1400, 1500, 1600, 1700, 1800, "",  "",  "",   ""};
    const SeasonTotals t = *ComputeSeasonTotals(records);
    QCOMPARE(t.BTotalHits, qint16(101));
    QCOMPARE(t.BTotalAtBats, qint16(202));
    QCOMPARE(t.BTotalRuns, qint16(303));
    QCOMPARE(t.BTotalWalks, qint16(404));
    QCOMPARE(t.BTotalDoubles, qint16(505));
    QCOMPARE(t.BTotalTriples, qint16(606));
    QCOMPARE(t.BTotalHomers, qint16(707));
    QCOMPARE(t.BTotalSOs, qint16(808));
    QCOMPARE(t.BTotalSBs, qint16(909));
    QCOMPARE(t.BTotalRBIs, qint16(1010));
    QCOMPARE(t.PTotalAtBats, qint16(1111));
    QCOMPARE(t.PTotalHits, qint16(1212));
    QCOMPARE(t.PTotalRuns, qint16(1313));
    QCOMPARE(t.PTotalWalks, qint16(1414));
    QCOMPARE(t.PTotalSOs, qint16(1515));
    QCOMPARE(t.PTotalStrikes, qint16(1616));
    QCOMPARE(t.PTotalBalls, qint16(1717));
    QCOMPARE(t.PTotalWildPitch, qint16(1818));
    QCOMPARE(t.PTotalInnings, 8.0f);
    QCOMPARE(t.BTotalAverage, 0.5f);
    // (404 + 101 + 505 + 2 x 606 + 3 x 707) / (202 + 404) = 4343 / 606
    QCOMPARE(Stats::formatRate(t.BTotalSlugging), QString("7.167"));
    QCOMPARE(Stats::formatRate(t.PTotalERA), QString("1477.125")); // 27 x 1313 / 24 outs
}

void TestStatistics::gamesAndPitchingGames()
{
    GameRecords records = season(3);
    records[1].PInnings = 0.1f;
    records[2].PAtBats = 2; // faced batters, no out
    records[3].PHits = 4;   // no innings: never a pitching game
    const SeasonTotals byInnings = *ComputeSeasonTotals(records);
    QCOMPARE(byInnings.BTotalGames, qint16(3));
    QCOMPARE(byInnings.PTotalGames, qint16(1));
    const SeasonTotals byBattersFaced = *ComputeSeasonTotals(records, SeasonView::Pitching);
    QCOMPARE(byBattersFaced.PTotalGames, qint16(2));
}

void TestStatistics::decisionsAreCaseSensitive()
{
    GameRecords records = season(8);
    const char *decisions[] = {"Win", "win", "Loss", "LOSS", "Save", "Save", "No Decision", ""};
    for (int i = 0; i < 8; ++i)
        records[i + 1].Decision = decisions[i];
    const SeasonTotals t = *ComputeSeasonTotals(records);
    QCOMPARE(t.PTotalWins, qint16(1));
    QCOMPARE(t.PTotalLosses, 1.0f);
    QCOMPARE(t.PTotalSaves, 2.0f);
    QCOMPARE(Stats::formatSingle(t.PTotalSaves), QString("2"));
}

void TestStatistics::overflowIsAnErrorNamingTheTotal()
{
    GameRecords records = season(3);
    records[1].PStrikes = 30000;
    records[2].PStrikes = 2767;
    QVERIFY(ComputeSeasonTotals(records).ok()); // exactly 32767 still fits
    records[3].PStrikes = 1;
    Outcome<SeasonTotals> totals = ComputeSeasonTotals(records);
    QVERIFY(!totals.ok());
    QCOMPARE(
        totals.error(),
        QString("The season's strikes thrown pass 32767 at game 3, more than a total can hold."));
    // A window adds only what it shows: the batting view never fails on a pitching sum.
    QVERIFY(!ComputeSeasonTotals(records, SeasonView::Pitching).ok());
    QVERIFY(ComputeSeasonTotals(records, SeasonView::Batting).ok());
    SeasonTotals team, pitcher;
    team.PTotalStrikes = pitcher.PTotalStrikes = 32767;
    QVERIFY(addToTeam(team, pitcher, SeasonView::Batting).ok());
    QVERIFY(!addToTeam(team, pitcher, SeasonView::Pitching).ok());

    GameRecords sluggers = season(1);
    sluggers[1].BAtBats = 1;
    sluggers[1].BHomers = 11000;
    QVERIFY(ComputeSeasonTotals(sluggers).error().contains("slugging"));
    QVERIFY(ComputeSeasonTotals(sluggers, SeasonView::Pitching).ok());
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
