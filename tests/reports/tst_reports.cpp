// Team batting and pitching tables: their rows and team row, placing, load errors and printing.

#include "core/RecordFiles.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "platform/Units.h"
#include "reports/TeamTables.h"
#include "reports/frmTeamBattingStats.h"
#include "reports/frmTeamPitchingStats.h"
#include "support/LongestGames.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "support/TextsInSight.h"
#include "support/WindowTest.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace TeamTables;

namespace {

GameRecord batting(int hits, int atBats)
{
    GameRecord g;
    g.BHits = qint16(hits);
    g.BAtBats = qint16(atBats);
    return g;
}

GameRecord pitching(float innings, int battersFaced, int earnedRuns,
                    const QString &decision = QString())
{
    GameRecord g;
    g.PInnings = innings;
    g.PAtBats = qint16(battersFaced);
    g.PRuns = qint16(earnedRuns);
    g.Decision = decision;
    return g;
}

// Record 0 and the games, numbered.
GameRecords season(const QVector<GameRecord> &games)
{
    GameRecords records{GameRecord{}};
    for (int i = 0; i < games.size(); ++i) {
        records.append(games[i]);
        records.last().GameNumber = qint16(i + 1);
    }
    return records;
}

PlayerSeason player(const QString &name, const QVector<GameRecord> &games, int position = 1)
{
    return {name, qint16(position), *ComputeSeasonTotals(season(games), SeasonView::Pitching)};
}

PlayerSeason batter(const QString &name, const QVector<GameRecord> &games, int position = 1)
{
    return {name, qint16(position), *ComputeSeasonTotals(season(games))};
}

enum BattingColumn
{
    BPlayer,
    BPosition,
    BGames,
    BAtBats,
    BHits,
    BAvg = 13,
    BSlug = 14
};
enum PitchingColumn
{
    PPlayer,
    PGames,
    PWins,
    PLosses,
    PSaves,
    PInnings,
    PAvg = 14,
    PERA = 15
};

} // namespace

class TestReports : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup();

    void battingRowsAndTeamRow();
    void pitchersOnly();
    void pitchingTeamRow();

    void emptyRosterPlacesTheTeamRow();
    void fullRosterWindows();
    void loadErrorsShowNoFigures();
    void pitchingSumsConcernOnlyThePitchingTable();
    void printsToPdf();
    void longestValuesShowWhole_data();
    void longestValuesShowWhole();
    void longNamesShowWhole();

private:
    void writeTeam(const QVector<QPair<QString, GameRecords>> &players,
                   const QVector<int> &positions = {}, const QString &teamName = "Team1");
};

void TestReports::init()
{
    prepare();
    QDir().mkpath(m_app + "Team1");
    writeBytes(m_app + "settings.dft", "\"Team1\",\"\",0,0\r\n");
    writeTeam({});
    startMain();
}

void TestReports::cleanup()
{
    finish();
}

void TestReports::writeTeam(const QVector<QPair<QString, GameRecords>> &players,
                            const QVector<int> &positions, const QString &teamName)
{
    QDir().mkpath(m_app + teamName);
    TeamFile team;
    team.header = {teamName, "", "", "Fall 2026", "", 0};
    for (int i = 0; i < players.size(); ++i) {
        team.roster[i] = {players[i].first, qint16(positions.value(i, 1))};
        if (!players[i].first.isEmpty())
            QVERIFY(
                RecordFiles::WriteGameRecords(m_app, teamName, players[i].first, players[i].second)
                    .ok());
    }
    QVERIFY(RecordFiles::WriteTeamFile(m_app, teamName, team).ok());
}

void TestReports::battingRowsAndTeamRow()
{
    const QVector<PlayerSeason> players = {
        batter("Ten", QVector<GameRecord>(9, batting(0, 0)) + QVector<GameRecord>{batting(1, 3)},
               0),
        batter("Twelve",
               QVector<GameRecord>(11, batting(0, 0)) + QVector<GameRecord>{batting(0, 1)}, 11),
        batter("Eight", QVector<GameRecord>(8, batting(0, 0)), 6),
        batter("Placeholder", {}, 10),
    };
    const Table table = *battingTable(players);
    QCOMPARE(table.rows.size(), 4);
    QCOMPARE(table.rows[0][BPosition], QString()); // code 0
    QCOMPARE(table.rows[1][BPosition], QString()); // code 11
    QCOMPARE(table.rows[2][BPosition], QString("SS"));
    QCOMPARE(table.rows[0][BAvg], QString(".333"));
    QCOMPARE(table.rows[3][BGames], QString("0"));
    QCOMPARE(table.rows[3][BAvg], QString(".000"));
    QCOMPARE(table.rows[3][BSlug], QString(".000"));
    QCOMPARE(table.team[BPlayer], QString("Team"));
    QCOMPARE(table.team[BPosition], QString());
    QCOMPARE(table.team[BGames], QString("12")); // the most games, not their sum
    QCOMPARE(table.team[BHits], QString("1"));
    QCOMPARE(table.team[BAtBats], QString("4"));
    QCOMPARE(table.team[BAvg], QString(".250")); // from the sums, not the average of averages
}

void TestReports::pitchersOnly()
{
    const QVector<PlayerSeason> players = {
        player("Starter", {pitching(5.1f, 20, 3, "Win"), pitching(2.2f, 9, 0, "Loss")}),
        player("Batter", {batting(2, 4), batting(1, 3)}),
        player("NoOuts", {pitching(0, 2, 2)}),
        player("Closer", {pitching(6.2f, 25, 3, "Save"), pitching(0, 0, 0, "No Decision")}),
    };
    const Table table = *pitchingTable(players);
    QCOMPARE(table.rows.size(), 3);
    QCOMPARE(table.rows[0][PPlayer], QString("Starter"));
    QCOMPARE(table.rows[0][PInnings], QString("8")); // 5 1/3 + 2 2/3
    QCOMPARE(table.rows[0][PGames], QString("2"));
    QCOMPARE(table.rows[1][PPlayer], QString("NoOuts"));
    QCOMPARE(table.rows[1][PERA], QString("0.000"));
    QCOMPARE(table.rows[1][PGames], QString("1"));
    QCOMPARE(table.rows[2][PERA], QString("4.050"));
    QCOMPARE(table.rows[2][PSaves], QString("1"));
    QCOMPARE(table.team[PWins], QString("1"));
    QCOMPARE(table.team[PLosses], QString("1"));
    QCOMPARE(table.team[PSaves], QString("1"));
    QCOMPARE(table.team[PGames], QString("2"));
    QCOMPARE(table.team[PInnings], QString("14.2")); // 8 + 0 + 6 2/3
}

void TestReports::pitchingTeamRow()
{
    Table table =
        *pitchingTable({player("A", {pitching(5.2f, 1, 0)}), player("B", {pitching(2.2f, 1, 2)})});
    QCOMPARE(table.team[PInnings], QString("8.1"));
    table = *pitchingTable({player("A", {pitching(7, 28, 2)})});
    QCOMPARE(table.rows[0][PERA], QString("2.571"));
    QCOMPARE(table.rows[0][PInnings], QString("7"));
    table = *pitchingTable({});
    QCOMPARE(table.team[PGames], QString("0"));
    QCOMPARE(table.team[PInnings], QString("0"));
    QCOMPARE(table.team[PAvg], QString(".000"));
    QCOMPARE(table.team[PERA], QString("0.000"));
}

void TestReports::emptyRosterPlacesTheTeamRow()
{
    frmTeamBattingStats batting(*m_main);
    QCOMPARE(batting.windowTitle(), QString("Team Batting Stats"));
    QCOMPARE(batting.cell("lblPlayer", 27)->text(), QString("Team"));
    QCOMPARE(batting.cell("lblBGames", 27)->text(), QString("0"));
    QCOMPARE(batting.cell("lblBAvg", 27)->text(), QString(".000"));
    QCOMPARE(batting.cell("lblBHits", 27)->y(), twipsToPixels(915));
    QCOMPARE(batting.cell("lblPlayer", 27)->y(), twipsToPixels(915));
    QCOMPARE(batting.Line2->y(), twipsToPixels(870));
    QCOMPARE(batting.lblTeamName->text(), QString("Team1"));
    QCOMPARE(batting.lblSeason->text(), QString("Fall 2026"));
    frmTeamPitchingStats pitching(*m_main);
    QCOMPARE(pitching.cell("lblPERA", 27)->text(), QString("0.000"));
    QCOMPARE(pitching.cell("lblPAVG", 27)->text(), QString(".000"));
    QCOMPARE(pitching.cell("lblPwildpitches", 27)->y(), twipsToPixels(915));
    QCOMPARE(pitching.Line2->y(), twipsToPixels(870));
    QCOMPARE(m_dialogs.messages.size(), 0);
}

void TestReports::fullRosterWindows()
{
    QVector<QPair<QString, GameRecords>> players;
    for (int i = 0; i < RosterSlots; ++i)
        players.append(
            {QStringLiteral("Player%1").arg(i + 1),
             season(QVector<GameRecord>(i % 3 == 0 ? 3 : 2,
                                        i % 3 == 0 ? pitching(1.1f, 5, 1) : batting(1, 2)))});
    players[4].first.clear(); // a damaged roster: an empty slot among the players
    writeTeam(players, QVector<int>(RosterSlots, 3));
    m_main->state().PlayerCount = 99;
    frmTeamBattingStats batting(*m_main);
    QCOMPARE(m_main->state().PlayerCount, qint16(26));
    QCOMPARE(batting.cell("lblPlayer", 4)->text(), QString("Player6"));
    QCOMPARE(batting.cell("lblPlayer", 25)->text(), QString("Player27"));
    QCOMPARE(batting.cell("lblPosition1", 0)->text(), QString("1B"));
    QCOMPARE(batting.cell("lblPlayer", 26)->text(), QString());
    QCOMPARE(batting.cell("lblBHits", 27)->y(), twipsToPixels(26 * 200 + 915));
    QCOMPARE(batting.cell("lblBGames", 27)->text(), QString("3"));

    frmTeamPitchingStats pitching(*m_main);
    QCOMPARE(pitching.cell("lblPlayer", 0)->text(), QString("Player1"));
    QCOMPARE(pitching.cell("lblPlayer", 1)->text(), QString("Player4"));
    QCOMPARE(pitching.cell("lblPlayer", 8)->text(), QString("Player25"));
    QCOMPARE(pitching.cell("lblPlayer", 9)->text(), QString());
    QCOMPARE(pitching.cell("lblPInnings", 0)->text(), QString("4")); // 3 x 1 1/3
    QCOMPARE(pitching.cell("lblPERA", 27)->y(), twipsToPixels(9 * 200 + 915));
    QCOMPARE(pitching.Line2->y(), twipsToPixels(9 * 200 + 870));
}

void TestReports::loadErrorsShowNoFigures()
{
    writeTeam({{"Good", season({batting(1, 2)})}, {"Bad", season({})}});
    writeBytes(m_app + "Team1/Bad.sta", "0,0,0\r\n");
    frmTeamBattingStats batting(*m_main);
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages[0].text.startsWith(
                 QString("Bad's games: Cannot read \"%1Team1/Bad.sta\", line 1:").arg(m_app)),
             qPrintable(m_dialogs.messages[0].text));
    QCOMPARE(batting.cell("lblPlayer", 0)->text(), QString());
    QCOMPARE(batting.cell("lblPlayer", 27)->text(), QString());
    QCOMPARE(batting.lblTeamName->text(), QString());
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    QFile::remove(m_app + "Team1/Team1.tea");
    frmTeamPitchingStats pitching(*m_main);
    QVERIFY(m_dialogs.messages[1].text.contains("Team1.tea\": the file does not exist."));
    QCOMPARE(pitching.cell("lblPERA", 27)->text(), QString());
}

void TestReports::pitchingSumsConcernOnlyThePitchingTable()
{
    GameRecord heavy;
    heavy.PInnings = 1;
    heavy.PStrikes = 20000;
    writeTeam({{"Ann", season({heavy})}, {"Bea", season({heavy})}});
    frmTeamBattingStats batting(*m_main);
    QCOMPARE(m_dialogs.messages.size(), 0);
    QCOMPARE(batting.cell("lblPlayer", 1)->text(), QString("Bea"));
    QCOMPARE(batting.lblTeamName->text(), QString("Team1"));
    frmTeamPitchingStats pitching(*m_main);
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY(m_dialogs.messages[0].text.contains("strikes thrown pass 32767"));
}

void TestReports::printsToPdf()
{
    writeTeam({{"Casey", season({batting(2, 4), pitching(3, 12, 1, "Win")})}});
    for (const QString name : {"batting", "pitching"}) {
        std::unique_ptr<StatsTableWindow> table;
        if (name == "batting")
            table = std::make_unique<frmTeamBattingStats>(*m_main);
        else
            table = std::make_unique<frmTeamPitchingStats>(*m_main);
        const QString pdf = m_dir->filePath(name + ".pdf");
        m_dialogs.printerAnswers.enqueue(pdf);
        table->cmdPrint->click();
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }
    QCOMPARE(m_dialogs.printerDialogs, 2);
    QCOMPARE(m_dialogs.messages.size(), 0);
}

void TestReports::longestValuesShowWhole_data()
{
    QTest::addColumn<bool>("pitchingTable");
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("text");
    for (const LongestGame &game : longestGames())
        QTest::newRow(game.name) << game.pitching << game.fields << game.cell << game.text;
}

// A player's row and the team row show their longest texts whole, clear of their neighbours, and
// every label keeps the place the layout gives it.
void TestReports::longestValuesShowWhole()
{
    QFETCH(bool, pitchingTable);
    QFETCH(QByteArray, fields);
    QFETCH(QString, cell);
    const auto open = [this](bool pitchingTable) -> std::unique_ptr<TeamTableWindow> {
        if (pitchingTable)
            return std::make_unique<frmTeamPitchingStats>(*m_main);
        return std::make_unique<frmTeamBattingStats>(*m_main);
    };
    const auto places = [](const QWidget &w) {
        QHash<QString, QPoint> places;
        for (const QLabel *label : w.findChildren<QLabel *>())
            places.insert(label->objectName(), label->pos());
        return places;
    };
    writeTeam({{"Player1", season({pitching(1.0f, 3, 1)})}});
    const QHash<QString, QPoint> designed = places(*open(pitchingTable));

    writeBytes(m_app + "Team1/Player1.sta",
               NewStatsFile + "1," + fields + ",\"04/02/2026\",\"Tigers\",\"Win\",\"\"\r\n");
    std::unique_ptr<TeamTableWindow> w = open(pitchingTable);
    QCOMPARE(m_dialogs.messages.size(), 0);
    QTEST(w->cell(cell, 0)->text(), "text");
    QTEST(w->cell(cell, RosterSlots)->text(), "text");
    const QStringList cut = TextsInSight::cutTexts(*w);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    const QStringList overlapping = TextsInSight::overlappingTexts(*w);
    QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join('\n')));
    QCOMPARE(places(*w), designed);
}

// A long team name and full-length player names show whole, from the left their labels have. The
// name column is as wide as the layout gives it; a longer name runs on over the next columns.
void TestReports::longNamesShowWhole()
{
    const QString team = "Springfield Riverside Little League Reds";
    QVector<QPair<QString, GameRecords>> players;
    for (int i = 0; i < RosterSlots; ++i)
        players.append({QString("Maximilian Montgomery-Wort") + QChar(i < 26 ? 'a' + i : 'Z'),
                        season({pitching(1.0f, 3, 1)})});
    writeTeam(players, {}, team);
    m_main->state().TeamName = team;
    frmTeamBattingStats batting(*m_main);
    frmTeamPitchingStats pitching(*m_main);
    for (TeamTableWindow *w : std::initializer_list<TeamTableWindow *>{&batting, &pitching}) {
        QCOMPARE(w->lblTeamName->text(), team);
        QCOMPARE(w->cell("lblPlayer", 26)->text(), players[26].first);
        const QStringList cut = TextsInSight::cutTexts(*w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
    QCOMPARE(batting.cell("lblPlayer", 0)->x(), twipsToPixels(1440));
    QCOMPARE(pitching.cell("lblPlayer", 0)->x(), twipsToPixels(720));
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
