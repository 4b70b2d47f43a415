// The per-game batting and pitching lists: their rows, paging and placing, loading errors,
// printing.

#include "games/GameLists.h"
#include "games/frmSeasonBattingStats.h"
#include "games/frmSeasonPitchingStats.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "platform/Units.h"
#include "support/LongestGames.h"
#include "support/ScriptedDialogs.h"
#include "support/TableKeys.h"
#include "support/TestFiles.h"
#include "support/TextsInSight.h"
#include "support/WindowTest.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace GameLists;

namespace {

struct Game
{
    int hits = 0, atBats = 0, walks = 0;
    QByteArray innings = "0";
    int battersFaced = 0, earnedRuns = 0;
    QByteArray decision;
};

Game batting(int hits, int atBats, int walks = 0)
{
    Game g;
    g.hits = hits;
    g.atBats = atBats;
    g.walks = walks;
    return g;
}

Game pitching(const QByteArray &innings, int battersFaced, int earnedRuns,
              const QByteArray &decision)
{
    Game g;
    g.innings = innings;
    g.battersFaced = battersFaced;
    g.earnedRuns = earnedRuns;
    g.decision = decision;
    return g;
}

QByteArray line(int number, const Game &g)
{
    return QByteArray::number(number) + "," + QByteArray::number(g.hits) + "," +
           QByteArray::number(g.atBats) + ",0," + QByteArray::number(g.walks) + ",0,0,0,0,0,0," +
           QByteArray::number(g.battersFaced) + ",1," + QByteArray::number(g.earnedRuns) + "," +
           g.innings + ",0,0,0,0,0,\"04/0" + QByteArray::number(number % 10) + "/2026\",\"\",\"" +
           g.decision + "\",\"\"\r\n";
}

GameRecords records(const QVector<Game> &games)
{
    GameRecords result{GameRecord{}};
    for (int i = 0; i < games.size(); ++i) {
        GameRecord r;
        r.GameNumber = qint16(i + 1);
        r.BHits = qint16(games[i].hits);
        r.BAtBats = qint16(games[i].atBats);
        r.BWalks = qint16(games[i].walks);
        r.PInnings = games[i].innings.toFloat();
        r.PAtBats = qint16(games[i].battersFaced);
        r.PRuns = qint16(games[i].earnedRuns);
        r.PHits = 1; // as the file lines have it
        r.Decision = QString::fromLatin1(games[i].decision);
        result.append(r);
    }
    return result;
}

int twipsTop(QWidget *w)
{
    return w->y();
}

// A stats file of the placeholder and one game, from the game's fields after its number.
QByteArray oneGame(const QByteArray &fields)
{
    return NewStatsFile + "1," + fields + ",\"12/31/2026\",\"Tigers\",\"Win\",\"\"\r\n";
}

// The colour a label's text is drawn in: the darkest pixel of its place in the window.
QColor ink(QWidget &window, const QWidget &label)
{
    const QImage image = window.grab(label.geometry()).toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() < darkest.lightness())
                darkest = image.pixelColor(x, y);
    return darkest;
}

} // namespace

class TestLists : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup();

    void gameRows();
    void pitchedGamesOnly();
    void pagePlaces_data();
    void pagePlaces();

    void onlyThePlaceholderRecord();
    void battingPages();
    void pitchingPages();
    void loadErrorShowsNoFigures();
    void printsToPdf();
    void keysWorkAsInADialog_data();
    void keysWorkAsInADialog();
    void longestValuesShowWhole_data();
    void longestValuesShowWhole();
    void longNameAndSeasonShowWhole();
    void disabledArrowIsGrey();

private:
    template <class W>
    W *open();
    // The batting or the pitching list of the current player.
    std::unique_ptr<GameListWindow> openList(bool pitching)
    {
        if (pitching)
            return std::unique_ptr<GameListWindow>(open<frmSeasonPitchingStats>());
        return std::unique_ptr<GameListWindow>(open<frmSeasonBattingStats>());
    }
    void writeGames(const QVector<Game> &games);
};

void TestLists::init()
{
    prepare("summary");
    startMain();
}

void TestLists::cleanup()
{
    finish();
}

template <class W>
W *TestLists::open()
{
    return new W(*m_main);
}

void TestLists::writeGames(const QVector<Game> &games)
{
    QByteArray bytes = NewStatsFile;
    for (int i = 0; i < games.size(); ++i)
        bytes += line(i + 1, games[i]);
    writeBytes(m_app + "Team1/Player1.sta", bytes);
}

void TestLists::gameRows()
{
    Game tie = batting(1, 16);
    Game walksOnly = batting(0, 0, 2);
    const BattingList list = *battingList(records({tie, walksOnly}));
    QCOMPARE(list.games.size(), 2);
    QCOMPARE(list.games[0].cells[1], QString("1"));
    QCOMPARE(list.games[0].cells[12], QString(".062"));
    QCOMPARE(list.games[1].cells[12], QString(".000"));
    QCOMPARE(list.games[1].cells[13], QString("1.000"));
    QCOMPARE(list.season.cells.mid(0, 4), QStringList({"Season", "2", "16", "1"}));
    QCOMPARE(list.season.cells[13], QString(".167")); // (2 walks + 1 hit) / 18 chances
}

void TestLists::pitchedGamesOnly()
{
    QVector<Game> games(10);
    games[2] = pitching("2.1", 9, 0, "Save");
    games[6] = pitching("1.2", 7, 0, "No Decision");
    games[8] = pitching("0", 2, 5, "Win"); // batters faced, no out: listed, ERA 0.000
    PitchingList list = *pitchingList(records(games));
    QCOMPARE(list.games.size(), 3);
    QCOMPARE(list.games[0].cells[1], QString("3"));
    QCOMPARE(list.games[0].cells[2], QString("S"));
    QCOMPARE(list.games[1].cells[1], QString("7"));
    QCOMPARE(list.games[1].cells[2], QString("--"));
    QCOMPARE(list.games[2].cells[3], QString("0.0"));
    QCOMPARE(list.games[2].cells[13], QString("0.000"));
    QCOMPARE(list.season.cells[1], QString("3"));
    QCOMPARE(list.season.cells[3], QString("4.0")); // 2.1 + 1.2
    QCOMPARE(list.record, QString("1-0-1"));

    games = QVector<Game>(2);
    games[0] = pitching("2.2", 1, 0, "");
    games[1] = pitching("1.2", 1, 0, "");
    list = *pitchingList(records(games));
    QCOMPARE(list.season.cells[3], QString("4.1"));
    games = {pitching("6.2", 20, 3, "Loss")};
    list = *pitchingList(records(games));
    QCOMPARE(list.games[0].cells[13], QString("4.050"));
    QCOMPARE(list.games[0].cells[12], QString(".050")); // 1 hit in 20
    QCOMPARE(list.season.cells[13], QString("4.050"));
}

void TestLists::pagePlaces_data()
{
    QTest::addColumn<int>("pageNumber");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("seasonTop");
    QTest::addColumn<int>("lineY");
    QTest::addColumn<int>("recordTop");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");
    QTest::newRow("nothing") << 1 << 0 << 870 << 820 << 1320 << false << false;
    QTest::newRow("one") << 1 << 1 << 1070 << 1020 << 1520 << false << false;
    QTest::newRow("full page") << 1 << 25 << 5870 << 5820 << 6320 << false << false;
    QTest::newRow("26, page 1") << 1 << 26 << 5870 << 5820 << 6320 << false << true;
    QTest::newRow("26, page 2") << 2 << 26 << 1070 << 1020 << 1520 << true << false;
}

void TestLists::pagePlaces()
{
    QFETCH(int, pageNumber);
    QFETCH(int, entries);
    const Page p = page(pageNumber, entries);
    QTEST(p.seasonTop, "seasonTop");
    QTEST(p.lineY, "lineY");
    QTEST(p.recordTop, "recordTop");
    QTEST(p.hasPrevious, "previous");
    QTEST(p.hasNext, "next");
}

void TestLists::onlyThePlaceholderRecord()
{
    writeBytes(m_app + "Team1/Player1.sta", NewStatsFile);
    std::unique_ptr<frmSeasonBattingStats> batting(open<frmSeasonBattingStats>());
    QCOMPARE(batting->windowTitle(), QString("Season Batting Stats"));
    QCOMPARE(batting->cell("lblGame", 25)->text(), QString("0"));
    QCOMPARE(batting->cell("lblDate", 25)->text(), QString("Season"));
    QCOMPARE(batting->cell("lblBAvg", 25)->text(), QString(".000"));
    QCOMPARE(batting->cell("lblBSlug", 25)->text(), QString(".000"));
    QCOMPARE(twipsTop(batting->cell("lblBHits", 25)), twipsToPixels(870));
    QCOMPARE(twipsTop(batting->Line2), twipsToPixels(820));
    QCOMPARE(batting->cell("lblBHits", 0)->text(), QString());
    QCOMPARE(batting->lblPage->text(), QString("Page 1"));
    QCOMPARE(batting->lblPlayerName->text(), QString("Player1"));
    QCOMPARE(batting->lblSeason->text(), QString("Spring 2026"));
    QVERIFY(!batting->lblNext->isEnabled() && !batting->lblPrevious->isEnabled());

    std::unique_ptr<frmSeasonPitchingStats> pitching(open<frmSeasonPitchingStats>());
    QCOMPARE(pitching->cell("lblPInnings", 25)->text(), QString("0.0"));
    QCOMPARE(pitching->cell("lblPERA", 25)->text(), QString("0.000"));
    QCOMPARE(pitching->cell("lblPAvg", 25)->text(), QString(".000"));
    QCOMPARE(pitching->lblPRecord->text(), QString("0-0-0"));
    QCOMPARE(twipsTop(pitching->Label4), twipsToPixels(1320));
    QCOMPARE(twipsTop(pitching->cell("lblPDecision", 25)),
             twipsToPixels(5880)); // the one cell that stays
}

void TestLists::battingPages()
{
    QVector<Game> games(26, batting(1, 3));
    games[25] = batting(1, 16);
    writeGames(games.mid(0, 25));
    std::unique_ptr<frmSeasonBattingStats> one(open<frmSeasonBattingStats>());
    QVERIFY(!one->lblNext->isEnabled());
    QCOMPARE(twipsTop(one->cell("lblBHits", 25)), twipsToPixels(5870));
    QCOMPARE(one->cell("lblGame", 24)->text(), QString("25"));

    writeGames(games);
    std::unique_ptr<frmSeasonBattingStats> two(open<frmSeasonBattingStats>());
    QVERIFY(two->lblNext->isEnabled());
    QCOMPARE(two->cell("lblGame", 25)->text(), QString("26"));
    emit two->lblNext->clicked();
    QCOMPARE(two->lblPage->text(), QString("Page 2"));
    QCOMPARE(two->cell("lblGame", 0)->text(), QString("26"));
    QCOMPARE(two->cell("lblBAvg", 0)->text(), QString(".062"));
    QCOMPARE(two->cell("lblGame", 1)->text(), QString());
    QCOMPARE(twipsTop(two->cell("lblBHits", 25)), twipsToPixels(1070));
    QCOMPARE(twipsTop(two->Line2), twipsToPixels(1020));
    QVERIFY(two->lblPrevious->isEnabled() && !two->lblNext->isEnabled());
    QCOMPARE(two->cell("lblBHits", 25)->text(), QString("26"));
    emit two->lblPrevious->clicked();
    QCOMPARE(two->cell("lblGame", 0)->text(), QString("1"));
    QCOMPARE(two->cell("lblBHits", 25)->text(), QString("26"));
}

void TestLists::pitchingPages()
{
    QVector<Game> games(30, batting(0, 2));
    for (int i = 0; i < 30; ++i)
        if (i != 4 && i != 9 && i != 14 && i != 19)
            games[i] = pitching("1", 3, 1, i == 29 ? "Save" : "Win");
    writeGames(games);
    std::unique_ptr<frmSeasonPitchingStats> w(open<frmSeasonPitchingStats>());
    QCOMPARE(w->cell("lblGame", 25)->text(), QString("26"));
    QCOMPARE(w->cell("lblGame", 4)->text(), QString("6")); // game 5 was not pitched
    emit w->lblNext->clicked();
    QCOMPARE(w->cell("lblGame", 0)->text(), QString("30"));
    QCOMPARE(w->cell("lblPDecision", 0)->text(), QString("S"));
    QCOMPARE(twipsTop(w->cell("lblPHits", 25)), twipsToPixels(1070));
    QCOMPARE(twipsTop(w->lblPRecord), twipsToPixels(1520));
    QCOMPARE(w->lblPRecord->text(), QString("25-0-1"));
}

void TestLists::loadErrorShowsNoFigures()
{
    writeBytes(m_app + "Team1/Player1.sta", NewStatsFile + "1,x\r\n");
    std::unique_ptr<frmSeasonBattingStats> w(open<frmSeasonBattingStats>());
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY(m_dialogs.messages[0].text.startsWith(
        QString("Cannot read \"%1Team1/Player1.sta\", line 2:").arg(m_app)));
    QCOMPARE(w->cell("lblDate", 25)->text(), QString());
    QCOMPARE(w->lblSeason->text(), QString());
    QVERIFY(!w->lblNext->isEnabled() && !w->lblPrevious->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // A season sum past 32767 names the total.
    QByteArray bytes = NewStatsFile;
    for (int i = 1; i <= 2; ++i)
        bytes += QByteArray::number(i) +
                 ",0,0,0,0,0,0,0,0,0,0,1,0,0,1,0,0,0,30000,0,\"\",\"\",\"\",\"\"\r\n";
    writeBytes(m_app + "Team1/Player1.sta", bytes);
    std::unique_ptr<frmSeasonPitchingStats> p(open<frmSeasonPitchingStats>());
    QVERIFY(m_dialogs.messages[1].text.contains("balls thrown pass 32767"));
    QCOMPARE(p->lblPRecord->text(), QString());
    // The batting list adds only what it shows: the pitching sum does not empty it.
    std::unique_ptr<frmSeasonBattingStats> b(open<frmSeasonBattingStats>());
    QCOMPARE(m_dialogs.messages.size(), 2);
    QCOMPARE(b->cell("lblGame", 1)->text(), QString("2"));
}

void TestLists::printsToPdf()
{
    std::unique_ptr<frmSeasonPitchingStats> w(open<frmSeasonPitchingStats>());
    m_dialogs.printerAnswers.enqueue(std::nullopt);
    w->cmdPrint->click();
    const QString pdf = m_dir->filePath("pitching.pdf");
    m_dialogs.printerAnswers.enqueue(pdf);
    w->cmdPrint->click();
    QCOMPARE(m_dialogs.printerDialogs, 2);
    QProcess::execute("pdftoppm",
                      {"-r", "72", "-png", "-singlefile", pdf, m_dir->filePath("page")});
    const QImage page(m_dir->filePath("page.png"));
    QVERIFY(!page.isNull());
    // The heading's dark blue text lies where the window has it: twips 4110..6975 across, 120..405
    // down.
    int blue = 0;
    for (int x = 4110 / 20; x < 6975 / 20; ++x)
        for (int y = 120 / 20; y < 405 / 20; ++y)
            if (QColor(page.pixel(x, y)).blue() > 120 && QColor(page.pixel(x, y)).red() < 90)
                ++blue;
    QVERIFY2(blue > 50, qPrintable(QString::number(blue)));

    std::unique_ptr<frmSeasonBattingStats> b(open<frmSeasonBattingStats>());
    m_dialogs.printerAnswers.enqueue(m_dir->filePath("batting.pdf"));
    b->cmdPrint->click();
    QVERIFY(QFileInfo(m_dir->filePath("batting.pdf")).size() > 1000);
    QCOMPARE(m_dialogs.printedNames,
             QStringList({"Player1 - Season Pitching Stats", "Player1 - Season Pitching Stats",
                          "Player1 - Season Batting Stats"}));
    QCOMPARE(m_dialogs.messages.size(), 0);
}

void TestLists::keysWorkAsInADialog_data()
{
    addTableKeyRows();
}

// Enter and Esc both press Close, even while Print has the focus.
void TestLists::keysWorkAsInADialog()
{
    QFETCH(bool, pitching);
    QFETCH(int, key);
    checkKeyPressesClose(*openList(pitching), key, m_dialogs);
}

void TestLists::longestValuesShowWhole_data()
{
    QTest::addColumn<bool>("pitching");
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("text");
    for (const LongestGame &game : longestGames())
        QTest::newRow(game.name) << game.pitching << game.fields << game.cell << game.text;
}

// Every cell of the game row and the season row shows its text whole, clear of its neighbours,
// and every label keeps the place the layout gives it.
void TestLists::longestValuesShowWhole()
{
    QFETCH(bool, pitching);
    QFETCH(QByteArray, fields);
    QFETCH(QString, cell);
    writeBytes(m_app + "Team1/Player1.sta", oneGame("1,3,0,0,0,0,0,0,0,0,3,1,0,1,0,0,0,0,0"));
    const QHash<QString, QPoint> designed = TextsInSight::labelPlaces(*openList(pitching));

    writeBytes(m_app + "Team1/Player1.sta", oneGame(fields));
    std::unique_ptr<GameListWindow> w = openList(pitching);
    QCOMPARE(m_dialogs.messages.size(), 0);
    QTEST(w->cell(cell, 0)->text(), "text");
    QTEST(w->cell(cell, 25)->text(), "text");
    const QStringList cut = TextsInSight::cutTexts(*w);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    const QStringList overlapping = TextsInSight::overlappingTexts(*w);
    QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join('\n')));
    QCOMPARE(TextsInSight::labelPlaces(*w), designed);
}

// A 27-character name of wide letters and a long season keep to their room beside the heading.
void TestLists::longNameAndSeasonShowWhole()
{
    const QByteArray game = oneGame("1,3,0,0,0,0,0,0,0,0,3,1,0,1,0,0,0,0,0");
    writeBytes(m_app + "Team1/Player1.sta", game);
    const QHash<QString, QPoint> designed[] = {TextsInSight::labelPlaces(*openList(false)),
                                               TextsInSight::labelPlaces(*openList(true))};
    const QString player = "Wolfgang Maximilian Murrowa";
    const QString season = "Spring and Summer Season 2026";
    writeBytes(m_app + "Team1/Team1.tea", "\"Team1\",\"\",\"\",\"" + season.toLatin1() +
                                              "\",\"\",255\r\n\"" + player.toLatin1() + "\",3\r\n" +
                                              QByteArray("\"\",0\r\n").repeated(RosterSlots - 1));
    writeBytes(m_app + "Team1/" + player + ".sta", game);
    m_main->state().PlayerName = player;
    for (const bool pitching : {false, true}) {
        std::unique_ptr<GameListWindow> w = openList(pitching);
        QCOMPARE(m_dialogs.messages.size(), 0);
        QCOMPARE(w->lblPlayerName->text(), player);
        QCOMPARE(w->lblSeason->text(), season);
        const QStringList problems =
            TextsInSight::cutTexts(*w) + TextsInSight::overlappingTexts(*w);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QCOMPARE(TextsInSight::labelPlaces(*w), designed[pitching]);
    }
}

// The arrow that cannot page is drawn grey, the one that can keeps its navy.
void TestLists::disabledArrowIsGrey()
{
    writeGames(QVector<Game>(26, batting(1, 3)));
    std::unique_ptr<frmSeasonBattingStats> w(open<frmSeasonBattingStats>());
    QVERIFY(!w->lblPrevious->isEnabled() && w->lblNext->isEnabled());
    const QColor enabled = ink(*w, *w->lblNext);
    const QColor disabled = ink(*w, *w->lblPrevious);
    QCOMPARE(enabled, QColor(0, 0, 128));
    QVERIFY2(disabled.hsvSaturation() < 40 && disabled.value() > 80 && disabled.value() < 200,
             qPrintable(disabled.name()));
    emit w->lblNext->clicked();
    QCOMPARE(ink(*w, *w->lblPrevious), enabled);
    QCOMPARE(ink(*w, *w->lblNext), disabled);
}

QTEST_MAIN(TestLists)
#include "tst_lists.moc"
