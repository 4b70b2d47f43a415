// Team batting and pitching tables: their rows and team row, placing, load errors and printing.

#include "core/Csv.h"
#include "core/RecordFiles.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "platform/QtDialogs.h"
#include "platform/Units.h"
#include "platform/UserFolders.h"
#include "platform/WindowDrawing.h"
#include "reports/TeamTables.h"
#include "reports/frmTeamBattingStats.h"
#include "reports/frmTeamPitchingStats.h"
#include "support/LongestGames.h"
#include "support/PdfPages.h"
#include "support/ScriptedDialogs.h"
#include "support/Seasons.h"
#include "support/TableKeys.h"
#include "support/TestFiles.h"
#include "support/TextsInSight.h"
#include "support/WindowTest.h"

#include <QAction>
#include <QDir>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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

// The rows of a CSV file, read by the rules any spreadsheet follows: a field in double quotes may
// hold commas, line ends and doubled quotes.
QVector<QStringList> readCsv(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.append(field);
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            row.append(field);
            rows.append(row);
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
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
    void csvQuotesOnlyWhereNeeded();
    void exportMatchesTheTables();
    void exportIntoAFolderThatRefusesFiles();
    void filesGoWhereTheUserIsTold();
    void exportWritesOnlyRegularFiles_data();
    void exportWritesOnlyRegularFiles();
    void keysWorkAsInADialog_data();
    void keysWorkAsInADialog();
    void longestValuesShowWhole_data();
    void longestValuesShowWhole();
    void longNamesShowWhole_data();
    void longNamesShowWhole();

private:
    std::unique_ptr<TeamTableWindow> openTable(bool pitching)
    {
        if (pitching)
            return std::make_unique<frmTeamPitchingStats>(*m_main);
        return std::make_unique<frmTeamBattingStats>(*m_main);
    }
    void writeTeam(const QVector<QPair<QString, GameRecords>> &players,
                   const QVector<int> &positions = {}, const QString &teamName = "Team1",
                   const QString &seasonName = "Fall 2026");
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
                            const QVector<int> &positions, const QString &teamName,
                            const QString &seasonName)
{
    QDir().mkpath(m_app + teamName);
    TeamFile team;
    team.header = {teamName, "", "", seasonName, "", 0};
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
        // Drawn, not photographed: small, and every text where the window shows it.
        QVERIFY(QFileInfo(pdf).size() > 1000);
        QVERIFY2(QFileInfo(pdf).size() < 200 * 1024,
                 qPrintable(QString::number(QFileInfo(pdf).size())));
        const QVector<PdfWord> words = pdfWords(pdf);
        // The table without its buttons fills the Letter page's 612 points: one factor across
        // and down, from the information's top-left.
        const QRect information = informationRect(*table);
        const double factor = std::min(2.0, 816.0 / information.width());
        QVERIFY(factor > 1.0);
        for (const PdfWord &w : words)
            QVERIFY2(w.text != "Print" && w.text != "Close", qPrintable(w.text));
        double right = 0;
        for (const PdfWord &w : words)
            right = std::max(right, w.xMax);
        int placed = 0;
        for (QLabel *label : table->findChildren<QLabel *>()) {
            const QString text = label->text();
            if (!label->isVisibleTo(table.get()) || text.isEmpty() || text.contains(' '))
                continue;
            // The screen pixel is three quarters of a point, times the factor.
            const QRect shown = QStyle::alignedRect(
                Qt::LeftToRight, label->alignment(),
                QSize(label->fontMetrics().horizontalAdvance(text), label->fontMetrics().height()),
                label->contentsRect());
            const QPointF at =
                QPointF(label->mapTo(table.get(), shown.topLeft()) - information.topLeft()) *
                factor * 0.75;
            const bool found = std::any_of(words.cbegin(), words.cend(), [&](const PdfWord &w) {
                return w.text == text && qAbs(w.xMin - at.x()) <= 1.5 &&
                       qAbs(w.yMin - at.y()) <= 1.5;
            });
            QVERIFY2(found, qPrintable(QString("%1 \"%2\" at %3, %4")
                                           .arg(label->objectName(), text)
                                           .arg(at.x())
                                           .arg(at.y())));
            ++placed;
        }
        QVERIFY(placed > 30);
        // The rightmost text ends within 1 % of the page's width from its right edge at most.
        QVERIFY2(right <= 612.0 && right >= 612.0 * 0.95, qPrintable(QString::number(right)));
    }
    QCOMPARE(m_dialogs.printerDialogs, 2);
    QCOMPARE(m_dialogs.printedNames,
             QStringList({"Team1 - Team Batting Stats", "Team1 - Team Pitching Stats"}));
    QCOMPARE(m_dialogs.messages.size(), 0);
}

void TestReports::csvQuotesOnlyWhereNeeded()
{
    const QVector<QStringList> rows = {{"plain", "a,b", "say \"hi\"", "two\nlines", ""},
                                       {QString::fromUtf8("Müller")}};
    const QByteArray bytes = csvFile(rows);
    QCOMPARE(bytes, QByteArray("\xEF\xBB\xBFplain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n"
                               "M\xC3\xBCller\r\n"));
    QCOMPARE(readCsv(bytes), rows);
}

// Every cell of both team tables and every game, as the windows and files hold them; names and
// opponents with commas and apostrophes come back whole.
void TestReports::exportMatchesTheTables()
{
    GameRecord first = batting(2, 4);
    first.GameDate = "05/02/2026";
    first.Opponent = "Sharks, O'Neill's";
    first.Highlights = "Two hits, one to the gap";
    GameRecord second = pitching(5.1f, 20, 3, "Win");
    second.BHits = 1;
    second.BAtBats = 3;
    writeTeam({{"O'Brien, Jr", season({first, second})}, {"Casey", season({batting(0, 2)})}},
              {6, 1});
    QVERIFY(m_main->findChild<QAction *>("mnuExport")->isEnabled());

    QTemporaryDir out;
    m_dialogs.folderAnswers.enqueue(out.path());
    m_main->findChild<QAction *>("mnuExport")->trigger();
    QCOMPARE(m_dialogs.folders.size(), 1);
    QCOMPARE(m_dialogs.folders[0].title, QString("Export Statistics"));
    QCOMPARE(m_dialogs.folders[0].initialFolder, documentsFolder());
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].icon, MessageIcon::Information);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"Team1 batting.csv", "Team1 games.csv", "Team1 more batting.csv",
                          "Team1 more pitching.csv", "Team1 pitching.csv"}));

    const auto compareWithWindow = [&](StatsTableWindow &window, const TableLayout &layout,
                                       const QString &file, int listed) {
        const QVector<QStringList> rows = readCsv(readBytes(out.filePath(file)));
        QCOMPARE(rows.size(), listed + 2); // the captions and the team row besides
        for (int column = 0; column < layout.columns.size(); ++column) {
            const TableColumn &c = layout.columns[column];
            QCOMPARE(rows[0][column], window.findChild<QLabel *>(c.headerName)->text());
            for (int row = 0; row <= listed; ++row) {
                const int shownRow = row == listed ? RosterSlots : row; // the team row last
                QCOMPARE(rows[row + 1][column], window.cell(c.cellName, shownRow)->text());
            }
        }
    };
    frmTeamBattingStats battingTable(*m_main);
    compareWithWindow(battingTable, teamBattingLayout(), "Team1 batting.csv", 2);
    frmTeamPitchingStats pitchingTable(*m_main);
    compareWithWindow(pitchingTable, teamPitchingLayout(), "Team1 pitching.csv", 1);

    const QVector<QStringList> games = readCsv(readBytes(out.filePath("Team1 games.csv")));
    QCOMPARE(games.size(), 4);
    QCOMPARE(games[0].mid(0, 5), QStringList({"Player", "Game", "Date", "Opponent", "H"}));
    // Name, game, date, opponent, hits and at bats, then 11 counts and innings of 0, the innings
    // as true innings, 5 counts.
    QCOMPARE(games[1],
             QStringList({"O'Brien, Jr", "1", "05/02/2026", "Sharks, O'Neill's", "2", "4"}) +
                 QStringList(12, "0") + QStringList{"0.00"} + QStringList(5, "0") +
                 QStringList({"", "Two hits, one to the gap"}));
    QCOMPARE(games[0].mid(17, 2), QStringList({"IP", "IP decimal"}));
    QCOMPARE(games[2].mid(17, 2), QStringList({"5.1", "5.33"}));
    QCOMPARE(games[2][24], QString("Win"));
    QCOMPARE(games[3].mid(0, 2), QStringList({"Casey", "1"}));
    for (const QStringList &row : games)
        QCOMPARE(row.size(), 26);
}

// A fresh account without a documents folder: the PDF is proposed in the home folder and the
// export's folder dialog opens there; after printing to a file and after exporting the user is
// told the folder and the file names. With a documents folder, that one.
void TestReports::filesGoWhereTheUserIsTold()
{
    writeTeam({{"Casey", season({batting(1, 3)})}});
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    });
    QCOMPARE(documentsFolder(), home.path());
    QCOMPARE(suggestedPrinter("Team1 - Team Batting Stats")->outputFileName(),
             home.path() + "/Team1 - Team Batting Stats.pdf");

    m_dialogs.folderAnswers.enqueue(home.path());
    m_main->exportStatistics();
    QCOMPARE(m_dialogs.folders.last().initialFolder, home.path());
    QVERIFY(QFile::exists(home.path() + "/Team1 games.csv"));
    const QString told = m_dialogs.messages.last().text;
    QVERIFY2(told.contains(home.path()) && told.contains("Team1 batting.csv"), qPrintable(told));

    frmTeamBattingStats table(*m_main);
    const QString pdf = home.path() + "/Team1 - Team Batting Stats.pdf";
    m_dialogs.printerAnswers.enqueue(pdf);
    table.cmdPrint->click();
    QCOMPARE(m_dialogs.printedFiles, QStringList{pdf});
    QCOMPARE(savedFileText(pdf), QString("The pages were saved as \"Team1 - Team Batting "
                                         "Stats.pdf\" in the folder \"%1\".")
                                     .arg(home.path()));

    QVERIFY(QDir(home.path()).mkdir("Documents"));
    QCOMPARE(documentsFolder(), home.path() + "/Documents");
}

void TestReports::exportIntoAFolderThatRefusesFiles()
{
    writeTeam({{"Casey", season({batting(1, 3)})}});
    QTemporaryDir out;
    m_dialogs.folderAnswers.enqueue(std::nullopt); // cancelled: nothing happens
    m_main->exportStatistics();
    QCOMPARE(m_dialogs.messages.size(), 0);

    ReadOnlyFolder readOnly(out.path());
    if (!readOnly.refusesNewFiles())
        QSKIP("this file system lets every folder be written");
    m_dialogs.folderAnswers.enqueue(out.path());
    m_main->exportStatistics();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages[0].text.contains(out.path()),
             qPrintable(m_dialogs.messages[0].text));
    QVERIFY(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestReports::exportWritesOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a link to a stats file") << "link";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a pipe") << "pipe";
}

// A target that is not a plain file is refused before any of the three is written; nothing it
// names is touched.
void TestReports::exportWritesOnlyRegularFiles()
{
    QFETCH(QString, kind);
    writeTeam({{"Casey", season({batting(1, 3)})}});
    const QString stats = m_app + "Team1/Casey.sta";
    const QByteArray games = readBytes(stats);
    QTemporaryDir out;
    const QString target = out.path() + "/Team1 pitching.csv";
    if (kind == "link")
        QVERIFY(QFile::link(stats, target));
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(target));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    m_dialogs.folderAnswers.enqueue(out.path());
    m_main->exportStatistics();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages[0].text.contains(target), qPrintable(m_dialogs.messages[0].text));
    QCOMPARE(readBytes(stats), games);
    QCOMPARE(QDir(out.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"Team1 pitching.csv"});
}

void TestReports::keysWorkAsInADialog_data()
{
    addTableKeyRows();
}

// Enter and Esc both press Close, even while Print has the focus.
void TestReports::keysWorkAsInADialog()
{
    QFETCH(bool, pitching);
    QFETCH(int, key);
    checkKeyPressesClose(*openTable(pitching), key, m_dialogs);
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
    writeTeam({{"Player1", season({pitching(1.0f, 3, 1)})}});
    const QHash<QString, QPoint> designed = TextsInSight::labelPlaces(*openTable(pitchingTable));

    writeBytes(m_app + "Team1/Player1.sta",
               NewStatsFile + "1," + fields + ",\"04/02/2026\",\"Tigers\",\"Win\",\"\"\r\n");
    std::unique_ptr<TeamTableWindow> w = openTable(pitchingTable);
    QCOMPARE(m_dialogs.messages.size(), 0);
    QTEST(w->cell(cell, 0)->text(), "text");
    QTEST(w->cell(cell, RosterSlots)->text(), "text");
    const QStringList cut = TextsInSight::cutTexts(*w);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    const QStringList overlapping = TextsInSight::overlappingTexts(*w);
    QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join('\n')));
    QCOMPARE(TextsInSight::labelPlaces(*w), designed);
}

void TestReports::longNamesShowWhole_data()
{
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("player"); // 26 characters; each player adds a letter of his own
    QTest::addColumn<bool>("teamWhole");
    const QString team = "Springfield Riverside Little League Reds";
    QTest::newRow("40-character team, 27-character players")
        << team << "Maximilian Montgomery-Wort" << true;
    QTest::newRow("wide letters") << team << "Wolfgang Maximilian Murrow" << true;
    // Beyond what narrower letters can hold, the name ends in "..." and is whole in its tooltip.
    QTest::newRow("40 of the widest letters") << "WWWWWWWWWW MMMMMMMMMM WWWWWWWWWW MMMMMMMM"
                                              << "Maximilian Montgomery-Wort" << false;
}

// A 40-character team name, a long season and 27-character player names show whole and clear of
// the heading and of the next column, in narrower letters where their room needs it; no label
// leaves the place its layout gives it.
void TestReports::longNamesShowWhole()
{
    QFETCH(QString, team);
    QFETCH(QString, player);
    QFETCH(bool, teamWhole);
    const QString seasonName = "Spring and Summer Season 2026";
    QVector<QPair<QString, GameRecords>> players;
    for (int i = 0; i < RosterSlots; ++i)
        players.append(
            {QString(QChar('A' + i % 26)) + QString::number(i), season({pitching(1.0f, 3, 1)})});
    // The places of a full roster of short names.
    writeTeam(players);
    const QHash<QString, QPoint> designed[] = {TextsInSight::labelPlaces(*openTable(false)),
                                               TextsInSight::labelPlaces(*openTable(true))};
    for (int i = 0; i < RosterSlots; ++i)
        players[i].first = player + QChar(i < 26 ? 'a' + i : 'Z');
    writeTeam(players, {}, team, seasonName);
    m_main->state().TeamName = team;
    for (const bool pitchingTable : {false, true}) {
        std::unique_ptr<TeamTableWindow> w = openTable(pitchingTable);
        QCOMPARE(m_dialogs.messages.size(), 0);
        if (teamWhole)
            QCOMPARE(w->lblTeamName->text(), team);
        else
            QCOMPARE(w->lblTeamName->toolTip(), team);
        QCOMPARE(w->lblSeason->text(), seasonName);
        for (int row = 0; row < RosterSlots; ++row)
            QCOMPARE(w->cell("lblPlayer", row)->text(), players[row].first);
        const QStringList problems =
            TextsInSight::cutTexts(*w) + TextsInSight::overlappingTexts(*w);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QCOMPARE(TextsInSight::labelPlaces(*w), designed[pitchingTable]);
    }

    // Printed, the names keep to their column as on the screen, and the document is named after
    // the whole team name.
    frmTeamBattingStats batting(*m_main);
    const QString pdf = m_dir->filePath("batting.pdf");
    m_dialogs.printerAnswers.enqueue(pdf);
    batting.cmdPrint->click();
    QCOMPARE(m_dialogs.printedNames, QStringList(team + " - Team Batting Stats"));
    const double positionColumn = twipsToPixels(3000) * 0.75; // a pixel is 3/4 point
    int nameWords = 0;
    for (const PdfWord &word : pdfWords(pdf)) {
        if (!word.text.startsWith(player.section(' ', -1)))
            continue;
        ++nameWords;
        QVERIFY2(word.xMax < positionColumn, qPrintable(word.text));
    }
    QCOMPARE(nameWords, RosterSlots);
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
