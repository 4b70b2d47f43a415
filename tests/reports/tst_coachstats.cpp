// More Statistics, Pitch Counts and Season Progress as a coach uses them: every figure of a small
// team worked out by hand, the files the export writes, the rules kept in the options file, and the
// chart on the recording canvas and in a real PDF.

#include "core/RecordFiles.h"
#include "platform/Fonts.h"
#include "reports/MoreTables.h"
#include "reports/ProgressChart.h"
#include "reports/frmCareerTotals.h"
#include "reports/frmMoreStatistics.h"
#include "reports/frmPitchCounts.h"
#include "reports/frmPitchRules.h"
#include "reports/frmSeasonProgress.h"
#include "support/PdfPages.h"
#include "support/RecordingCanvas.h"
#include "support/Seasons.h"
#include "support/TestFiles.h"
#include "support/WindowTest.h"

#include <QAction>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

GameRecord game(const QString &date, int hits, int atBats, int walks)
{
    GameRecord g;
    g.GameDate = date;
    g.Opponent = "Sharks";
    g.BHits = qint16(hits);
    g.BAtBats = qint16(atBats);
    g.BWalks = qint16(walks);
    return g;
}

GameRecord pitched(GameRecord g, float innings, int hits, int earnedRuns, int walks, int strikeouts,
                   int strikes, int balls, const QString &decision)
{
    g.PInnings = innings;
    g.PAtBats = qint16(3 * int(innings) + hits + walks);
    g.PHits = qint16(hits);
    g.PRuns = qint16(earnedRuns);
    g.PWalks = qint16(walks);
    g.PSOs = qint16(strikeouts);
    g.PStrikes = qint16(strikes);
    g.PBalls = qint16(balls);
    g.Decision = decision;
    return g;
}

// Avery: 3 hits (a double, a home run) in 7 at bats, a walk; 2.1 + 3.2 innings, 3 earned runs.
// Blake: two walks and no at bat. Casey: a hit in his one at bat; two batters faced, no out.
GameRecords averysGames()
{
    GameRecord first = pitched(game("05/30/2026", 2, 4, 1), 2.1f, 3, 1, 1, 3, 30, 15, "Win");
    first.BDoubles = 1;
    first.BSOs = 1;
    first.BSBs = 1;
    GameRecord second = pitched(game("06/01/2026", 1, 3, 0), 3.2f, 4, 2, 2, 4, 40, 25, "Loss");
    second.BHomers = 1;
    second.BSOs = 2;
    return season({first, second});
}

GameRecords caseysGames()
{
    GameRecord faced = game("June 1", 1, 1, 0);
    faced.PAtBats = 2;
    faced.PHits = 2;
    faced.PRuns = 2;
    faced.PStrikes = 5;
    faced.PBalls = 3;
    return season({faced});
}

const QVector<QStringList> BattingRows = {
    {"Avery", "2", "7", "3", "7", "1", "0", "1", "1", "3", "1", ".429", ".500", "1.000", "1.500",
     ".571", "0.33"},
    {"Blake", "1", "0", "0", "0", "0", "0", "0", "2", "0", "0", "—", "1.000", "—", "—", "—", "—"},
    {"Casey", "1", "1", "1", "1", "0", "0", "0", "0", "0", "0", "1.000", "1.000", "1.000", "2.000",
     ".000", "—"},
    // From the sums: 4 hits in 8 at bats, 7 on base in 11 chances; not the players' rates averaged.
    {"Team", "2", "8", "4", "8", "1", "0", "1", "3", "3", "1", ".500", ".636", "1.000", "1.636",
     ".500", "1.00"}};
const QVector<QStringList> PitchingRows = {
    {"Avery", "2",     "6",    "1",    "1",     "0",    ".500",  "7",    "3",   "3",
     "7",     "4.500", "3.50", "1.67", "10.50", "4.50", "10.50", "2.33", "110", "64"},
    {"Casey", "1", "0", "0", "0", "0", "—", "2", "2", "0",
     "0",     "—", "—", "—", "—", "—", "—", "—", "8", "62"},
    {"Team", "2",     "6",    "1",    "1",     "0",    ".500",  "9",    "5",   "3",
     "7",    "7.500", "5.83", "2.00", "10.50", "4.50", "13.50", "2.33", "118", "64"}};

QVector<QStringList> rowsOf(const QTableWidget *table)
{
    QVector<QStringList> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells.append(table->item(row, column)->text());
        rows.append(cells);
    }
    return rows;
}

QStringList headingsOf(const QTableWidget *table)
{
    QStringList headings;
    for (int column = 0; column < table->columnCount(); ++column)
        headings.append(table->horizontalHeaderItem(column)->text());
    return headings;
}

void clickHeading(QTableWidget *table, int column)
{
    QHeaderView *header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
}

QByteArray csvLines(const QVector<QStringList> &rows)
{
    QByteArray bytes = "\xEF\xBB\xBF";
    for (const QStringList &row : rows)
        bytes += row.join(',').toUtf8() + "\r\n";
    return bytes;
}

} // namespace

class TestCoachStats : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup() { finish(); }

    void moreStatisticsOfTheTeam();
    void headingsOrderThePlayers();
    void exportWritesTheMoreTables();
    void pitchCountsAsOfADay();
    void changedRulesAreKeptAndUsed();
    void damagedOptionsFileIsToldOnce();
    void helpExplainsEveryColumn();
    void progressChartPoints();
    void progressChartPrintsAsDrawing();
    void careerTotalsSumTheSeasons();

private:
    void writePlayer(int slot, const QString &name, int age, const GameRecords &games,
                     const QString &team = "Team1", const QString &season = "Spring 2026");
    template <class Window>
    Window *openFromMenu(const char *item);
    void seeProgressWith(const GameRecords &games);
};

void TestCoachStats::init()
{
    prepare();
    QDir().mkpath(m_app + "Team1");
    writeBytes(m_app + "settings.dft", "\"Team1\",\"Avery\",0,0\r\n");
    writePlayer(0, "Avery", 12, averysGames());
    writePlayer(1, "Blake", 15, season({game("05/30/2026", 0, 0, 2)}));
    writePlayer(2, "Casey", 15, caseysGames());
    startMain();
}

void TestCoachStats::writePlayer(int slot, const QString &name, int age, const GameRecords &games,
                                 const QString &teamName, const QString &season)
{
    QDir().mkpath(m_app + teamName);
    Outcome<TeamFile> team = RecordFiles::ReadTeamFile(m_app, teamName);
    TeamFile file = team ? *team : TeamFile{};
    file.header = {teamName, "Coach", "", season, "", 0};
    file.roster[slot] = {name, 1};
    PlayerProfile profile;
    profile.PlayerName = name;
    profile.TeamName = teamName;
    profile.Age = qint16(age);
    QVERIFY(RecordFiles::WritePlayerFile(m_app, teamName, name, profile).ok());
    QVERIFY(RecordFiles::WriteGameRecords(m_app, teamName, name, games).ok());
    QVERIFY(RecordFiles::WriteTeamFile(m_app, teamName, file).ok());
}

template <class Window>
Window *TestCoachStats::openFromMenu(const char *item)
{
    QAction *action = m_main->findChild<QAction *>(item);
    if (!action || !action->isEnabled())
        return nullptr;
    action->trigger();
    return qobject_cast<Window *>(openedWindowNamed(Window::staticMetaObject.className()));
}

void TestCoachStats::moreStatisticsOfTheTeam()
{
    auto *window = openFromMenu<frmMoreStatistics>("mnuMoreStats");
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("More Statistics"));
    QCOMPARE(headingsOf(window->tblBatting),
             QStringList({"Player", "G", "AB", "H", "TB", "2B", "3B", "HR", "BB", "SO", "SB", "AVG",
                          "OBP*", "SLG", "OPS*", "ISO", "BB/K"}));
    QCOMPARE(headingsOf(window->tblPitching),
             QStringList({"Player", "G",    "IP",  "W",    "L",       "SV",      "W-L %",
                          "H",      "ER",   "BB",  "SO",   "ERA",     "ERA7",    "WHIP",
                          "K/9",    "BB/9", "H/9", "K/BB", "pitches", "strike %"}));
    QCOMPARE(rowsOf(window->tblBatting), BattingRows);
    // Blake never pitched; Casey faced batters without an out.
    QCOMPARE(rowsOf(window->tblPitching), PitchingRows);
    QVERIFY(window->lblNote->text().contains(
        "no hit-by-pitch or sacrifice flies are recorded, so OBP* counts walks and hits over at "
        "bats plus walks"));
    QCOMPARE(m_dialogs.messages.size(), 0);

    // A game stored meanwhile shows at once.
    GameRecords games = caseysGames();
    games.append(game("06/03/2026", 1, 3, 0));
    games.last().GameNumber = 2;
    QVERIFY(RecordFiles::WriteGameRecords(m_app, "Team1", "Casey", games).ok());
    m_main->filesChanged();
    QCOMPARE(window->tblBatting->item(2, 11)->text(), QString(".500"));
    QCOMPARE(window->tblBatting->item(3, 2)->text(), QString("11"));
}

void TestCoachStats::headingsOrderThePlayers()
{
    auto *window = openFromMenu<frmMoreStatistics>("mnuMoreStats");
    QVERIFY(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const auto names = [](const QTableWidget *table) {
        QStringList column;
        for (int row = 0; row < table->rowCount(); ++row)
            column.append(table->item(row, 0)->text());
        return column;
    };
    // The highest average first, a player without at bats last; the team row stays last.
    clickHeading(window->tblBatting, 11);
    QCOMPARE(names(window->tblBatting), QStringList({"Casey", "Avery", "Blake", "Team"}));
    clickHeading(window->tblBatting, 11);
    QCOMPARE(names(window->tblBatting), QStringList({"Avery", "Casey", "Blake", "Team"}));
    clickHeading(window->tblBatting, 0);
    QCOMPARE(names(window->tblBatting), QStringList({"Avery", "Blake", "Casey", "Team"}));
    // Walks by number, not by letters: 2 above 1 above 0.
    clickHeading(window->tblBatting, 8);
    QCOMPARE(names(window->tblBatting), QStringList({"Blake", "Avery", "Casey", "Team"}));
    window->tabTables->setCurrentIndex(1);
    clickHeading(window->tblPitching, 19);
    QCOMPARE(names(window->tblPitching), QStringList({"Avery", "Casey", "Team"}));
    // The order holds when the files are read again.
    m_main->filesChanged();
    QCOMPARE(names(window->tblBatting), QStringList({"Blake", "Avery", "Casey", "Team"}));
}

void TestCoachStats::exportWritesTheMoreTables()
{
    QTemporaryDir out;
    m_dialogs.folderAnswers.enqueue(out.path());
    m_main->findChild<QAction *>("mnuExport")->trigger();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages[0].text.contains("Team1 more batting.csv\nTeam1 more pitching.csv"),
             qPrintable(m_dialogs.messages[0].text));
    QCOMPARE(
        readBytes(out.filePath("Team1 more batting.csv")),
        csvLines(QVector<QStringList>{{"Player", "G", "AB", "H", "TB", "2B", "3B", "HR", "BB", "SO",
                                       "SB", "AVG", "OBP*", "SLG", "OPS*", "ISO", "BB/K"}} +
                 BattingRows));
    QCOMPARE(readBytes(out.filePath("Team1 more pitching.csv")),
             csvLines(QVector<QStringList>{{"Player", "G",     "IP",   "W",       "L",
                                            "SV",     "W-L %", "H",    "ER",      "BB",
                                            "SO",     "ERA",   "ERA7", "WHIP",    "K/9",
                                            "BB/9",   "H/9",   "K/BB", "pitches", "strike %"}} +
                      PitchingRows));
    // The games file sums innings in a spreadsheet: 2.1 is 2.33, 3.2 is 3.67.
    const QByteArray games = readBytes(out.filePath("Team1 games.csv"));
    QVERIFY2(games.contains(",IP,IP decimal,"), games.constData());
    QVERIFY2(games.contains(",2.1,2.33,") && games.contains(",3.2,3.67,"), games.constData());
}

void TestCoachStats::pitchCountsAsOfADay()
{
    auto *window = openFromMenu<frmPitchCounts>("mnuPitchCounts");
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Pitch Counts"));
    QCOMPARE(window->dteAsOf->date(), QDate::currentDate());
    QVERIFY(window->lblLeague->text().contains("league's own rules decide"));
    window->dteAsOf->setDate(QDate(2026, 6, 2));
    QTreeWidget *tree = window->trePitchers;
    // Blake never pitched.
    QCOMPARE(tree->topLevelItemCount(), 2);
    QTreeWidgetItem *avery = tree->topLevelItem(0);
    QCOMPARE(avery->text(0), QString("Avery, age 12, 85 pitches a day"));
    // 65 pitches on June 1: 3 days of rest for a 12-year-old.
    QCOMPARE(avery->text(4), QString("3"));
    QCOMPARE(avery->text(5), QString("06/05/2026"));
    QCOMPARE(avery->text(6), QString("rests until 06/04/2026"));
    QCOMPARE(avery->childCount(), 2);
    QCOMPARE(avery->child(0)->text(0), QString("06/01/2026"));
    QCOMPARE(avery->child(0)->text(1), QString("Sharks"));
    QCOMPARE(avery->child(0)->text(2), QString("65"));
    QCOMPARE(avery->child(0)->text(3), QString("3.2"));
    QCOMPARE(avery->child(1)->text(0), QString("05/30/2026"));
    QTreeWidgetItem *casey = tree->topLevelItem(1);
    QCOMPARE(casey->text(6), QString("date not readable"));
    QCOMPARE(casey->child(0)->text(0), QString("? June 1"));

    window->dteAsOf->setDate(QDate(2026, 6, 5));
    QCOMPARE(tree->topLevelItem(0)->text(6), QString("available"));
    QCOMPARE(m_dialogs.messages.size(), 0);
}

void TestCoachStats::changedRulesAreKeptAndUsed()
{
    auto *window = openFromMenu<frmPitchCounts>("mnuPitchCounts");
    QVERIFY(window);
    window->dteAsOf->setDate(QDate(2026, 6, 2));
    window->cmdRules->click();
    auto *rules = qobject_cast<frmPitchRules *>(openedWindowNamed("frmPitchRules"));
    QVERIFY(rules);
    QCOMPARE(rules->tblLimits->rowCount(), 5);
    QCOMPARE(rules->tblRest->rowCount(), 10);
    QCOMPARE(rules->tblRest->item(4, 3)->text(), QString()); // 66 or more
    QVERIFY(!rules->hasUnsavedEdits());

    // A limit of 60 for ages 11-12 marks Avery's 65; 51-65 pitches now need 5 days.
    rules->tblLimits->item(2, 2)->setText("60");
    rules->tblRest->item(3, 4)->setText("5");
    QVERIFY(rules->hasUnsavedEdits());
    // A cell that is no number keeps the window and stores nothing.
    rules->tblRest->item(0, 2)->setText("one");
    rules->cmdSave->click();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages[0].text.contains("Row 1 of the days of rest"),
             qPrintable(m_dialogs.messages[0].text));
    QVERIFY(!QFile::exists(m_app + "Scorebinder.ini"));
    rules->tblRest->item(0, 2)->setText("1");
    rules->cmdSave->click();
    deleteClosedWindows();
    QVERIFY(!openedWindowNamed("frmPitchRules"));
    QTreeWidgetItem *avery = window->trePitchers->topLevelItem(0);
    QCOMPARE(avery->text(0), QString("Avery, age 12, 60 pitches a day"));
    QCOMPARE(avery->text(6), QString("rests until 06/06/2026"));
    QCOMPARE(avery->child(0)->text(6), QString("over the daily limit"));

    // The next start reads them back.
    QVERIFY(readBytes(m_app + "Scorebinder.ini").contains("DailyLimits\\3\\Pitches=60"));
    window->close();
    deleteClosedWindows();
    window = openFromMenu<frmPitchCounts>("mnuPitchCounts");
    window->dteAsOf->setDate(QDate(2026, 6, 2));
    QCOMPARE(window->trePitchers->topLevelItem(0)->text(6), QString("rests until 06/06/2026"));

    // Closing with changes asks first; Discard drops them.
    window->cmdRules->click();
    rules = qobject_cast<frmPitchRules *>(openedWindowNamed("frmPitchRules"));
    rules->cmdDefaults->click();
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Discard);
    rules->close();
    QVERIFY(m_dialogs.messages.last().text.contains("Save them?"));
    QVERIFY(readBytes(m_app + "Scorebinder.ini").contains("DailyLimits\\3\\Pitches=60"));
}

void TestCoachStats::damagedOptionsFileIsToldOnce()
{
    const QByteArray damaged = "[PitchCounts]\nDailyLimits\\1\\Ages=young\nDailyLimits\\size=1\n";
    writeBytes(m_app + "Scorebinder.ini", damaged);
    auto *window = openFromMenu<frmPitchCounts>("mnuPitchCounts");
    QVERIFY(window);
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages[0].text.contains("is damaged"),
             qPrintable(m_dialogs.messages[0].text));
    window->dteAsOf->setDate(QDate(2026, 6, 2));
    QCOMPARE(window->trePitchers->topLevelItem(0)->text(0),
             QString("Avery, age 12, 85 pitches a day"));
    m_main->filesChanged();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(readBytes(m_app + "Scorebinder.ini"), damaged);
}

void TestCoachStats::helpExplainsEveryColumn()
{
    const QString help =
        QString::fromUtf8(readBytes(SCOREBINDER_ASSETS "/Scorebinder Baseball.html"))
            .replace("&minus;", "-");
    const qsizetype glossary = help.indexOf("name=\"glossary\"");
    QVERIFY(glossary > 0);
    const QString table = help.mid(glossary, help.indexOf("</table>", glossary) - glossary);
    for (const QString &column :
         MoreTables::battingHeadings().mid(1) + MoreTables::pitchingHeadings().mid(1))
        QVERIFY2(table.contains(QRegularExpression(
                     "<td>([^<]*[ ,])?" + QRegularExpression::escape(column) + "([,][^<]*)?</td>")),
                 qPrintable(column));
}

void TestCoachStats::seeProgressWith(const GameRecords &games)
{
    QVERIFY(RecordFiles::WriteGameRecords(m_app, "Team1", "Avery", games).ok());
}

// Five games, worked out by hand in the rules' test: averages .250 .429 .333 .385 .385, slugging
// .250 .500 .500 .688 .688, earned run averages 4.500 after game 3 and 11.571 after game 5.
void TestCoachStats::progressChartPoints()
{
    GameRecord third = game("", 0, 2, 2);
    third.PInnings = 2.0f;
    third.PRuns = 1;
    GameRecord fourth = game("", 2, 4, 0);
    fourth.BHomers = 1;
    GameRecord fifth = game("", 0, 0, 0);
    fifth.PInnings = 0.1f;
    fifth.PRuns = 2;
    seeProgressWith(season({game("", 1, 4, 0), game("", 2, 3, 1), third, fourth, fifth}));
    auto *window = openFromMenu<frmSeasonProgress>("mnuProgress");
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Season Progress"));

    RecordingCanvas canvas;
    window->picChart->drawOn(canvas, QRect(0, 0, 10800, 12000));
    QVector<QRect> plots;
    QVector<QPoint> average, slugging, era;
    for (const CanvasOp &op : canvas.ops) {
        if (op.kind == CanvasOp::Box)
            plots.append(op.rect);
        if (op.kind != CanvasOp::FilledBox)
            continue;
        QVector<QPoint> *series = op.color == ProgressChart::AverageColor    ? &average
                                  : op.color == ProgressChart::SluggingColor ? &slugging
                                  : op.color == ProgressChart::EraColor      ? &era
                                                                             : nullptr;
        QVERIFY(series);
        series->append(op.rect.center());
    }
    QCOMPARE(plots.size(), 2);
    QCOMPARE(average.size(), 5);
    QCOMPARE(slugging.size(), 5);
    QCOMPARE(era.size(), 2);
    const auto labelAt = [&](const QString &text) -> std::optional<CanvasOp> {
        for (const CanvasOp &op : canvas.texts())
            if (op.text == text)
                return op;
        return std::nullopt;
    };
    // The batting axis runs .000 to .800 in steps of .200, the earned run axis 0 to 15 by 5.
    const QRect batting = plots[0];
    const QRect pitching = plots[1];
    for (const QString label : {".000", ".200", ".400", ".600", ".800", "0", "5", "10", "15"})
        QVERIFY2(labelAt(label), qPrintable(label));
    QVERIFY(!labelAt("1.000") && !labelAt("20"));
    const auto y = [](const QRect &plot, double value, double top) {
        return plot.bottom() - int(value / top * plot.height());
    };
    const double averages[] = {0.25, 0.429, 0.333, 0.385, 0.385};
    const double sluggings[] = {0.25, 0.5, 0.5, 0.688, 0.688};
    for (int i = 0; i < 5; ++i) {
        // Games spread evenly, each in the middle of its fifth of the width.
        const int x = batting.left() + (2 * i + 1) * batting.width() / 10;
        QVERIFY2(qAbs(average[i].x() - x) <= 1, qPrintable(QString::number(i)));
        QCOMPARE(slugging[i].x(), average[i].x());
        QVERIFY2(qAbs(average[i].y() - y(batting, averages[i], 0.8)) <= 1,
                 qPrintable(QString::number(i)));
        QVERIFY2(qAbs(slugging[i].y() - y(batting, sluggings[i], 0.8)) <= 1,
                 qPrintable(QString::number(i)));
    }
    QCOMPARE(era[0].x(), average[2].x());
    QCOMPARE(era[1].x(), average[4].x());
    QVERIFY(qAbs(era[0].y() - y(pitching, 4.5, 15)) <= 1);
    QVERIFY(qAbs(era[1].y() - y(pitching, 11.571, 15)) <= 1);
    for (const QString text :
         {"Season Progress: Avery", "Team1 · Spring 2026", "AVG", "Slug", "ERA", "Game", "1", "5"})
        QVERIFY2(labelAt(text), qPrintable(text));
}

void TestCoachStats::progressChartPrintsAsDrawing()
{
    auto *window = openFromMenu<frmSeasonProgress>("mnuProgress");
    QVERIFY(window);
    const QString pdf = m_dir->filePath("progress.pdf");
    m_dialogs.printerAnswers.enqueue(pdf);
    window->cmdPrint->click();
    QCOMPARE(m_dialogs.printedNames, QStringList({"Avery - Season Progress"}));
    QCOMPARE(pdfPageCount(pdf), 1);
    QVERIFY2(QFileInfo(pdf).size() < 100 * 1024,
             qPrintable(QString::number(QFileInfo(pdf).size())));
    QStringList words;
    for (const PdfWord &word : pdfWords(pdf))
        words.append(word.text);
    for (const QString text : {"Season", "Progress:", "Avery", "Team1", "AVG", "Slug", "ERA",
                               "Game", ".400", "1.000", "1", "2"})
        QVERIFY2(words.contains(text), qPrintable(text + " in " + words.join(' ')));
    QCOMPARE(m_dialogs.messages.size(), 0);
}

// Avery's two seasons summed by hand: every count added, the games too, and the rates from the
// sums (5 hits in 12 at bats is .417, where the seasons' .429 and .400 average .414; 3 earned runs
// in 9 innings is 3.000, where 4.500 and .000 average 2.250). A team without him, a folder that
// is no team and a season whose stats cannot be read add nothing.
void TestCoachStats::careerTotalsSumTheSeasons()
{
    GameRecord next = pitched(game("04/10/2027", 2, 5, 1), 3.0f, 1, 0, 0, 2, 25, 10, "Save");
    next.BTriples = 1;
    writePlayer(4, "Avery", 13, season({next}), "Team1 2027", "Spring 2027");
    writePlayer(0, "Blake", 16, season({game("04/10/2027", 1, 3, 0)}), "Cubs");
    QDir().mkpath(m_app + "Photos");
    writePlayer(0, "Avery", 11, season({}), "Old");
    writeBytes(m_app + "Old/Avery.sta", "not a stats file\r\n");

    auto *window = openFromMenu<frmCareerTotals>("mnuCareer");
    QVERIFY(window);
    QCOMPARE(m_main->findChild<QAction *>("mnuCareer")->text(), QString("Career &Totals"));
    QCOMPARE(window->windowTitle(), QString("Career Totals"));
    QCOMPARE(window->lblPlayer->text(), QString("Avery"));
    QCOMPARE(
        headingsOf(window->tblBatting),
        QStringList({"Team", "Season", "Games", "At Bats", "Hits", "Average", "Doubles", "Triples",
                     "HRs", "RBIs", "Runs", "Walks", "Strikeouts", "Stolen Bases", "Slugging %"}));
    QCOMPARE(rowsOf(window->tblBatting),
             (QVector<QStringList>{{"Team1", "Spring 2026", "2", "7", "3", ".429", "1", "0", "1",
                                    "0", "0", "1", "3", "1", "1.000"},
                                   {"Team1 2027", "Spring 2027", "1", "5", "2", ".400", "0", "1",
                                    "0", "0", "0", "1", "0", "0", ".833"},
                                   {"Career", "", "3", "12", "5", ".417", "1", "1", "1", "0", "0",
                                    "2", "3", "1", ".929"}}));
    QCOMPARE(headingsOf(window->tblPitching),
             QStringList({"Team", "Season", "Games", "At Bats", "Innings", "ERA", "Wins", "Losses",
                          "Saves", "Hits", "Walks", "Runs", "Strikeouts", "Strikes", "Balls",
                          "Wild Pitches"}));
    QCOMPARE(rowsOf(window->tblPitching),
             (QVector<QStringList>{{"Team1", "Spring 2026", "2", "25", "6", "4.500", "1", "1", "0",
                                    "7", "3", "3", "7", "70", "40", "0"},
                                   {"Team1 2027", "Spring 2027", "1", "10", "3", ".000", "0", "0",
                                    "1", "1", "0", "0", "2", "25", "10", "0"},
                                   {"Career", "", "3", "35", "9", "3.000", "1", "1", "1", "8", "3",
                                    "3", "9", "95", "50", "0"}}));
    QVERIFY(window->tblBatting->item(2, 0)->font().bold());
    QVERIFY2(window->lblProblems->text().contains(m_app + "Old/Avery.sta"),
             qPrintable(window->lblProblems->text()));

    // A game stored meanwhile shows when the files change.
    writePlayer(4, "Avery", 13, season({next, game("04/11/2027", 1, 1, 0)}), "Team1 2027",
                "Spring 2027");
    m_main->filesChanged();
    QCOMPARE(window->tblBatting->item(2, 3)->text(), QString("13"));

    // Seasons whose sum no total can hold show without a Career row, and say why.
    GameRecord huge = game("04/10/2028", 0, 32767, 0);
    writePlayer(0, "Avery", 14, season({huge}), "Team1 2028", "Spring 2028");
    m_main->filesChanged();
    QCOMPARE(window->tblBatting->rowCount(), 3);
    QCOMPARE(window->tblBatting->item(2, 0)->text(), QString("Team1 2028"));
    QCOMPARE(window->tblPitching->rowCount(), 3);
    QVERIFY2(window->lblProblems->text().endsWith("pass 32767, more than a total can hold."),
             qPrintable(window->lblProblems->text()));
}

QTEST_MAIN(TestCoachStats)
#include "tst_coachstats.moc"
