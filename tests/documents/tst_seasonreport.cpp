// The printed season report of a small team, read back from a real PDF: its pages in order, the
// heading and the page numbers of each, and every figure of its tables as the windows show them.

#include "core/RecordFiles.h"
#include "documents/SeasonReport.h"
#include "platform/Fonts.h"
#include "reports/frmTeamBattingStats.h"
#include "reports/frmTeamPitchingStats.h"
#include "support/PdfPages.h"
#include "support/TestFiles.h"
#include "support/WindowTest.h"

#include <QAction>
#include <QProcess>
#include <QTest>

namespace {

GameRecord game(int number, int hits, int atBats, float innings = 0, int earnedRuns = 0)
{
    GameRecord g;
    g.GameNumber = qint16(number);
    g.GameDate = QStringLiteral("05/%1/2026").arg(number % 28 + 1, 2, 10, QLatin1Char('0'));
    g.Opponent = "Sharks";
    g.BHits = qint16(hits);
    g.BAtBats = qint16(atBats);
    g.PInnings = innings;
    g.PAtBats = qint16(innings > 0 ? 3 * int(innings) + 2 : 0);
    g.PRuns = qint16(earnedRuns);
    g.Decision = innings > 0 ? QStringLiteral("Win") : QString();
    return g;
}

// The text of a page as pdftotext reads it, in reading order.
QString pageText(const QString &pdf, int page)
{
    QProcess process;
    const QString number = QString::number(page);
    process.start("pdftotext", {"-f", number, "-l", number, "-layout", pdf, "-"});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestSeasonReport : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup() { finish(); }

    void reportPagesInOrder();
    void unreadablePlayerIsNamedFirst();

private:
    void writePlayer(int slot, const QString &name, const GameRecords &games);
};

void TestSeasonReport::init()
{
    prepare();
    QDir().mkpath(m_app + "Team1");
    writeBytes(m_app + "settings.dft", "\"Team1\",\"Avery\",0,0\r\n");
    GameRecords avery{GameRecord{}};
    for (int g = 1; g <= 30; ++g)
        avery.append(game(g, g % 3, 4, g % 10 == 0 ? 3.1f : 0, g % 10 == 0 ? 1 : 0));
    writePlayer(0, "Avery", avery);
    writePlayer(1, "Blake", {GameRecord{}, game(1, 2, 3)});
    startMain();
}

void TestSeasonReport::writePlayer(int slot, const QString &name, const GameRecords &games)
{
    Outcome<TeamFile> read = RecordFiles::ReadTeamFile(m_app, "Team1");
    TeamFile team = read ? *read : TeamFile{};
    team.header = {"Team1", "Coach Hale", "Pat Kim", "Spring 2026", "", 0};
    team.roster[slot] = {name, 6};
    PlayerProfile profile;
    profile.PlayerName = name;
    profile.TeamName = "Team1";
    profile.Position1 = 6;
    profile.Jersey = 7;
    QVERIFY(RecordFiles::WritePlayerFile(m_app, "Team1", name, profile).ok());
    QVERIFY(RecordFiles::WriteGameRecords(m_app, "Team1", name, games).ok());
    QVERIFY(RecordFiles::WriteTeamFile(m_app, "Team1", team).ok());
}

// Title, team batting, team pitching, then Avery (summary, batting 1 of 2 and 2 of 2, pitching)
// and Blake (summary, batting, pitching): 10 pages, each headed and numbered.
void TestSeasonReport::reportPagesInOrder()
{
    const QString pdf = m_dir->filePath("report.pdf");
    m_dialogs.previewAnswers.enqueue(pdf);
    m_main->findChild<QAction *>("mnuSeasonReport")->trigger();
    QCOMPARE(m_dialogs.messages.size(), 0);
    QCOMPARE(m_dialogs.previews, QStringList{"Team1 - Season Report"});
    QCOMPARE(pdfPageCount(pdf), 10);
    const QStringList what = {"Season Report",
                              "Team Batting",
                              "Team Pitching",
                              "Avery: Summary",
                              "Avery: Batting by Game (1 of 2)",
                              "Avery: Batting by Game (2 of 2)",
                              "Avery: Pitching by Game",
                              "Blake: Summary",
                              "Blake: Batting by Game",
                              "Blake: Pitching by Game"};
    QStringList pages;
    for (int n = 1; n <= 10; ++n) {
        const QString text = pageText(pdf, n);
        pages.append(text);
        QVERIFY2(text.simplified().startsWith("Team1 · Spring 2026 · " + what[n - 1]),
                 qPrintable(text.left(200)));
        QVERIFY2(text.simplified().endsWith(QString("page %1 of 10").arg(n)),
                 qPrintable(text.right(100)));
    }
    for (const QString &line :
         QStringList{"Coach: Coach Hale", "Assistant: Pat Kim",
                     "Printed " + QDate::currentDate().toString("MM/dd/yyyy")})
        QVERIFY2(pages[0].contains(line), qPrintable(line));

    // Every cell of the team tables as the windows show them, row by row.
    const auto rowsIn = [](const QString &text) {
        QVector<QStringList> rows;
        for (const QString &line : text.split('\n'))
            rows.append(line.simplified().split(' ', Qt::SkipEmptyParts));
        return rows;
    };
    const auto showsRow = [&](const QString &page, const QStringList &cells) {
        for (const QStringList &row : rowsIn(page))
            if (row == cells)
                return true;
        return false;
    };
    frmTeamBattingStats batting(*m_main);
    frmTeamPitchingStats pitching(*m_main);
    for (const auto &[window, layout, page, listed] :
         {std::tuple{static_cast<StatsTableWindow *>(&batting), teamBattingLayout(), 1, 2},
          std::tuple{static_cast<StatsTableWindow *>(&pitching), teamPitchingLayout(), 2, 1}}) {
        QStringList headings;
        for (const TableColumn &c : layout.columns)
            headings.append(c.header);
        QVERIFY2(showsRow(pages[page], headings), qPrintable(pages[page]));
        for (int row = 0; row <= listed; ++row) {
            QStringList cells;
            for (const TableColumn &c : layout.columns) {
                const QString text =
                    window->cell(c.cellName, row == listed ? RosterSlots : row)->text();
                if (!text.isEmpty())
                    cells.append(text);
            }
            QVERIFY2(showsRow(pages[page], cells),
                     qPrintable(cells.join(' ') + "\n" + pages[page]));
        }
    }
    // Avery's lists: games 1 to 25, then 26 to 30 with the season row; his three pitched games.
    QVERIFY(pages[4].contains("05/02/2026") && !pages[4].contains("Season"));
    QVERIFY(pages[5].contains("Season"));
    QVERIFY2(pages[6].contains("Record (W-L-S): 3-0-0"), qPrintable(pages[6]));
    QVERIFY(pages[3].contains("Batting Stats:") && pages[3].contains("Average:") &&
            pages[3].contains("Avery #7"));
}

// A player whose stats file cannot be read is named; No prints nothing, Yes the report without him.
void TestSeasonReport::unreadablePlayerIsNamedFirst()
{
    writeBytes(RecordFiles::statsFilePath(m_app, "Team1", "Blake"), "broken\r\n");
    const QString pdf = m_dir->filePath("report.pdf");
    m_dialogs.messageAnswers.enqueue(MessageAnswer::No);
    m_main->seasonReport();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages[0].text.contains("Blake"), qPrintable(m_dialogs.messages[0].text));
    QCOMPARE(m_dialogs.previews.size(), 0);

    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
    m_dialogs.previewAnswers.enqueue(pdf);
    m_main->seasonReport();
    QCOMPARE(pdfPageCount(pdf), 7);
    for (int n = 1; n <= 7; ++n)
        QVERIFY(!pageText(pdf, n).contains("Blake"));
}

QTEST_MAIN(TestSeasonReport)
#include "tst_seasonreport.moc"
