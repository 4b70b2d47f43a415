// The box score through its window: one new game for every player who played, all the stats
// files or none, and the whole of it from the keyboard.

#include "games/frmBoxScore.h"
#include "mainwindow/frmMain.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

const QByteArray Date = "06/01/2026";

// A game's line as game entry stores it: number, the batting counts, the pitching counts, texts.
QByteArray line(const QList<QByteArray> &numbers, const QByteArray &decision = "")
{
    return numbers.join(',') + ",\"" + Date + "\",\"Hawks\",\"" + decision +
           "\",\"Rain delay\"\r\n";
}
QByteArray battingLine(int hits, int atBats)
{
    QList<QByteArray> numbers{"1", QByteArray::number(hits), QByteArray::number(atBats)};
    while (numbers.size() < 20)
        numbers.append("0");
    return line(numbers);
}

} // namespace

class TestBoxScore : public WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { finish(); }
    void everyPlayerWhoPlayedGetsOneGame();
    void rowsThatCannotBeStoredBlockSubmit();
    void aFailedWriteChangesNoStatsFile();
    void theKeyboardAloneEntersABoxScore();

private:
    QString stats(int player) const { return m_app + QString("Bats/P%1.sta").arg(player); }
    frmBoxScore *open();
    void fillGameTexts(frmBoxScore *w);
    void type(frmBoxScore *w, const QString &name, const QString &text);
};

// The team "Bats" with twelve players P1 to P12, none with a game yet; P1 is current.
void TestBoxScore::init()
{
    prepare();
    QByteArray team = "\"Bats\",\"\",\"\",\"2026\",\"\",0\r\n";
    for (int slot = 0; slot < RosterSlots; ++slot)
        team += slot < 12 ? "\"P" + QByteArray::number(slot + 1) + "\",1\r\n" : "\"\",0\r\n";
    writeBytes(m_app + "Bats/Bats.tea", team);
    for (int player = 1; player <= 12; ++player) {
        writeBytes(m_app + QString("Bats/P%1.ply").arg(player),
                   "\"P" + QByteArray::number(player) +
                       "\",\"Bats\",1,0,1,1,0,\"\",\"\",0,\"\"\r\n");
        writeBytes(stats(player), NewStatsFile);
    }
    writeBytes(m_app + "settings.dft", "\"Bats\",\"P1\",0,0\r\n");
    startMain();
}

frmBoxScore *TestBoxScore::open()
{
    m_main->findChild<QAction *>("mnuBoxScore")->trigger();
    return m_main->openedWindow<frmBoxScore>();
}

void TestBoxScore::type(frmBoxScore *w, const QString &name, const QString &text)
{
    auto *cell = w->findChild<QLineEdit *>(name);
    QVERIFY2(cell, qPrintable(name));
    QTest::keyClicks(cell, text);
}

void TestBoxScore::fillGameTexts(frmBoxScore *w)
{
    w->txtDate->setText(Date);
    QTest::keyClicks(w->txtOpponent, "Hawks");
    QTest::keyClicks(w->txtHighlights, "Rain delay");
}

// Nine batters and two pitchers, one of whom batted too: each of them gets exactly one game, as
// game entry stores it, and the others' files stay as they were.
void TestBoxScore::everyPlayerWhoPlayedGetsOneGame()
{
    frmBoxScore *w = open();
    QVERIFY(w);
    QCOMPARE(m_main->findChild<QAction *>("mnuBoxScore")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_B));
    QCOMPARE(w->windowTitle(), QString("Box Score"));
    QCOMPARE(w->txtDate->text(), QDate::currentDate().toString("MM/dd/yyyy"));
    fillGameTexts(w);
    for (int row = 0; row < 9; ++row) {
        type(w, QString("bat%1_txtBAtBats").arg(row), QString::number(row + 2));
        type(w, QString("bat%1_txtBHits").arg(row), "1");
    }
    QVERIFY(w->addPitcher("P1")); // batted too
    QVERIFY(w->addPitcher("P11"));
    QVERIFY(!w->addPitcher("P11"));
    type(w, "pit0_txtPInnings", "3");
    w->findChild<QComboBox *>("pit0_CBInnings")->setCurrentText("1/3");
    type(w, "pit0_txtPAtBats", "12");
    type(w, "pit0_txtPHits", "2");
    w->findChild<QComboBox *>("pit0_CBDecision")->setCurrentText("Win");
    type(w, "pit1_txtPInnings", "2");
    w->findChild<QComboBox *>("pit1_CBDecision")->setCurrentText("Save");
    const QByteArray untouched = readBytes(stats(12));
    w->cmdSubmit->click();

    QCOMPARE(m_dialogs.messages.last().text, QString("The game was stored for 10 players."));
    QCOMPARE(readBytes(stats(1)),
             NewStatsFile + line({"1", "1",  "2", "0", "0",   "0", "0", "0", "0", "0",
                                  "0", "12", "2", "0", "3.1", "0", "0", "0", "0", "0"},
                                 "Win"));
    for (int player = 2; player <= 9; ++player)
        QCOMPARE(readBytes(stats(player)), NewStatsFile + battingLine(1, player + 1));
    QByteArray p11 = line({"1", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                           "0", "0", "0", "0", "2", "0", "0", "0", "0", "0"},
                          "Save");
    QCOMPARE(readBytes(stats(11)), NewStatsFile + p11);
    QCOMPARE(readBytes(stats(10)), untouched);
    QCOMPARE(readBytes(stats(12)), untouched);
    // The current player's summary shows his new totals.
    QCOMPARE(m_main->findChild<QLabel *>("lblBGames")->text(), QString("1"));
    QCOMPARE(m_main->findChild<QLabel *>("lblPWins")->text(), QString("1"));
    deleteClosedWindows();
    QVERIFY(!m_main->openedWindow<frmBoxScore>());
}

// More hits than at bats names the row and marks the cell; a player at 200 games is refused;
// either way no stats file is written.
void TestBoxScore::rowsThatCannotBeStoredBlockSubmit()
{
    QByteArray full = NewStatsFile;
    for (int game = 1; game <= 200; ++game)
        full += QByteArray::number(game) +
                ",0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"\",\"\",\"\",\"\"\r\n";
    writeBytes(stats(12), full);
    frmBoxScore *w = open();
    fillGameTexts(w);
    type(w, "bat0_txtBAtBats", "4");
    type(w, "bat2_txtBAtBats", "2");
    type(w, "bat2_txtBHits", "3");
    w->cmdSubmit->click();
    QCOMPARE(w->lblProblems->text(), QString("P3 (batting row): Hits cannot exceed At Bats"));
    QVERIFY(!w->findChild<QLineEdit *>("bat2_txtBHits")->styleSheet().isEmpty());
    QVERIFY(w->isVisible());
    QCOMPARE(readBytes(stats(1)), NewStatsFile);

    w->findChild<QLineEdit *>("bat2_txtBHits")->clear();
    type(w, "bat11_txtBAtBats", "3");
    w->cmdSubmit->click();
    QVERIFY2(m_dialogs.messages.last().text.startsWith("P12 has 200 games already"),
             qPrintable(m_dialogs.messages.last().text));
    QCOMPARE(readBytes(stats(1)), NewStatsFile);
    QCOMPARE(readBytes(stats(3)), NewStatsFile);
    QCOMPARE(readBytes(stats(12)), full);
    QVERIFY(w->isVisible());
}

// The fifth player's stats file cannot be replaced: no stats file changes, the message names it,
// and the box score stays to be submitted again.
void TestBoxScore::aFailedWriteChangesNoStatsFile()
{
    frmBoxScore *w = open();
    fillGameTexts(w);
    for (int row = 0; row < 6; ++row)
        type(w, QString("bat%1_txtBAtBats").arg(row), "3");
    FixedFile fixed(stats(5));
    if (!fixed.fixed())
        QSKIP("this file system has no immutable files");
    w->cmdSubmit->click();
    QVERIFY2(
        m_dialogs.messages.last().text.startsWith(QString("Cannot save \"%1\":").arg(stats(5))),
        qPrintable(m_dialogs.messages.last().text));
    for (int player = 1; player <= 12; ++player)
        QCOMPARE(readBytes(stats(player)), NewStatsFile);
    QVERIFY(w->isVisible());
    QCOMPARE(w->findChild<QLineEdit *>("bat0_txtBAtBats")->text(), QString("3"));
}

// Digits, Tab, Enter, the arrows and Ctrl+Enter: a box score without the mouse.
void TestBoxScore::theKeyboardAloneEntersABoxScore()
{
    frmBoxScore *w = open();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    const auto keys = [](const QString &text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
    };
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
    };
    QCOMPARE(QApplication::focusWidget(), w->txtOpponent);
    keys("Hawks");
    key(Qt::Key_Tab);    // the highlights
    key(Qt::Key_Return); // P1's at bats
    keys("4");
    key(Qt::Key_Return); // his hits
    keys("2");
    key(Qt::Key_Down); // P2's hits
    keys("9");
    key(Qt::Key_Delete); // emptied again
    key(Qt::Key_Left);   // P2's at bats, the cell empty
    keys("3");
    key(Qt::Key_Right);
    keys("1");
    key(Qt::Key_H, Qt::AltModifier); // the pitcher list
    QCOMPARE(QApplication::focusWidget(), w->CBPitcher);
    keys("P3");
    key(Qt::Key_Return); // on to Add Pitcher
    key(Qt::Key_Return); // pressed: on to his innings
    keys("4");
    key(Qt::Key_Tab); // the thirds
    key(Qt::Key_Tab); // his at bats
    keys("15");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_dialogs.messages.last().text, QString("The game was stored for 3 players."));
    QVERIFY(readBytes(stats(1)).contains("\r\n1,2,4,"));
    QVERIFY(readBytes(stats(2)).contains("\r\n1,1,3,"));
    QVERIFY(readBytes(stats(3)).contains("\r\n1,0,0,0,0,0,0,0,0,0,0,15,0,0,4,"));
    QCOMPARE(readBytes(stats(4)), NewStatsFile);
}

QTEST_MAIN(TestBoxScore)
#include "tst_boxscore.moc"
