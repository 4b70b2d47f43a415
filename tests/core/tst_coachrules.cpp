// The rules behind More Statistics, Pitch Counts and Season Progress, against values worked out by
// hand, and the options file that keeps the pitch-count rules.

#include "core/MoreStatistics.h"
#include "core/Options.h"
#include "core/PitchCounts.h"
#include "core/SeasonProgress.h"
#include "support/Seasons.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace PitchCounts;

namespace {

GameRecord outing(const QString &date, int strikes, int balls, float innings = 1.0f)
{
    GameRecord g;
    g.GameDate = date;
    g.Opponent = "Sharks";
    g.PStrikes = qint16(strikes);
    g.PBalls = qint16(balls);
    g.PInnings = innings;
    return g;
}

GameRecord hitting(int hits, int atBats, int walks, int homers = 0)
{
    GameRecord g;
    g.BHits = qint16(hits);
    g.BAtBats = qint16(atBats);
    g.BWalks = qint16(walks);
    g.BHomers = qint16(homers);
    return g;
}

const QDate June1(2026, 6, 1);

} // namespace

class TestCoachRules : public QObject
{
    Q_OBJECT

private slots:
    void ratesOfTheFixtureSeason();
    void decimalInnings_data();
    void decimalInnings();
    void restAfterAnOuting_data();
    void restAfterAnOuting();
    void pitchesOfADayAddUp();
    void unreadableDatesAreListedNotUsed();
    void theDayAskedAboutDecides();
    void rulesThatContradictThemselvesAreRefused();
    void changedRulesAreKeptInTheOptionsFile();
    void damagedOptionsFileGivesTheDefaults_data();
    void damagedOptionsFileGivesTheDefaults();
    void progressAfterEachGame();
};

// A season worked out by hand: TB = 3 + 1 + 3 = 7 in 7 at bats, 1 walk; innings 2.1 + 3.2 = 6.
void TestCoachRules::ratesOfTheFixtureSeason()
{
    GameRecord first = hitting(2, 4, 1);
    first.BDoubles = 1;
    first.BSOs = 1;
    first.BSBs = 1;
    first.PInnings = 2.1f;
    first.PHits = 3;
    first.PRuns = 1;
    first.PWalks = 1;
    first.PSOs = 3;
    first.PStrikes = 30;
    first.PBalls = 15;
    first.Decision = "Win";
    GameRecord second = hitting(1, 3, 0, 1);
    second.BSOs = 2;
    second.PInnings = 3.2f;
    second.PHits = 4;
    second.PRuns = 2;
    second.PWalks = 2;
    second.PSOs = 4;
    second.PStrikes = 40;
    second.PBalls = 25;
    second.Decision = "Loss";
    const GameRecords records = season({first, second});
    QCOMPARE(MoreStats::battingFigures(*ComputeSeasonTotals(records, SeasonView::Batting)),
             QStringList({"2", "7", "3", "7", "1", "0", "1", "1", "3", "1", ".429", ".500", "1.000",
                          "1.500", ".571", "0.33"}));
    QCOMPARE(MoreStats::pitchingFigures(*ComputeSeasonTotals(records, SeasonView::Pitching)),
             QStringList({"2", "6", "1", "1", "0", ".500", "7", "3", "3", "7", "4.500", "3.50",
                          "1.67", "10.50", "4.50", "10.50", "2.33", "110", "64"}));

    // Nothing to divide by: walks only, and batters faced without an out or a pitch.
    QCOMPARE(MoreStats::battingFigures(
                 *ComputeSeasonTotals(season({hitting(0, 0, 2)}), SeasonView::Batting))
                 .mid(10),
             QStringList({"—", "1.000", "—", "—", "—", "—"}));
    GameRecord faced;
    faced.PAtBats = 2;
    faced.PHits = 2;
    faced.PRuns = 2;
    QCOMPARE(
        MoreStats::pitchingFigures(*ComputeSeasonTotals(season({faced}), SeasonView::Pitching)),
        QStringList({"1", "0", "0", "0", "0", "—", "2", "2", "0", "0", "—", "—", "—", "—", "—", "—",
                     "—", "0", "—"}));
    // 5 strikes in 8 pitches is 62.5 %, a tie, to even.
    faced.PStrikes = 5;
    faced.PBalls = 3;
    QCOMPARE(MoreStats::pitchingFigures(*ComputeSeasonTotals(season({faced}), SeasonView::Pitching))
                 .mid(17),
             QStringList({"8", "62"}));
}

void TestCoachRules::decimalInnings_data()
{
    QTest::addColumn<float>("innings");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("14.2") << 14.2f << "14.67";
    QTest::newRow("0.1") << 0.1f << "0.33";
    QTest::newRow("7") << 7.0f << "7.00";
    QTest::newRow("0") << 0.0f << "0.00";
}

void TestCoachRules::decimalInnings()
{
    QFETCH(float, innings);
    QTEST(MoreStats::decimalInnings(innings), "decimal");
}

void TestCoachRules::restAfterAnOuting_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("pitches");
    QTest::addColumn<int>("rest");
    QTest::addColumn<QDate>("firstAllowed");
    QTest::addColumn<QString>("status"); // as of June 2
    const struct
    {
        int age, pitches, rest, day;
        const char *status;
    } cases[] = {
        {12, 20, 0, 2, "available"},
        {12, 21, 1, 3, "rests until 06/02/2026"},
        {12, 35, 1, 3, "rests until 06/02/2026"},
        {12, 36, 2, 4, "rests until 06/03/2026"},
        {12, 66, 4, 6, "rests until 06/05/2026"},
        {15, 20, 0, 2, "available"},
        {15, 21, 0, 2, "available"},
        {15, 35, 1, 3, "rests until 06/02/2026"},
        {15, 36, 1, 3, "rests until 06/02/2026"},
        {15, 66, 3, 5, "rests until 06/04/2026"},
    };
    for (const auto &c : cases)
        QTest::addRow("age %d, %d pitches", c.age, c.pitches)
            << c.age << c.pitches << c.rest << QDate(2026, 6, c.day) << QString(c.status);
}

// One outing on June 1 (written M/D/YYYY as well as MM/DD/YYYY), looked at on June 2.
void TestCoachRules::restAfterAnOuting()
{
    QFETCH(int, age);
    QFETCH(int, pitches);
    for (const QString date : {"06/01/2026", "6/1/2026"}) {
        const Pitcher pitcher = assess("Avery", age, season({outing(date, pitches, 0)}),
                                       defaultRules(), QDate(2026, 6, 2));
        QTEST(*pitcher.restDays, "rest");
        QTEST(*pitcher.firstAllowed, "firstAllowed");
        QTEST(statusText(pitcher), "status");
        QCOMPARE(pitcher.outings.size(), 1);
        QCOMPARE(pitcher.outings[0].pitches, pitches);
        QVERIFY(!pitcher.outings[0].overLimit);
    }
}

// Two games on one day are one day's pitches: 20 + 20 rest as 40; 50 + 40 pass the daily 85 of
// a 12-year-old, and both outings of that day are marked.
void TestCoachRules::pitchesOfADayAddUp()
{
    Pitcher pitcher = assess("Avery", 12,
                             season({outing("05/30/2026", 50, 40), outing("06/01/2026", 12, 8),
                                     outing("06/01/2026", 15, 5)}),
                             defaultRules(), QDate(2026, 6, 2));
    QCOMPARE(pitcher.limit, std::optional<int>(85));
    QCOMPARE(*pitcher.restDays, 2);
    QCOMPARE(*pitcher.firstAllowed, QDate(2026, 6, 4));
    QCOMPARE(pitcher.outings.size(), 3);
    // Newest first, the later game of a day first.
    QCOMPARE(pitcher.outings[0].game, 3);
    QCOMPARE(pitcher.outings[1].game, 2);
    QCOMPARE(pitcher.outings[2].game, 1);
    QVERIFY(!pitcher.outings[0].overLimit && !pitcher.outings[1].overLimit);
    QVERIFY(pitcher.outings[2].overLimit);
}

void TestCoachRules::unreadableDatesAreListedNotUsed()
{
    // The latest game's date cannot be read: he may have pitched after the readable one.
    Pitcher pitcher = assess(
        "Avery", 12, season({outing("05/20/2026", 70, 0), outing("June 1", 10, 0), GameRecord{}}),
        defaultRules(), QDate(2026, 6, 2));
    QCOMPARE(pitcher.outings.size(), 2); // the game without pitching is no outing
    QCOMPARE(pitcher.outings[1].date, QString("June 1"));
    QVERIFY(!pitcher.outings[1].day);
    QCOMPARE(statusText(pitcher), QString("date not readable"));
    QVERIFY(!pitcher.firstAllowed);

    // An unreadable date before a readable one changes nothing.
    pitcher =
        assess("Avery", 12, season({outing("13/01/2026", 10, 0), outing("05/31/2026", 40, 0)}),
               defaultRules(), QDate(2026, 6, 2));
    QCOMPARE(statusText(pitcher), QString("rests until 06/02/2026"));
    for (const char *text : {"2026-06-01", "06/01/26", "6-1-2026", "02/30/2026", ""})
        QVERIFY2(!readGameDate(QString::fromLatin1(text)), text);
}

// Outings after the day asked about are listed, but the last one up to that day decides; ages
// without a rule say so.
void TestCoachRules::theDayAskedAboutDecides()
{
    const GameRecords games = season({outing("06/01/2026", 70, 0), outing("06/10/2026", 5, 0)});
    Pitcher pitcher = assess("Avery", 12, games, defaultRules(), QDate(2026, 6, 3));
    QCOMPARE(pitcher.outings.size(), 2);
    QCOMPARE(*pitcher.firstAllowed, QDate(2026, 6, 6));
    QCOMPARE(statusText(pitcher), QString("rests until 06/05/2026"));
    QCOMPARE(statusText(assess("Avery", 12, games, defaultRules(), QDate(2026, 6, 6))),
             QString("available"));
    QCOMPARE(statusText(assess("Avery", 19, games, defaultRules(), QDate(2026, 6, 3))),
             QString("no rule for age 19"));
    QCOMPARE(statusText(assess("Avery", 0, games, defaultRules(), QDate(2026, 6, 3))),
             QString("no age in his profile"));
    QCOMPARE(statusText(assess("Avery", 12, games, defaultRules(), QDate(2026, 5, 1))),
             QString("available"));
}

void TestCoachRules::rulesThatContradictThemselvesAreRefused()
{
    QVERIFY(!problemIn(defaultRules()));
    Rules rules = defaultRules();
    rules.limits.append({10, 11, 80});
    QCOMPARE(*problemIn(rules), QString("The ages 10–11 have two daily limits."));
    rules = defaultRules();
    rules.rest[1].fromPitches = 20; // 20 is in the first row already
    QCOMPARE(*problemIn(rules), QString("Two rest rules hold the same pitches for ages 7–14."));
    rules = defaultRules();
    rules.limits[0].toAge = 6;
    QVERIFY(problemIn(rules));
}

void TestCoachRules::changedRulesAreKeptInTheOptionsFile()
{
    QTemporaryDir dir;
    const QString app = dir.path() + "/";
    // No file yet: the defaults, nothing to tell, nothing written.
    Options::PitchRules read = Options::readPitchRules(app);
    QVERIFY(read.rules == defaultRules() && read.problem.isEmpty());
    QVERIFY(!QFile::exists(app + "Scorebinder.ini"));

    Rules rules = defaultRules();
    rules.limits[2].pitches = 70;         // 11-12
    rules.rest[4] = {7, 14, 66, 80, 4};   // 66-80
    rules.rest.append({7, 14, 81, 0, 5}); // 81 or more
    QVERIFY(Options::writePitchRules(app, rules).ok());
    const QByteArray file = readBytes(app + "Scorebinder.ini");
    QVERIFY2(file.contains("[PitchCounts]"), file.constData());
    QVERIFY2(file.contains("DailyLimits\\3\\Ages=11-12"), file.constData());
    QVERIFY2(file.contains("RestDays\\11\\Pitches=81+"), file.constData());
    read = Options::readPitchRules(app);
    QVERIFY(read.rules == rules);
    QVERIFY(read.problem.isEmpty());
    const Pitcher pitcher =
        assess("Avery", 12, season({outing("06/01/2026", 90, 0)}), read.rules, June1);
    QCOMPARE(*pitcher.restDays, 5);
    QVERIFY(pitcher.outings[0].overLimit); // 90 past the new 70
    // Options of other kinds in the file are kept.
    writeBytes(app + "Scorebinder.ini", file + "[Cards]\r\nOffset=3\r\n");
    QVERIFY(Options::writePitchRules(app, defaultRules()).ok());
    QVERIFY(readBytes(app + "Scorebinder.ini").contains("Offset=3"));
}

void TestCoachRules::damagedOptionsFileGivesTheDefaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("why");
    QTest::newRow("ages not a range")
        << QByteArray("[PitchCounts]\nDailyLimits\\1\\Ages=seven\nDailyLimits\\1\\Pitches=50\n"
                      "DailyLimits\\size=1\n")
        << "daily limit 1 cannot be read";
    QTest::newRow("days not a number")
        << QByteArray("[PitchCounts]\nRestDays\\1\\Ages=7-14\nRestDays\\1\\Pitches=1-20\n"
                      "RestDays\\1\\Days=many\nRestDays\\size=1\n")
        << "rest rule 1 cannot be read";
    QTest::newRow("rows that overlap")
        << QByteArray("[PitchCounts]\nDailyLimits\\1\\Ages=7-10\nDailyLimits\\1\\Pitches=50\n"
                      "DailyLimits\\2\\Ages=9-12\nDailyLimits\\2\\Pitches=75\n"
                      "DailyLimits\\size=2\n")
        << "The ages 9–12 have two daily limits";
    QTest::newRow("rows not counted")
        << QByteArray("[PitchCounts]\nDailyLimits\\1\\Ages=7-8\nDailyLimits\\size=abc\n")
        << "the number of rows of DailyLimits cannot be read";
    QTest::newRow("no INI file") << QByteArray("[PitchCounts\nDailyLimits\\size=2\n")
                                 << "it is not an options file";
    QTest::newRow("a folder") << QByteArray() << "it is a folder";
}

void TestCoachRules::damagedOptionsFileGivesTheDefaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString app = dir.path() + "/";
    if (bytes.isEmpty())
        QVERIFY(QDir().mkdir(app + "Scorebinder.ini"));
    else
        writeBytes(app + "Scorebinder.ini", bytes);
    const Options::PitchRules read = Options::readPitchRules(app);
    QVERIFY(read.rules == defaultRules());
    QVERIFY2(read.problem.contains(app + "Scorebinder.ini") && read.problem.contains(why),
             qPrintable(read.problem));
    // Reading never writes: the file waits for the user to change an option.
    if (!bytes.isEmpty())
        QCOMPARE(readBytes(app + "Scorebinder.ini"), bytes);
    else
        QVERIFY(!Options::writePitchRules(app, defaultRules()).ok());
}

// Five games: after each, the average and slugging from the sums so far; the earned run average
// only after the games with innings.
void TestCoachRules::progressAfterEachGame()
{
    GameRecord third = hitting(0, 2, 2);
    third.PInnings = 2.0f;
    third.PRuns = 1;
    GameRecord fourth = hitting(2, 4, 0, 1);
    GameRecord fifth = hitting(0, 0, 0);
    fifth.PInnings = 0.1f;
    fifth.PRuns = 2;
    const Outcome<SeasonProgress::Lines> lines =
        SeasonProgress::linesOf(season({hitting(1, 4, 0), hitting(2, 3, 1), third, fourth, fifth}));
    QVERIFY(lines.ok());
    using P = SeasonProgress::Point;
    // Hits 1, 3, 3, 5, 5 in 4, 7, 9, 13, 13 at bats; bases with walks 1, 4, 6, 11, 11 in 4, 8, 12,
    // 16, 16 chances.
    QCOMPARE(lines->average,
             QVector<P>({{1, 0.25f}, {2, 0.429f}, {3, 0.333f}, {4, 0.385f}, {5, 0.385f}}));
    QCOMPARE(lines->slugging,
             QVector<P>({{1, 0.25f}, {2, 0.5f}, {3, 0.5f}, {4, 0.688f}, {5, 0.688f}}));
    // 1 run in 2 innings: 4.5; then 3 runs in 2 1/3: 11.571.
    QCOMPARE(lines->era, QVector<P>({{3, 4.5f}, {5, 11.571f}}));
}

QTEST_GUILESS_MAIN(TestCoachRules)
#include "tst_coachrules.moc"
