// Windows left open while the team changes or their player is deleted: each writes only into the
// team and player it was opened for, on a program folder with two teams.

#include "cards/frmCardOptions.h"
#include "cards/frmPictureCrop.h"
#include "cards/frmViewCard.h"
#include "core/RecordFiles.h"
#include "games/frmSeasonBattingStats.h"
#include "games/frmSingleGameStats.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "platform/Units.h"
#include "reports/frmTeamBattingStats.h"
#include "support/PdfPages.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "support/WindowTest.h"
#include "team/frmChoosePlayer.h"
#include "team/frmNameTeam.h"
#include "team/frmPlayerData.h"
#include "team/frmTeamData.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <sys/stat.h>

namespace {

using Files = QMap<QString, QByteArray>;

// Every file under a folder with its bytes, to show a team was not touched.
Files filesUnder(const QString &folder)
{
    Files files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, readBytes(path));
    }
    return files;
}

QByteArray rosterLine(const QString &teamFile, int slot)
{
    return readBytes(teamFile).split('\n').value(slot + 1);
}

} // namespace

class TestOpenWindows : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup() { finish(); }
    void openTeamAsksAboutUnsavedEdits_data();
    void openTeamAsksAboutUnsavedEdits();
    void openTeamClosesThePreviousTeamsWindows();
    void newTeamClosesThePreviousTeamsWindows();
    void deletedPlayersWindowsCloseFirst();
    void newPlayerLandsOnTheRosterWithoutTheTeamWindow();
    void mainMenuNewPlayerLandsOnTheRoster();
    void teamWindowOpenedAfterThePlayerFormHearsOfHim();
    void newPlayerRefusedByAFullRoster();
    void deletingTheCurrentPlayerKeepsPositions();
    void profileTakesTheSidesFromItsFile();
    void oldNamesCanBeShownEditedAndDeleted();
    void cardOptionsBelongToTheirTeam();
    void editedPictureReachesTheSummaryAndTheCard();
    void teamFilesThatLeadOutOfTheFolder();
    void noWindowWritesBackAFieldItDidNotChange();
    void rosterNameThatCannotBeAFileName();
    void openReportsShowAndPrintWhatIsStored();
    void aPlayerIsChosenFromTheKeyboard();
    void exitAsksAboutEdits();
    void photoThatIsAPipe();
    void windowsOpenAsTheirLayoutsSay_data();
    void windowsOpenAsTheirLayoutsSay();

private:
    void writeTeam(const QString &team, const QStringList &players);
    void writePlayer(const QString &team, const QString &player, int bats);
    void openTeam(const QString &team);
    void trigger(const char *item) { m_main->findChild<QAction *>(item)->trigger(); }
    QString team2() const { return m_app + "Team2"; }
};

void TestOpenWindows::init()
{
    prepare("summary");
    writeTeam("Team2", {"Ann"});
    writePlayer("Team2", "Ann", 2);
    startMain();
}

void TestOpenWindows::writeTeam(const QString &team, const QStringList &players)
{
    TeamFile file;
    file.header = {team, "Coach Ray", "", "Fall", "", 65280};
    for (int slot = 0; slot < players.size(); ++slot)
        file.roster[slot] = {players[slot], 2};
    QDir().mkpath(m_app + team);
    QVERIFY(RecordFiles::WriteTeamFile(m_app, team, file).ok());
}

void TestOpenWindows::writePlayer(const QString &team, const QString &player, int bats)
{
    const PlayerProfile profile{player, team, 2, -1, qint16(bats), 1, 5, "Oak", "CA", 11, ""};
    QVERIFY(RecordFiles::WritePlayerFile(m_app, team, player, profile).ok());
    QVERIFY(RecordFiles::CreateStatsFile(m_app, team, player).ok());
}

void TestOpenWindows::openTeam(const QString &team)
{
    m_dialogs.fileAnswers.enqueue(m_app + team + '/' + team + ".tea");
    m_main->openTeam();
    deleteClosedWindows();
}

void TestOpenWindows::openTeamAsksAboutUnsavedEdits_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("teamAfter");
    QTest::addColumn<QByteArray>("team1Header");
    const QByteArray stored = "\"Team1\",\"Coach Hale\",\"Pat Kim\",\"Spring 2026\",\"\",255\r";
    const QByteArray edited = "\"Team1\",\"Coach Lee\",\"Pat Kim\",\"Spring 2026\",\"\",255\r";
    QTest::newRow("cancel keeps everything") << MessageAnswer::Cancel << "Team1" << stored;
    QTest::newRow("discard") << MessageAnswer::No << "Team2" << stored;
    QTest::newRow("save") << MessageAnswer::Yes << "Team2" << edited;
}

// The team profile left open with an edit while another team is opened: the user is asked, and
// the other team's file is never written by the old window.
void TestOpenWindows::openTeamAsksAboutUnsavedEdits()
{
    QFETCH(MessageAnswer, answer);
    trigger("mnuTeamPro");
    auto *team = m_main->openedWindow<frmTeamData>();
    QVERIFY(team);
    team->txtCoach->setText("Coach Lee");
    const Files otherTeam = filesUnder(team2());
    m_dialogs.messageAnswers.enqueue(answer);
    openTeam("Team2");

    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].text,
             QString("\"Team Profile\" holds changes that are not saved yet. Save them before the "
                     "team changes?"));
    QCOMPARE(m_dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
    QTEST(m_main->state().TeamName, "teamAfter");
    QCOMPARE(bool(m_main->openedWindow<frmTeamData>()), answer == MessageAnswer::Cancel);
    QTEST(readBytes(m_app + "Team1/Team1.tea").split('\n').value(0), "team1Header");
    QCOMPARE(filesUnder(team2()), otherTeam);
    if (answer == MessageAnswer::Cancel) {
        QCOMPARE(m_main->state().PlayerName, QString("Player1"));
        QCOMPARE(m_main->findChild<QLabel *>("lblTeamName")->text(), QString("Team1"));
        return;
    }
    // The window left for the old team is gone: nothing can write Team2's file with Team1's
    // roster any more.
    QCOMPARE(m_main->findChild<QLabel *>("lblPlayerName")->text(), QString("Ann  #5"));
}

// Unedited windows of the old team simply close; none of them writes anything afterwards.
void TestOpenWindows::openTeamClosesThePreviousTeamsWindows()
{
    trigger("mnuPlyrPro");
    trigger("mnuSingle");
    trigger("mnuTeamBat");
    trigger("mnuViewCard");
    QVERIFY(m_main->openedWindow<frmViewCard>());
    QVERIFY(m_main->openedWindow<frmPlayerData>());
    QVERIFY(m_main->openedWindow<frmSingleGameStats>());
    QVERIFY(m_main->openedWindow<frmTeamBattingStats>());
    const Files before = filesUnder(m_app);
    openTeam("Team2");
    QCOMPARE(m_dialogs.messages.size(), 0);
    QVERIFY(!m_main->openedWindow<frmPlayerData>());
    QVERIFY(!m_main->openedWindow<frmSingleGameStats>());
    QVERIFY(!m_main->openedWindow<frmTeamBattingStats>());
    QVERIFY(!m_main->openedWindow<frmViewCard>());
    QCOMPARE(filesUnder(m_app), before);

    // Windows opened now belong to the new team.
    trigger("mnuPlyrPro");
    auto *player = m_main->openedWindow<frmPlayerData>();
    QCOMPARE(player->lblTeamName->text(), QString("Team2"));
    QCOMPARE(player->txtPlayerName->text(), QString("Ann"));
}

void TestOpenWindows::newTeamClosesThePreviousTeamsWindows()
{
    trigger("mnuSingle");
    auto *games = m_main->openedWindow<frmSingleGameStats>();
    QTest::keyClicks(games->txtOpponent, "x");
    trigger("mnuNewTeam");
    auto *name = m_main->openedWindow<frmNameTeam>();
    QTest::keyClicks(name->txtTeamName, "Team3");
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Cancel);
    name->OKButton->click();
    QVERIFY(m_dialogs.messages[0].text.startsWith("\"Enter Single Game Stats\" holds changes"));
    QVERIFY(!QFileInfo::exists(m_app + "Team3"));
    QCOMPARE(m_main->state().TeamName, QString("Team1"));
    QVERIFY(m_main->openedWindow<frmSingleGameStats>());

    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
    name->OKButton->click();
    deleteClosedWindows();
    QCOMPARE(m_main->state().TeamName, QString("Team3"));
    QVERIFY(!m_main->openedWindow<frmSingleGameStats>());
    QVERIFY(readBytes(m_app + "Team1/Player1.sta").split('\n').value(3).contains("\"Bearsx\""));
    QCOMPARE(m_main->openedWindow<frmTeamData>()->lblTeamName->text(), QString("Team3"));
}

// Deleting a player closes his windows first; nothing writes his files again, and he does not
// become current.
void TestOpenWindows::deletedPlayersWindowsCloseFirst()
{
    trigger("mnuPlyrPro");
    trigger("mnuSingle");
    trigger("mnuViewCard");
    auto *player = m_main->openedWindow<frmPlayerData>();
    player->txtHomeTown->setText("Shelbyville");
    trigger("mnuTeamPro");
    auto *team = m_main->openedWindow<frmTeamData>();

    m_dialogs.messageAnswers << MessageAnswer::OK << MessageAnswer::Cancel;
    team->cmdDelete[0]->click();
    QVERIFY(m_dialogs.messages[1].text.startsWith("\"Enter Player Data\" holds changes"));
    QVERIFY(m_dialogs.messages[1].text.endsWith("Save them before Player1 is deleted?"));
    QVERIFY(QFileInfo::exists(m_app + "Team1/Player1.ply"));
    QVERIFY(m_main->openedWindow<frmPlayerData>());

    m_dialogs.messageAnswers << MessageAnswer::OK << MessageAnswer::No;
    team->cmdDelete[0]->click();
    deleteClosedWindows();
    QVERIFY(!m_main->openedWindow<frmPlayerData>());
    QVERIFY(!m_main->openedWindow<frmSingleGameStats>());
    QVERIFY(!m_main->openedWindow<frmViewCard>());
    QVERIFY(!QFileInfo::exists(m_app + "Team1/Player1.ply"));
    QVERIFY(!QFileInfo::exists(m_app + "Team1/Player1.sta"));
    QCOMPARE(m_main->state().PlayerName, QString("Player2"));

    // His name can be used again for a new player.
    team->cmdAddPlayer->click();
    auto *added = m_main->openedWindow<frmPlayerData>();
    added->txtPlayerName->setText("Player1");
    added->cmdSubmit->click();
    QCOMPARE(rosterLine(m_app + "Team1/Team1.tea", 1), QByteArray("\"Player1\",-1\r"));
}

void TestOpenWindows::newPlayerLandsOnTheRosterWithoutTheTeamWindow()
{
    trigger("mnuTeamPro");
    m_main->openedWindow<frmTeamData>()->cmdAddPlayer->click();
    m_main->openedWindow<frmTeamData>()->close();
    deleteClosedWindows();
    auto *player = m_main->openedWindow<frmPlayerData>();
    QTest::keyClicks(player->txtPlayerName, "Cy");
    player->CBPlayerPos[0]->setCurrentIndex(1);
    player->cmdSubmit->click();
    QCOMPARE(rosterLine(m_app + "Team1/Team1.tea", 2), QByteArray("\"Cy\",1\r"));
    QCOMPARE(m_main->state().PlayerCount, qint16(3));
    QCOMPARE(m_main->state().PlayerName, QString("Cy"));
}

// After a new team, the main menu's profile item creates a player; he is on the roster, and the
// next one added in the team window takes the next slot.
void TestOpenWindows::mainMenuNewPlayerLandsOnTheRoster()
{
    trigger("mnuNewTeam");
    auto *name = m_main->openedWindow<frmNameTeam>();
    QTest::keyClicks(name->txtTeamName, "Team3");
    name->OKButton->click();
    deleteClosedWindows();
    trigger("mnuPlyrPro");
    auto *first = m_main->openedWindow<frmPlayerData>();
    QTest::keyClicks(first->txtPlayerName, "Ann");
    first->cmdSubmit->click();
    deleteClosedWindows();
    auto *team = m_main->openedWindow<frmTeamData>();
    QCOMPARE(team->lblPlayer[0]->text(), QString("Ann"));
    team->cmdAddPlayer->click();
    auto *second = m_main->openedWindow<frmPlayerData>();
    QTest::keyClicks(second->txtPlayerName, "Bea");
    second->cmdSubmit->click();
    team->cmdSubmit->click();
    const QList<QByteArray> lines = readBytes(m_app + "Team3/Team3.tea").split('\n');
    QCOMPARE(lines.value(1), QByteArray("\"Ann\",-1\r"));
    QCOMPARE(lines.value(2), QByteArray("\"Bea\",-1\r"));
    QCOMPARE(m_main->state().PlayerCount, qint16(2));
}

// The team window learns of the new player whichever opened first, so its next Submit keeps him.
void TestOpenWindows::teamWindowOpenedAfterThePlayerFormHearsOfHim()
{
    trigger("mnuNewTeam");
    auto *name = m_main->openedWindow<frmNameTeam>();
    QTest::keyClicks(name->txtTeamName, "Team3");
    name->OKButton->click();
    m_main->openedWindow<frmTeamData>()->close();
    deleteClosedWindows();
    trigger("mnuPlyrPro");
    auto *player = m_main->openedWindow<frmPlayerData>();
    trigger("mnuTeamPro");
    auto *team = m_main->openedWindow<frmTeamData>();
    QTest::keyClicks(player->txtPlayerName, "Ann");
    player->cmdSubmit->click();
    QCOMPARE(team->lblPlayer[0]->text(), QString("Ann"));
    QTest::keyClicks(team->txtCoach, "Coach Lee");
    team->cmdSubmit->click();
    const QList<QByteArray> lines = readBytes(m_app + "Team3/Team3.tea").split('\n');
    QCOMPARE(lines.value(0), QByteArray("\"Team3\",\"Coach Lee\",\"\",\"\",\"\",0\r"));
    QCOMPARE(lines.value(1), QByteArray("\"Ann\",-1\r"));
}

void TestOpenWindows::newPlayerRefusedByAFullRoster()
{
    trigger("mnuTeamPro");
    m_main->openedWindow<frmTeamData>()->cmdAddPlayer->click();
    auto *player = m_main->openedWindow<frmPlayerData>();
    // The roster filled meanwhile (by hand, or another program).
    QStringList full;
    for (int i = 0; i < RosterSlots; ++i)
        full << QString("P%1").arg(i);
    writeTeam("Team1", full);
    const Files before = filesUnder(m_app + "Team1");
    QTest::keyClicks(player->txtPlayerName, "Cy");
    player->cmdSubmit->click();
    QCOMPARE(m_dialogs.messages.last().text,
             QString("The roster is full: a team holds at most 27 players."));
    QCOMPARE(filesUnder(m_app + "Team1"), before);
}

// Deleting the current player in slot 0: the player who moves up keeps his stored position.
void TestOpenWindows::deletingTheCurrentPlayerKeepsPositions()
{
    trigger("mnuTeamPro");
    auto *team = m_main->openedWindow<frmTeamData>();
    m_dialogs.messageAnswers << MessageAnswer::OK;
    team->cmdDelete[0]->click();
    QCOMPARE(m_main->state().PlayerName, QString("Player2"));
    QCOMPARE(team->lblPosition[0]->text(), QString("P"));
    team->cmdSubmit->click();
    QCOMPARE(rosterLine(m_app + "Team1/Team1.tea", 0), QByteArray("\"Player2\",1\r"));
}

// The profile window shows and stores the sides of the player it reads, not those of the player
// the summary showed last.
void TestOpenWindows::profileTakesTheSidesFromItsFile()
{
    trigger("mnuTeamPro");
    m_dialogs.fileAnswers.enqueue(team2() + "/Ann.ply");
    m_dialogs.messageAnswers << MessageAnswer::No;
    m_main->openedWindow<frmTeamData>()->cmdImport->click();
    QCOMPARE(m_main->state().PlayerName, QString("Ann"));
    m_main->openedWindow<frmTeamData>()->close();
    deleteClosedWindows();

    trigger("mnuPlyrPro");
    auto *player = m_main->openedWindow<frmPlayerData>();
    QCOMPARE(player->CBBats->currentIndex(), 2);
    QCOMPARE(player->CBThrows->currentIndex(), 1);
    player->cmdSubmit->click();
    QCOMPARE(readBytes(m_app + "Team1/Ann.ply"),
             QByteArray("\"Ann\",\"Team1\",2,-1,2,1,5,\"Oak\",\"CA\",11,\"\"\r\n"));
    QCOMPARE(rosterLine(m_app + "Team1/Team1.tea", 2), QByteArray("\"Ann\",2\r"));
}

// Names from files of the old program ("Bob " with its trailing space) can be shown, edited,
// listed and deleted; only new names must pass the name check.
void TestOpenWindows::oldNamesCanBeShownEditedAndDeleted()
{
    writeTeam("Team2", {"Bob ", "Ann"});
    writePlayer("Team2", "Bob ", 1);
    openTeam("Team2");
    QCOMPARE(m_dialogs.messages.size(), 0);
    QCOMPARE(m_main->state().PlayerName, QString("Bob "));
    QCOMPARE(m_main->findChild<QLabel *>("lblPlayerName")->text(), QString("Bob   #5"));

    trigger("mnuPlyrPro");
    auto *player = m_main->openedWindow<frmPlayerData>();
    QVERIFY(player);
    player->txtHomeTown->setText("Elm");
    player->cmdSubmit->click();
    QVERIFY(readBytes(m_app + "Team2/Bob .ply").contains("\"Elm\""));

    trigger("mnuTeamBat");
    auto *table = m_main->openedWindow<frmTeamBattingStats>();
    QCOMPARE(table->cell("lblPlayer", 0)->text(), QString("Bob "));
    QCOMPARE(table->cell("lblPlayer", 1)->text(), QString("Ann"));
    QCOMPARE(m_dialogs.messages.size(), 0);

    trigger("mnuTeamPro");
    m_dialogs.messageAnswers << MessageAnswer::OK;
    m_main->openedWindow<frmTeamData>()->cmdDelete[0]->click();
    QVERIFY(!QFileInfo::exists(m_app + "Team2/Bob .ply"));
    QVERIFY(!QFileInfo::exists(m_app + "Team2/Bob .sta"));
    QCOMPARE(rosterLine(m_app + "Team2/Team2.tea", 0), QByteArray("\"Ann\",2\r"));
}

// One card options window, from the menu or the card view; it closes with its team, and what it
// sets outlives the summary's refresh and reaches the settings file at exit.
void TestOpenWindows::cardOptionsBelongToTheirTeam()
{
    trigger("mnuOptions");
    m_main->openedWindow<frmCardOptions>()->cmdBatting->click();
    m_dialogs.messageAnswers.enqueue(MessageAnswer::No);
    openTeam("Team2");
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY(m_dialogs.messages[0].text.startsWith("\"Card Options\" holds changes"));
    QVERIFY(!m_main->openedWindow<frmCardOptions>());
    QVERIFY(m_main->state().ShowBatting);

    trigger("mnuViewCard");
    m_main->openedWindow<frmViewCard>()->cmdCardOptions->click();
    auto *options = m_main->openedWindow<frmCardOptions>();
    QVERIFY(options);
    trigger("mnuOptions");
    QCOMPARE(m_main->openedWindow<frmCardOptions>(), options);
    options->HScroll1->setValue(-4);
    m_dialogs.colorAnswers.enqueue(0xC00000);
    QTest::mouseClick(options->lblColor, Qt::LeftButton);
    options->cmdSubmit->click();
    deleteClosedWindows();
    QVERIFY(!m_main->openedWindow<frmCardOptions>());
    QVERIFY(m_main->UpdateMainPage());
    QCOMPARE(m_main->state().TeamBorderColor, 0xC00000);

    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
    m_main->exitProgram();
    QCOMPARE(readBytes(m_app + "settings.dft"), QByteArray("\"Team2\",\"Ann\",-4,12582912\r\n"));
    QCOMPARE(m_dialogs.messages.size(), 2);
}

// The picture editor's photo becomes the player's: the summary and a card view opened afterwards
// show it. Left open with an import while the team changes, it asks first.
void TestOpenWindows::editedPictureReachesTheSummaryAndTheCard()
{
    QImage picture(300, 300, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 160));
    QVERIFY(picture.save(m_app + "snapshot.png"));
    trigger("mnuPhoto");
    auto *editor = m_main->openedWindow<frmPictureCrop>();
    QVERIFY(editor);
    m_dialogs.fileAnswers.enqueue(m_app + "snapshot.png");
    editor->cmdInsertPic->click();
    editor->cmdSubmit->click();
    deleteClosedWindows();
    QVERIFY(!m_main->openedWindow<frmPictureCrop>());
    QCOMPARE(m_main->state().PlayerPicturePath, m_app + "Team1/Player1.bmp");
    QCOMPARE(m_main->playerPicture().size(), QSize(206, 272));
    QCOMPARE(m_main->playerPicture().pixelColor(100, 100), QColor(200, 40, 160));

    trigger("mnuViewCard");
    auto *view = m_main->openedWindow<frmViewCard>();
    view->Timer1Tick();
    QCOMPARE(view->picCard->image().pixelColor(100, 100), QColor(200, 40, 160));

    trigger("mnuPhoto");
    m_dialogs.fileAnswers.enqueue(m_app + "snapshot.png");
    m_main->openedWindow<frmPictureCrop>()->cmdInsertPic->click();
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Cancel);
    openTeam("Team2");
    QVERIFY(m_dialogs.messages.last().text.startsWith(
        "\"Edit Picture For Trading Card\" holds changes"));
    QCOMPARE(m_main->state().TeamName, QString("Team1"));
    QVERIFY(m_main->openedWindow<frmPictureCrop>());
}

// Each save reads its file fresh and writes only what its window changed: nothing of a deleted
// player, of another window's save meanwhile, or of what a window read when it opened.
void TestOpenWindows::noWindowWritesBackAFieldItDidNotChange()
{
    const QString player2 = m_app + "Team1/Player2.ply";
    const QString teamFile = m_app + "Team1/Team1.tea";
    // The current player, who has a photo, is deleted; the next one's file takes none of his.
    trigger("mnuTeamPro");
    m_dialogs.messageAnswers.enqueue(MessageAnswer::OK);
    m_main->openedWindow<frmTeamData>()->cmdDelete[0]->click();
    m_main->openedWindow<frmTeamData>()->close();
    deleteClosedWindows();
    QCOMPARE(m_main->state().PlayerName, QString("Player2"));
    QCOMPARE(m_main->findChild<QLabel *>("lblPlayerName")->text(), QString("Player2"));
    const QByteArray unchanged = readBytes(player2);
    trigger("mnuPhoto");
    m_main->openedWindow<frmPictureCrop>()->cmdSubmit->click();
    deleteClosedWindows();
    QCOMPARE(readBytes(player2), unchanged);

    // Card Options stores a colour while the editor is open; the editor's Submit keeps it.
    trigger("mnuPhoto");
    auto *editor = m_main->openedWindow<frmPictureCrop>();
    trigger("mnuOptions");
    m_dialogs.colorAnswers.enqueue(0x00FF00);
    QTest::mouseClick(m_main->openedWindow<frmCardOptions>()->lblColor, Qt::LeftButton);
    m_main->openedWindow<frmCardOptions>()->cmdSubmit->click();
    QVERIFY(readBytes(teamFile).startsWith(
        "\"Team1\",\"Coach Hale\",\"Pat Kim\",\"Spring 2026\",\"\",65280\r\n"));
    QImage picture(300, 300, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    QVERIFY(picture.save(m_app + "snapshot.png"));
    // A player window left open meanwhile.
    trigger("mnuPlyrPro");
    auto *profile = m_main->openedWindow<frmPlayerData>();
    m_dialogs.fileAnswers.enqueue(m_app + "snapshot.png");
    editor->cmdInsertPic->click();
    editor->cmdSubmit->click();
    QVERIFY(readBytes(teamFile).contains(",65280\r\n"));
    QVERIFY(readBytes(player2).contains(QFile::encodeName(m_app + "Team1/Player2.bmp")));

    // The player window's Submit stores its own fields and keeps the editor's photo.
    profile->txtNumber->setText("12");
    profile->cmdSubmit->click();
    QVERIFY(readBytes(player2).contains(",12,"));
    QVERIFY(readBytes(player2).contains(QFile::encodeName(m_app + "Team1/Player2.bmp")));
}

// A roster name that cannot name a file is not taken as the current player.
void TestOpenWindows::rosterNameThatCannotBeAFileName()
{
    writeTeam("Team1", {"Player1", "../../x"});
    trigger("mnuTeamPro");
    auto *team = m_main->openedWindow<frmTeamData>();
    QTest::mouseClick(team->lblPlayer[1], Qt::LeftButton);
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages[0].text.startsWith("The roster names \"../../x\""),
             qPrintable(m_dialogs.messages[0].text));
    QCOMPARE(m_main->state().PlayerName, QString("Player1"));
    QVERIFY(team->isVisible());
}

// A table and a list left open fill again when a game is stored, and when their item is chosen
// again; what they print is what they show.
void TestOpenWindows::openReportsShowAndPrintWhatIsStored()
{
    trigger("mnuTeamBat");
    trigger("mnuSeasonBatting");
    auto *table = m_main->openedWindow<frmTeamBattingStats>();
    auto *list = m_main->openedWindow<frmSeasonBattingStats>();
    QCOMPARE(table->cell("lblBAtBats", 0)->text(), QString("11"));
    QCOMPARE(list->cell("lblBAtBats", 3)->text(), QString());

    trigger("mnuSingle");
    auto *games = m_main->openedWindow<frmSingleGameStats>();
    games->cmdNewGame->click();
    QTest::keyClicks(games->findChild<QLineEdit *>("txtBAtBats"), "5");
    games->cmdSubmit->click();
    QCOMPARE(table->cell("lblBAtBats", 0)->text(), QString("16"));
    QCOMPARE(list->cell("lblBAtBats", 3)->text(), QString("5"));

    const QString pdf = m_dir->filePath("table.pdf");
    m_dialogs.printerAnswers.enqueue(pdf);
    table->cmdPrint->click();
    const QVector<PdfWord> words = pdfWords(pdf);
    QVERIFY(
        std::any_of(words.cbegin(), words.cend(), [](const PdfWord &w) { return w.text == "16"; }));

    // Changed behind its back, the table shows the file when its item is chosen again.
    TeamFile team = *RecordFiles::ReadTeamFile(m_app, "Team1");
    team.roster[0] = team.roster[1];
    team.roster[1] = RosterEntry{};
    QVERIFY(RecordFiles::WriteTeamFile(m_app, "Team1", team).ok());
    trigger("mnuTeamBat");
    QCOMPARE(m_main->openedWindow<frmTeamBattingStats>(), table);
    QCOMPARE(table->cell("lblPlayer", 0)->text(), QString("Player2"));
}

// Choose Player, Ctrl+Page Down and Up, and Tab and Space in the team profile all change the
// summary to the player chosen.
void TestOpenWindows::aPlayerIsChosenFromTheKeyboard()
{
    const auto summaryName = [this] {
        return m_main->findChild<QLabel *>("lblPlayerName")->text();
    };
    QVERIFY(summaryName().startsWith("Player1"));
    auto *choose = m_main->findChild<QAction *>("mnuChoosePlayer");
    QCOMPARE(choose->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    choose->trigger();
    auto *chooser = m_main->openedWindow<frmChoosePlayer>();
    QVERIFY(chooser);
    QCOMPARE(chooser->lstPlayers->count(), 2);
    QCOMPARE(chooser->lstPlayers->currentItem()->text(), QString("Player1"));
    chooser->lstPlayers->setCurrentRow(1);
    QTest::keyClick(chooser->lstPlayers, Qt::Key_Return);
    deleteClosedWindows();
    QVERIFY(!m_main->openedWindow<frmChoosePlayer>());
    QCOMPARE(summaryName(), QString("Player2"));

    auto *next = m_main->findChild<QAction *>("actNextPlayer");
    QCOMPARE(next->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    next->trigger(); // round the end of the roster
    QVERIFY(summaryName().startsWith("Player1"));
    m_main->findChild<QAction *>("actPreviousPlayer")->trigger();
    QCOMPARE(summaryName(), QString("Player2"));

    trigger("mnuTeamPro");
    auto *team = m_main->openedWindow<frmTeamData>();
    QCOMPARE(team->lblPlayer[0]->focusPolicy(), Qt::TabFocus);
    QTest::keyClick(team->lblPlayer[0], Qt::Key_Space);
    deleteClosedWindows();
    QVERIFY(summaryName().startsWith("Player1"));
}

// Exit with a window holding edits asks, as a team change does; Cancel keeps everything open.
void TestOpenWindows::exitAsksAboutEdits()
{
    const QByteArray team = readBytes(m_app + "Team1/Team1.tea");
    const QByteArray settings = readBytes(m_app + "settings.dft");
    trigger("mnuTeamPro");
    QTest::keyClicks(m_main->openedWindow<frmTeamData>()->txtCoach, " Jr.");
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);    // Do you want to exit?
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Cancel); // the edits
    m_main->exitProgram();
    QCOMPARE(m_dialogs.messages.last().text,
             QString("\"Team Profile\" holds changes that are not saved yet. Save them before "
                     "Scorebinder closes?"));
    QVERIFY(m_main->openedWindow<frmTeamData>());
    QCOMPARE(readBytes(m_app + "Team1/Team1.tea"), team);
    QCOMPARE(readBytes(m_app + "settings.dft"), settings);
}

// A team file whose header names a folder outside, or a team folder that is a link to one: the
// team does not open and is not remembered.
void TestOpenWindows::teamFilesThatLeadOutOfTheFolder()
{
    QByteArray climbing = newTeamFile("../Other");
    writeBytes(m_app + "Team3/Team3.tea", climbing);
    QTemporaryDir outside;
    writeBytes(outside.filePath("Away/Away.tea"), newTeamFile("Away"));
    QVERIFY(QFile::link(outside.filePath("Away"), m_app + "Away"));

    openTeam("Team3");
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages[0].text.contains("names its team \"../Other\""),
             qPrintable(m_dialogs.messages[0].text));
    openTeam("Away");
    QCOMPARE(m_dialogs.messages.size(), 2);
    QVERIFY2(m_dialogs.messages[1].text.contains("has no folder there"),
             qPrintable(m_dialogs.messages[1].text));
    QCOMPARE(m_main->state().TeamName, QString("Team1"));
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
    m_main->exitProgram();
    QVERIFY(readBytes(m_app + "settings.dft").startsWith("\"Team1\","));
}

// A photo path naming a pipe leaves the photo box empty at once instead of waiting for a writer.
void TestOpenWindows::photoThatIsAPipe()
{
    const QString pipe = m_app + "Team2/photo";
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    const PlayerProfile ann{"Ann", "Team2", 2, -1, 2, 1, 5, "Oak", "CA", 11, pipe};
    QVERIFY(RecordFiles::WritePlayerFile(m_app, "Team2", "Ann", ann).ok());
    openTeam("Team2");
    QCOMPARE(m_main->state().PlayerPicturePath, pipe);
    QVERIFY(m_main->playerPicture().isNull());
    QCOMPARE(m_dialogs.messages.size(), 0);
}

void TestOpenWindows::windowsOpenAsTheirLayoutsSay_data()
{
    QTest::addColumn<QString>("item"); // the menu item that opens it; "" for the tip's timer
    QTest::addColumn<QSize>("size");   // in pixels
    QTest::addColumn<bool>("fixed");
    const auto twips = [](int width, int height) {
        return QSize(twipsToPixels(width), twipsToPixels(height));
    };
    QTest::newRow("frmNameTeam") << "mnuNewTeam" << twips(4800, 1500) << true;
    QTest::newRow("frmTeamData") << "mnuTeamPro" << twips(9600, 6900) << true;
    QTest::newRow("frmPlayerData") << "mnuPlyrPro" << twips(7440, 5280) << true;
    QTest::newRow("frmSingleGameStats") << "mnuSingle" << twips(10815, 7530) << true;
    QTest::newRow("frmSeasonBattingStats") << "mnuSeasonBatting" << twips(10920, 7515) << true;
    QTest::newRow("frmSeasonPitchingStats") << "mnuSeasonPitching" << twips(10920, 7515) << true;
    QTest::newRow("frmTeamBattingStats") << "mnuTeamBat" << twips(10920, 7515) << false;
    QTest::newRow("frmTeamPitchingStats") << "mnuTeamPit" << twips(10920, 7590) << false;
    QTest::newRow("frmPictureCrop") << "mnuPhoto" << twips(11880, 7770) << true;
    QTest::newRow("frmViewCard") << "mnuViewCard" << twips(8010, 6735) << true;
    QTest::newRow("frmCardOptions") << "mnuOptions" << twips(7680, 4275) << true;
    QTest::newRow("frmAbout") << "mnuAbout" << twips(5640, 2400) << true;
    QTest::newRow("frmTip") << "" << twips(6000, 3390) << true;
    // The help has no layout in twips: it asks for its own size and may be resized.
    QTest::newRow("frmHelp") << "mnuIndex" << QSize(720, 600) << false;
}

// Each window opens at its layout's size, over the main window and tied to it; one of fixed size
// offers no Maximize.
void TestOpenWindows::windowsOpenAsTheirLayoutsSay()
{
    QFETCH(QString, item);
    QFETCH(bool, fixed);
    writeBytes(m_app + "Scorebinder Baseball.html", "<html><body><p>Index</p></body></html>");
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    if (item.isEmpty())
        m_main->showTip();
    else
        trigger(qPrintable(item));
    QWidget *opened = openedWindowNamed(QTest::currentDataTag());
    QVERIFY(opened);
    QVERIFY(opened->isVisible());
    QTEST(opened->size(), "size");
    QCOMPARE(opened->minimumSize() == opened->maximumSize(), fixed);

    QVERIFY(opened->isWindow());
    QCOMPARE(opened->parentWidget(), m_main.get());
    QCOMPARE(opened->windowHandle()->transientParent(), m_main->windowHandle());
    const Qt::WindowFlags flags = opened->windowFlags();
    QCOMPARE(opened->windowType(), fixed ? Qt::Dialog : Qt::Window);
    QVERIFY(flags.testFlag(Qt::WindowTitleHint) && flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), !fixed);
}

QTEST_MAIN(TestOpenWindows)
#include "tst_openwindows.moc"
