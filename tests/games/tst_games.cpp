// Game entry: the rules on box texts, and the window's flows on a player's stats file.

#include "core/RecordFiles.h"
#include "games/GameEntry.h"
#include "games/frmSingleGameStats.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "platform/Units.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "support/TextsInSight.h"
#include "support/WindowTest.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace GameEntry;

namespace {

QByteArray gameLine(int number, const QByteArray &innings = "0", const QByteArray &decision = "")
{
    return QByteArray::number(number) + ",1,3,0,0,0,0,0,0,0,0,0,0,0," + innings +
           ",0,0,0,0,0,\"\",\"Team" + QByteArray::number(number) + "\",\"" + decision +
           "\",\"\"\r\n";
}

EntryTexts textsWith(std::initializer_list<std::pair<int, QString>> counts)
{
    EntryTexts texts;
    for (const auto &[index, text] : counts)
        texts.counts[index] = text;
    return texts;
}

enum
{
    AtBats = 0,
    Hits = 1,
    PAtBats = 10,
    PHits = 11
};

} // namespace

class TestGames : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup();

    void hitsCheck_data();
    void hitsCheck();
    void inningsFromTheBoxes_data();
    void inningsFromTheBoxes();
    void inningsIntoTheBoxes_data();
    void inningsIntoTheBoxes();
    void pastedTextIsRefusedNamingTheBox();

    void layoutAndFocus();
    void keyFilters_data();
    void keyFilters();
    void firstGameOfANewPlayer();
    void fullSeasonDisablesNewGame();
    void zeroCountsStayEmpty();
    void hitsAboveAtBatsKeepTheGame();
    void newGamesAreAppendedNumberedOn();
    void cancelAndUneditedSubmitWriteNothing();
    void everyEditedInputIsKept();
    void longTextsAreKeptWhole();
    void decisionOutsideTheListIsKept();
    void clearGameAndCalendar();
    void calendarShowsWholeMonths_data();
    void calendarShowsWholeMonths();
    void longPlayerNameShowsWhole_data();
    void longPlayerNameShowsWhole();
    void unreadableStatsFileClosesTheWindow();
    void failedWriteKeepsTheEdits();
    void firstGameEnteredTheReadmesWayIsTheOnlyOne();
    void deletingAGameRenumbersTheRest();
    void closingWithEditsAsks_data();
    void closingWithEditsAsks();
    void keysWorkAsInADialog_data();
    void keysWorkAsInADialog();
    void listAndCalendarKeepTheirKeys();

private:
    frmSingleGameStats *open();
    void writeStats(const QByteArray &bytes) { writeBytes(statsPath(), bytes); }
    QString statsPath() const { return m_app + "Team1/Player2.sta"; }
    void select(frmSingleGameStats *w, int game);
};

void TestGames::init()
{
    prepare("summary");
    writeBytes(m_app + "settings.dft", "\"Team1\",\"Player2\",0,0\r\n");
    startMain();
}

void TestGames::cleanup()
{
    finish();
}

frmSingleGameStats *TestGames::open()
{
    m_main->enterGames();
    return m_main->openedWindow<frmSingleGameStats>();
}

void TestGames::select(frmSingleGameStats *w, int game)
{
    w->CBGame->setCurrentIndex(game - 1);
    emit w->CBGame->activated(game - 1);
}

void TestGames::hitsCheck_data()
{
    QTest::addColumn<QString>("hits");
    QTest::addColumn<QString>("atBats");
    QTest::addColumn<QString>("pitchingHits");
    QTest::addColumn<QString>("pitchingAtBats");
    QTest::addColumn<bool>("exceeds");
    QTest::newRow("3 in 2") << "3"
                            << "2"
                            << ""
                            << "" << true;
    QTest::newRow("2 in 2") << "2"
                            << "2"
                            << ""
                            << "" << false;
    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "" << false;
    QTest::newRow("pitching 1 in 0") << ""
                                     << ""
                                     << "1"
                                     << "" << true;
    QTest::newRow("pitching 4 in 12") << "1"
                                      << "4"
                                      << "4"
                                      << "12" << false;
}

void TestGames::hitsCheck()
{
    QFETCH(QString, hits);
    QFETCH(QString, atBats);
    QFETCH(QString, pitchingHits);
    QFETCH(QString, pitchingAtBats);
    const EntryTexts texts = textsWith(
        {{Hits, hits}, {AtBats, atBats}, {PHits, pitchingHits}, {PAtBats, pitchingAtBats}});
    QTEST(hitsExceedAtBats(texts), "exceeds");
}

void TestGames::inningsFromTheBoxes_data()
{
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("thirds");
    QTest::addColumn<float>("stored");
    QTest::newRow("6 and 2/3") << "6"
                               << "2/3" << 6.2f;
    QTest::newRow("empty and 1/3") << ""
                                   << "1/3" << 0.1f;
    QTest::newRow("6 and --") << "6"
                              << "--" << 6.0f;
    QTest::newRow("6 and nothing") << "6"
                                   << "" << 6.0f;
    QTest::newRow("typed text keeps the previous") << "6"
                                                   << "half" << 3.1f;
}

void TestGames::inningsFromTheBoxes()
{
    QFETCH(QString, whole);
    QFETCH(QString, thirds);
    EntryTexts texts;
    texts.game = "4";
    texts.innings = whole;
    texts.inningsThirds = thirds;
    GameRecord previous;
    previous.PInnings = 3.1f;
    Outcome<GameRecord> record = storeShownGame(texts, previous);
    QVERIFY(record.ok());
    QTEST(record->PInnings, "stored");
    QCOMPARE(record->GameNumber, qint16(4));
}

void TestGames::inningsIntoTheBoxes_data()
{
    QTest::addColumn<float>("innings");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("thirds");
    QTest::newRow("5.2") << 5.2f << "5"
                         << "2/3";
    QTest::newRow("0.1") << 0.1f << ""
                         << "1/3";
    QTest::newRow("7") << 7.0f << "7"
                       << "--";
    QTest::newRow("not thirds notation keeps the list") << 4.5f << "4"
                                                        << "kept";
}

void TestGames::inningsIntoTheBoxes()
{
    QFETCH(float, innings);
    EntryTexts texts;
    texts.inningsThirds = "kept";
    GameRecord record;
    record.PInnings = innings;
    showGame(record, texts);
    QTEST(texts.innings, "whole");
    QTEST(texts.inningsThirds, "thirds");
}

void TestGames::pastedTextIsRefusedNamingTheBox()
{
    EntryTexts texts = textsWith({{PHits, "4x"}});
    QCOMPARE(storeShownGame(texts, GameRecord{}).error(),
             QString("\"Hits\" under Pitching Stats must be a whole number from 0 to 32767."));
    texts = textsWith({{7, "40000"}});
    QCOMPARE(storeShownGame(texts, GameRecord{}).error(),
             QString("\"Strikeouts\" under Batting Stats must be a whole number from 0 to 32767."));
    texts = EntryTexts{};
    texts.innings = "2.5";
    QCOMPARE(storeShownGame(texts, GameRecord{}).error(),
             QString("\"Innings\" under Pitching Stats must be a whole number from 0 to 32767."));
}

void TestGames::layoutAndFocus()
{
    writeStats(NewStatsFile);
    frmSingleGameStats *w = open();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString("Enter Single Game Stats"));
    QCOMPARE(w->size(), QSize(721, 502));
    QCOMPARE(w->cmdNewGame->text(), QString("&New Game "));
    QCOMPARE(w->cmdClear->text(), QString("Clea&r Game "));
    QCOMPARE(w->txtPInnings->geometry(), QRect(112, 328, 49, 25));
    QCOMPARE(w->findChild<QWidget *>("txtBSBs")->geometry(), QRect(616, 176, 49, 25));
    // The decision list keeps its row and right edge's room, widened to show "No Decision" whole.
    QCOMPARE(w->CBDecision->y(), 296);
    QVERIFY(w->CBDecision->width() >= std::max(89, w->CBDecision->sizeHint().width()));
    QVERIFY(w->CBDecision->geometry().right() < w->width());
    QVERIFY(!w->Calendar1); // built only when asked for
    QCOMPARE(w->focusWidget(), w->CBGame);
    // Tab goes from the game list through the boxes to the buttons.
    const auto nextTabStop = [](QWidget *from) {
        QWidget *next = from->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return next;
    };
    QCOMPARE(nextTabStop(w->CBGame), w->txtDate);
    QCOMPARE(nextTabStop(w->findChild<QWidget *>("txtBSBs")),
             w->findChild<QWidget *>("txtPAtBats"));
    QCOMPARE(nextTabStop(w->txtPInnings), w->CBInnings);
    QCOMPARE(nextTabStop(w->CBDecision), w->txtHighlights);
    QCOMPARE(nextTabStop(w->cmdCalendar), w->cmdNewGame);
}

void TestGames::keyFilters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("edited");
    QTest::newRow("letters and minus dropped") << "txtBHits"
                                               << ""
                                               << "a-"
                                               << "" << false;
    QTest::newRow("digits") << "txtBHits"
                            << ""
                            << "12"
                            << "12" << true;
    QTest::newRow("date slash passes, minus does not") << "txtDate"
                                                       << ""
                                                       << "05/14-2004"
                                                       << "05/142004" << true;
    QTest::newRow("a digit replaces the hint") << "txtDate"
                                               << "MM/DD/YYYY"
                                               << "3"
                                               << "3" << true;
    QTest::newRow("quote dropped in the opponent") << "txtOpponent"
                                                   << ""
                                                   << "\"Aces\""
                                                   << "Aces" << true;
}

void TestGames::keyFilters()
{
    QFETCH(QString, box);
    QFETCH(QString, start);
    QFETCH(QString, typed);
    writeStats(NewStatsFile);
    frmSingleGameStats *w = open();
    auto *input = w->findChild<QLineEdit *>(box);
    input->setText(start);
    QTest::keyClicks(input, typed);
    QTEST(input->text(), "kept");
    QTEST(w->GameChanged(), "edited");
}

void TestGames::firstGameOfANewPlayer()
{
    writeStats(NewStatsFile);
    frmSingleGameStats *w = open();
    QCOMPARE(w->CBGame->count(), 1);
    QCOMPARE(w->CBGame->currentText(), QString("1"));
    QCOMPARE(w->txtPInnings->text(), QString());
    QCOMPARE(w->CBInnings->currentText(), QString("--"));
    QCOMPARE(w->CBDecision->currentIndex(), -1);
    QVERIFY(!w->GameChanged());

    // Backspace in an empty box passes and marks the game edited.
    QTest::keyClick(w->countBoxes[AtBats], Qt::Key_Backspace);
    QVERIFY(w->GameChanged());
    QTest::keyClicks(w->countBoxes[AtBats], "4");
    QTest::keyClicks(w->countBoxes[Hits], "2");
    QTest::keyClicks(w->txtDate, "05/14/2004");
    QTest::keyClicks(w->txtOpponent, "Team2");
    QTest::keyClicks(w->txtPInnings, "5");
    w->CBInnings->setCurrentIndex(1);
    w->CBDecision->setCurrentIndex(1);
    w->cmdSubmit->click();
    QCOMPARE(
        readBytes(statsPath()),
        NewStatsFile +
            "1,2,4,0,0,0,0,0,0,0,0,0,0,0,5.1,0,0,0,0,0,\"05/14/2004\",\"Team2\",\"Win\",\"\"\r\n");
    QCOMPARE(m_main->findChild<QLabel *>("lblBHits")->text(), QString("2"));
    QCOMPARE(m_main->findChild<QLabel *>("lblPInnings")->text(), QString("5   1 / 3"));
}

void TestGames::fullSeasonDisablesNewGame()
{
    QByteArray season = NewStatsFile;
    for (int game = 1; game <= MaxGames; ++game)
        season += gameLine(game);
    writeStats(season);
    frmSingleGameStats *w = open();
    QCOMPARE(w->CBGame->count(), 200);
    QCOMPARE(w->CurrentGame(), 200);
    QVERIFY(!w->cmdNewGame->isEnabled());

    writeStats(season.left(season.lastIndexOf("200,")));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w = open();
    QVERIFY(w->cmdNewGame->isEnabled());
    w->cmdNewGame->click();
    QVERIFY(!w->cmdNewGame->isEnabled());
    QCOMPARE(w->CBGame->currentText(), QString("200"));
}

void TestGames::zeroCountsStayEmpty()
{
    writeStats(NewStatsFile + gameLine(1, "5.2", "Save") + gameLine(2, ".1"));
    frmSingleGameStats *w = open();
    QCOMPARE(w->CurrentGame(), 2);
    QCOMPARE(w->txtPInnings->text(), QString());
    QCOMPARE(w->CBInnings->currentText(), QString("1/3"));
    QCOMPARE(w->countBoxes[2]->text(), QString()); // runs, 0
    QTest::keyClicks(w->countBoxes[3], "1"); // walks: the game is edited, other boxes untouched
    select(w, 1);
    QCOMPARE(w->txtPInnings->text(), QString("5"));
    QCOMPARE(w->CBInnings->currentText(), QString("2/3"));
    QCOMPARE(w->CBDecision->currentText(), QString("Save"));
    select(w, 2);
    QCOMPARE(w->countBoxes[2]->text(), QString());
    QCOMPARE(w->countBoxes[3]->text(), QString("1"));
    QCOMPARE(w->txtPInnings->text(), QString());
    QCOMPARE(w->table().record(2).PInnings, 0.1f);
}

void TestGames::hitsAboveAtBatsKeepTheGame()
{
    writeStats(NewStatsFile + gameLine(1) + gameLine(2));
    frmSingleGameStats *w = open();
    w->countBoxes[Hits]->clear();
    QTest::keyClicks(w->countBoxes[Hits], "3");
    w->countBoxes[AtBats]->clear();
    QTest::keyClicks(w->countBoxes[AtBats], "2");
    select(w, 1);
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].text, QString("Hits cannot exceed At Bats"));
    QCOMPARE(m_dialogs.messages[0].title, QString("Invalid Entry"));
    QCOMPARE(m_dialogs.messages[0].icon, MessageIcon::None);
    QCOMPARE(w->CurrentGame(), 2);
    QCOMPARE(w->CBGame->currentText(), QString("2")); // the list goes back to the game shown
    QCOMPARE(w->countBoxes[Hits]->text(), QString("3"));
    QCOMPARE(w->table().record(2).BHits, qint16(1));
    w->cmdSubmit->click();
    QCOMPARE(m_dialogs.messages.size(), 2);
    QVERIFY(m_main->openedWindow<frmSingleGameStats>());

    // New Game stores the game as it stands, says so once and shows the new empty game.
    w->cmdNewGame->click();
    QCOMPARE(m_dialogs.messages.size(), 3);
    QCOMPARE(w->table().record(2).BHits, qint16(3));
    QCOMPARE(w->CurrentGame(), 3);
    QCOMPARE(w->CBGame->currentText(), QString("3"));
    QCOMPARE(w->countBoxes[Hits]->text(), QString());
    QCOMPARE(w->CBInnings->currentText(), QString("--"));
}

void TestGames::newGamesAreAppendedNumberedOn()
{
    const QByteArray before = NewStatsFile + gameLine(1) + gameLine(2);
    writeStats(before);
    frmSingleGameStats *w = open();
    for (int i = 0; i < 3; ++i)
        w->cmdNewGame->click();
    QCOMPARE(w->CBGame->count(), 5);
    QTest::keyClicks(w->txtOpponent, "Team5");
    w->cmdSubmit->click();
    QByteArray expected = before;
    for (int game = 3; game <= 4; ++game)
        expected += QByteArray::number(game) +
                    ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"\",\"\",\"\",\"\"\r\n";
    expected += "5,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"\",\"Team5\",\"\",\"\"\r\n";
    QCOMPARE(readBytes(statsPath()), expected);
    QCOMPARE(m_main->findChild<QLabel *>("lblBGames")->text(), QString("5"));
}

void TestGames::cancelAndUneditedSubmitWriteNothing()
{
    const QByteArray before = NewStatsFile + gameLine(1, "5.1");
    writeStats(before);
    frmSingleGameStats *w = open();
    w->cmdNewGame->click();
    w->cmdCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(readBytes(statsPath()), before);

    // Submit without an edit writes nothing but still refreshes the summary.
    writeStats(NewStatsFile);
    QVERIFY(m_main->UpdateMainPage());
    writeStats(before);
    w = open();
    const QDateTime written = QFileInfo(statsPath()).lastModified();
    w->cmdSubmit->click();
    QCOMPARE(readBytes(statsPath()), before);
    QCOMPARE(QFileInfo(statsPath()).lastModified(), written);
    QCOMPARE(m_main->findChild<QLabel *>("lblBGames")->text(), QString("1"));

    // A player without games who opens and submits gets no empty game written.
    writeStats(NewStatsFile);
    w = open();
    w->cmdSubmit->click();
    QCOMPARE(readBytes(statsPath()), NewStatsFile);
}

void TestGames::everyEditedInputIsKept()
{
    writeStats(NewStatsFile + gameLine(1) + gameLine(2));
    frmSingleGameStats *w = open();
    select(w, 1);
    w->txtOpponent->clear();
    QTest::keyClicks(w->txtOpponent, "Hawks, Jr.");
    select(w, 2);
    w->CBDecision->setCurrentIndex(2);
    emit w->CBDecision->activated(2);
    w->cmdSubmit->click();
    const QList<QByteArray> lines = readBytes(statsPath()).split('\n');
    QVERIFY(lines[1].contains("\"Hawks, Jr.\""));
    QVERIFY(lines[2].endsWith("\"Team2\",\"Loss\",\"\"\r"));
}

// Highlights longer than a line edit's default limit, from an old file, survive an edit of
// another box of their game.
void TestGames::longTextsAreKeptWhole()
{
    QByteArray highlights(40000, 'h');
    highlights.replace(32767, 3, "end"); // a cut at the default limit loses these
    QByteArray opponent(33000, 'o');
    opponent.replace(32767, 3, "end");
    const QByteArray game1 = "1,1,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"\",\"" + opponent +
                             "\",\"\",\"" + highlights + "\"\r\n";
    writeStats(NewStatsFile + game1 + gameLine(2));
    frmSingleGameStats *w = open();
    select(w, 1);
    QTest::keyClicks(w->countBoxes[AtBats], "9");
    w->cmdSubmit->click();
    QCOMPARE(m_dialogs.messages.size(), 0);
    const QByteArray stored = readBytes(statsPath()).split('\n').value(1);
    const QByteArray expected = QByteArray(game1).replace("1,1,3,", "1,1,39,").chopped(1);
    QCOMPARE(stored.size(), expected.size());
    QVERIFY(stored == expected);
}

// An old file's decision the list does not offer shows no choice, is not replaced by the decision
// shown before, and gives way only to one the user picks.
void TestGames::decisionOutsideTheListIsKept()
{
    writeStats(NewStatsFile + gameLine(1, "1", "Loss") + gameLine(2, "1", "win") +
               gameLine(3, "1", "win"));
    frmSingleGameStats *w = open();
    select(w, 1);
    select(w, 2);
    QCOMPARE(w->CBDecision->currentIndex(), -1);
    QTest::keyClicks(w->txtOpponent, "x");
    select(w, 3);
    QCOMPARE(w->CBDecision->currentIndex(), -1);
    w->CBDecision->setCurrentIndex(1);
    emit w->CBDecision->activated(1);
    w->cmdSubmit->click();
    const QList<QByteArray> lines = readBytes(statsPath()).split('\n');
    QVERIFY(lines[2].endsWith("\"Team2x\",\"win\",\"\"\r"));
    QVERIFY(lines[3].endsWith("\"Team3\",\"Win\",\"\"\r"));
}

void TestGames::clearGameAndCalendar()
{
    writeStats(NewStatsFile + gameLine(1, "2.2", "Win"));
    frmSingleGameStats *w = open();
    w->cmdCalendar->click();
    QVERIFY(!w->Calendar1->isHidden());
    w->cmdClear->click();
    QVERIFY(w->Calendar1->isHidden());
    QCOMPARE(w->countBoxes[Hits]->text(), QString());
    QCOMPARE(w->txtPInnings->text(), QString());
    QCOMPARE(w->CBDecision->currentIndex(), -1);
    QCOMPARE(w->txtOpponent->text(), QString("Team1"));
    QVERIFY(!w->GameChanged());
    QCOMPARE(w->table().record(1).BHits, qint16(1));

    w->cmdCalendar->click();
    emit w->Calendar1->clicked(QDate(2026, 4, 9));
    QCOMPARE(w->txtDate->text(), QString("04/09/2026"));
    QVERIFY(w->Calendar1->isHidden());
    QVERIFY(w->GameChanged());
}

void TestGames::calendarShowsWholeMonths_data()
{
    QTest::addColumn<QString>("date");
    QTest::newRow("31 days from a Saturday") << "08/20/2026";
    QTest::newRow("31 days from a Sunday") << "03/01/2026";
    QTest::newRow("30 days from a Sunday") << "11/30/2025";
    QTest::newRow("28 days from a Monday") << "02/09/2015";
}

// Opened on any month, the calendar shows its navigation, its day names and all six weeks whole,
// from the corner the layout gives it and inside the window.
void TestGames::calendarShowsWholeMonths()
{
    QFETCH(QString, date);
    frmSingleGameStats *w = open();
    w->txtDate->setText(date);
    w->cmdCalendar->click();
    QCOMPARE(w->Calendar1->selectedDate(), QDate::fromString(date, "MM/dd/yyyy"));
    QCOMPARE(w->Calendar1->pos(), QPoint(twipsToPixels(3720), twipsToPixels(1280)));
    QVERIFY(w->rect().contains(w->Calendar1->geometry()));
    auto *days = w->Calendar1->findChild<QTableView *>("qt_calendar_calendarview");
    QVERIFY(days);
    QCOMPARE(days->model()->rowCount(), 7); // the day names and six weeks
    const QFontMetrics metrics(days->font());
    for (int row = 0; row < 7; ++row) {
        const int top = days->rowViewportPosition(row);
        QVERIFY2(top >= 0 && top + days->rowHeight(row) <= days->viewport()->height(),
                 qPrintable(QString("row %1").arg(row)));
        QVERIFY(days->rowHeight(row) >= metrics.height());
    }
    for (int column = 0; column < 7; ++column)
        QVERIFY(days->columnWidth(column) >= metrics.horizontalAdvance("31"));
    const QStringList cut = TextsInSight::cutTexts(*w);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
}

void TestGames::longPlayerNameShowsWhole_data()
{
    QTest::addColumn<QString>("player");
    QTest::newRow("one line") << "Maximilian Montgomery-Worth";
    QTest::newRow("two lines") << "WWWWWWWWWWWWW WWWWWWWWWWWWW";
}

// The player's name shows whole above the game's row, from the place the layout gives it, on a
// second line when the room up to the opponent box's edge does not hold it.
void TestGames::longPlayerNameShowsWhole()
{
    QFETCH(QString, player);
    writeBytes(m_app + "Team1/" + player + ".sta", NewStatsFile + gameLine(1));
    m_main->state().PlayerName = player;
    frmSingleGameStats *w = open();
    QVERIFY(w);
    QCOMPARE(w->lblPlayerName->text(), player);
    QCOMPARE(w->lblPlayerName->pos(), QPoint(twipsToPixels(5160), twipsToPixels(120)));
    const QStringList problems = TextsInSight::cutTexts(*w) + TextsInSight::overlappingTexts(*w);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void TestGames::unreadableStatsFileClosesTheWindow()
{
    writeStats(NewStatsFile + "1,2,x\r\n");
    QVERIFY(!open());
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY(m_dialogs.messages[0].text.startsWith(
        QString("Cannot read \"%1\", line 2:").arg(statsPath())));
    QFile::remove(statsPath());
    QVERIFY(!open());
    QVERIFY(m_dialogs.messages[1].text.contains("does not exist"));
}

void TestGames::failedWriteKeepsTheEdits()
{
    const QByteArray before = NewStatsFile + gameLine(1);
    writeStats(before);
    frmSingleGameStats *w = open();
    QTest::keyClicks(w->countBoxes[AtBats], "9");
    {
        ReadOnlyFolder readOnly(m_app + "Team1");
        if (!readOnly.refusesNewFiles())
            QSKIP("this file system lets every folder be written");
        w->cmdSubmit->click();
        QVERIFY(m_dialogs.messages.last().text.startsWith(
            QString("Cannot save \"%1\":").arg(statsPath())));
        QCOMPARE(readBytes(statsPath()), before);
        QVERIFY(m_main->openedWindow<frmSingleGameStats>());
    }
    // A pasted number too large is named and nothing is stored.
    w->countBoxes[7]->setText("99999");
    emit w->countBoxes[7]->textEdited("99999");
    w->cmdSubmit->click();
    QCOMPARE(m_dialogs.messages.last().text,
             QString("\"Strikeouts\" under Batting Stats must be a whole number from 0 to 32767."));
    QCOMPARE(readBytes(statsPath()), before);
    w->countBoxes[7]->setText("2");
    w->cmdSubmit->click();
    QVERIFY(readBytes(statsPath()).contains("\n1,1,39,0,0,0,0,0,2,"));
}

// New Game on the untouched empty game 1 of a new player keeps it: what he types is his only game,
// and a New Game left empty is not stored.
void TestGames::firstGameEnteredTheReadmesWayIsTheOnlyOne()
{
    writeStats(NewStatsFile);
    frmSingleGameStats *w = open();
    w->cmdNewGame->click();
    QCOMPARE(w->CBGame->count(), 1);
    QCOMPARE(w->CurrentGame(), 1);
    QTest::keyClicks(w->txtOpponent, "Tigers");
    QTest::keyClicks(w->findChild<QLineEdit *>("txtBAtBats"), "3");
    QTest::keyClicks(w->findChild<QLineEdit *>("txtBHits"), "1");
    w->cmdNewGame->click(); // game 2, left empty
    QCOMPARE(w->CBGame->count(), 2);
    w->cmdSubmit->click();
    QCOMPARE(readBytes(statsPath()),
             NewStatsFile +
                 "1,1,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"\",\"Tigers\",\"\",\"\"\r\n");
    QCOMPARE(m_main->findChild<QLabel *>("lblBGames")->text(), QString("1"));
}

// Delete Game asks, renumbers the games after it, and is stored by Submit like every edit.
void TestGames::deletingAGameRenumbersTheRest()
{
    const QByteArray before = NewStatsFile + gameLine(1) + gameLine(2) + gameLine(3);
    writeStats(before);
    frmSingleGameStats *w = open();
    select(w, 2);
    w->cmdDeleteGame->click(); // answered No
    QCOMPARE(m_dialogs.messages.last().text,
             QString("Delete game 2 (no date, Team2)? The games after it move up one number."));
    QCOMPARE(m_dialogs.messages.last().buttons, MessageButtons::YesNoDefaultNo);
    QCOMPARE(w->CBGame->count(), 3);
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
    w->cmdDeleteGame->click();
    QCOMPARE(w->CBGame->count(), 2);
    QCOMPARE(w->CurrentGame(), 2);
    QCOMPARE(w->txtOpponent->text(), QString("Team3"));
    w->cmdCancel->click(); // drops the deletion, without asking
    QCOMPARE(m_dialogs.messages.size(), 2);
    QCOMPARE(readBytes(statsPath()), before);
    deleteClosedWindows();

    w = open();
    select(w, 2);
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
    w->cmdDeleteGame->click();
    w->cmdSubmit->click();
    QByteArray renumbered = gameLine(3);
    renumbered[0] = '2';
    QCOMPARE(readBytes(statsPath()), NewStatsFile + gameLine(1) + renumbered);

    // The last game deleted leaves an empty game 1, which is not stored.
    writeStats(NewStatsFile + gameLine(1));
    deleteClosedWindows();
    w = open();
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
    w->cmdDeleteGame->click();
    QCOMPARE(w->CBGame->count(), 1);
    QCOMPARE(w->txtOpponent->text(), QString());
    w->cmdSubmit->click();
    QCOMPARE(readBytes(statsPath()), NewStatsFile);
}

void TestGames::closingWithEditsAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("stored");
    QTest::newRow("Save") << int(MessageAnswer::Save) << true << true;
    QTest::newRow("Discard") << int(MessageAnswer::Discard) << true << false;
    QTest::newRow("Cancel") << int(MessageAnswer::Cancel) << false << false;
}

// Esc, or the frame, with a typed box asks; each answer does what it says.
void TestGames::closingWithEditsAsks()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, stored);
    const QByteArray before = NewStatsFile + gameLine(1);
    writeStats(before);
    for (const bool byFrame : {false, true}) {
        writeStats(before);
        frmSingleGameStats *w = open();
        auto *atBats = w->findChild<QLineEdit *>("txtBAtBats");
        atBats->clear();
        QTest::keyClicks(atBats, "7");
        m_dialogs.messageAnswers.enqueue(MessageAnswer(answer));
        if (byFrame)
            w->close();
        else
            QTest::keyClick(atBats, Qt::Key_Escape);
        QCOMPARE(m_dialogs.messages.last().text,
                 QString("Enter Single Game Stats holds changes that are not saved yet. "
                         "Save them?"));
        QCOMPARE(m_dialogs.messages.last().buttons, MessageButtons::SaveDiscardCancel);
        deleteClosedWindows();
        QCOMPARE(!m_main->openedWindow<frmSingleGameStats>(), closed);
        QByteArray expected = before;
        if (stored)
            expected.replace(",1,3,", ",1,7,");
        QCOMPARE(readBytes(statsPath()), expected);
        if (!closed) {
            QCOMPARE(atBats->text(), QString("7"));
            w->cmdCancel->click();
            deleteClosedWindows();
        }
    }
}

void TestGames::keysWorkAsInADialog_data()
{
    QTest::addColumn<QString>("box"); // typed into, and the key sent there
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("focusAfter"); // empty: the window closed
    QTest::addColumn<bool>("stored");
    const int none = Qt::NoModifier;
    QTest::newRow("Return in at bats moves to hits")
        << "txtBAtBats"
        << "4" << int(Qt::Key_Return) << none << "txtBHits" << false;
    QTest::newRow("keypad Enter in Highlights moves to Submit")
        << "txtHighlights"
        << "Walk-off" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "cmdSubmit" << false;
    QTest::newRow("Return in the game list moves to the date")
        << "CBGame"
        << "" << int(Qt::Key_Return) << none << "txtDate" << false;
    QTest::newRow("Ctrl+Return submits")
        << "txtBAtBats"
        << "4" << int(Qt::Key_Return) << int(Qt::ControlModifier) << "" << true;
    QTest::newRow("Return on Submit presses it")
        << "cmdSubmit"
        << "" << int(Qt::Key_Return) << none << "" << false;
}

// Enter moves on from box to box and presses a focused button; Ctrl+Enter submits.
void TestGames::keysWorkAsInADialog()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, focusAfter);
    QFETCH(bool, stored);
    const QByteArray before = NewStatsFile + gameLine(1);
    writeStats(before);
    frmSingleGameStats *w = open();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto *input = w->findChild<QWidget *>(box);
    input->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(input)) {
        edit->clear();
        QTest::keyClicks(edit, typed);
    }
    QTest::keyClick(input, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (focusAfter.isEmpty()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_main->openedWindow<frmSingleGameStats>());
    } else {
        QCOMPARE(w->focusWidget()->objectName(), focusAfter);
        QVERIFY(w->isVisible());
    }
    const QByteArray after = readBytes(statsPath());
    if (stored)
        QVERIFY2(after != before && after.contains(",4,"), after.constData());
    else
        QCOMPARE(after, before);
    QVERIFY(m_dialogs.messages.isEmpty());
}

// The calendar takes Enter to choose its day, an open list to choose its item or close: neither
// submits nor cancels the window.
void TestGames::listAndCalendarKeepTheirKeys()
{
    const QByteArray before = NewStatsFile + gameLine(1);
    writeStats(before);
    frmSingleGameStats *w = open();
    w->cmdCalendar->click();
    w->Calendar1->setSelectedDate(QDate(2026, 4, 9));
    auto *days = w->Calendar1->findChild<QTableView *>();
    QVERIFY(days);
    QTest::keyClick(days, Qt::Key_Return);
    QCOMPARE(w->txtDate->text(), QString("04/09/2026"));
    QVERIFY(w->Calendar1->isHidden());

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        w->CBDecision->showPopup();
        QAbstractItemView *list = w->CBDecision->view();
        QTRY_VERIFY(list->isVisible());
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyClick(list, key);
        QTRY_VERIFY(!list->isVisible());
    }
    QCOMPARE(w->CBDecision->currentIndex(), 1); // chosen with Enter, kept through Esc
    QCOMPARE(m_main->openedWindow<frmSingleGameStats>(), w);
    QVERIFY(w->isVisible());
    QCOMPARE(readBytes(statsPath()), before);
}

QTEST_MAIN(TestGames)
#include "tst_games.moc"
