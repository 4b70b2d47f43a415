// New team, team profile and roster, player profile: driven through their windows on fixture
// folders.

#include "core/KeyRules.h"
#include "core/RecordFiles.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "platform/Units.h"
#include "support/KeyTyping.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "support/TextsInSight.h"
#include "support/WindowTest.h"
#include "team/frmNameTeam.h"
#include "team/frmPlayerData.h"
#include "team/frmTeamData.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<QByteArray> lines(const QByteArray &bytes)
{
    QList<QByteArray> result = bytes.split('\n');
    result.removeLast();
    return result;
}

} // namespace

class TestTeam : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup();
    void newTeamCreatesItsFolderAndFile();
    void newTeamRefusesBadNames();
    void overwritingAnExistingTeam_data();
    void overwritingAnExistingTeam();
    void addedPlayersFillSlotsInOrder();
    void deletingTheCurrentPlayerInSlotZero();
    void failedDeletionKeepsThePlayer_data();
    void failedDeletionKeepsThePlayer();
    void teamNeedsAPlayer();
    void importPlayer_data();
    void importPlayer();
    void importRefusals();
    void leftOverFilesRefuseANewPlayer_data();
    void leftOverFilesRefuseANewPlayer();
    void editedPositionReachesTheRoster();
    void playerWindowRefusals();
    void keyFilters_data();
    void keyFilters();
    void nameBoxesDropWhatANameCannotHold_data();
    void nameBoxesDropWhatANameCannotHold();
    void failedTeamSaveIsReported();
    void keysWorkAsInADialog_data();
    void keysWorkAsInADialog();
    void longNamesShowWhole_data();
    void longNamesShowWhole();
    void longTeamNameInThePlayerWindow();

private:
    frmTeamData *teamWindow() { return m_main->openedWindow<frmTeamData>(); }
    frmPlayerData *playerWindow() { return m_main->openedWindow<frmPlayerData>(); }
    void addPlayer(const QString &name);
    QStringList writeLongTeam(const QString &team, const QString &player);
};

void TestTeam::init()
{
    prepare("summary");
    startMain();
}

void TestTeam::cleanup()
{
    finish();
}

void TestTeam::addPlayer(const QString &name)
{
    teamWindow()->cmdAddPlayer->click();
    frmPlayerData *player = playerWindow();
    QVERIFY(player);
    QVERIFY(!teamWindow()->cmdSubmit->isEnabled());
    QVERIFY(!teamWindow()->rosterActive());
    QTest::keyClicks(player->txtPlayerName, name);
    player->cmdSubmit->click();
    deleteClosedWindows();
    QVERIFY(!playerWindow());
}

void TestTeam::newTeamCreatesItsFolderAndFile()
{
    m_main->newTeam();
    auto *name = m_main->openedWindow<frmNameTeam>();
    QVERIFY(name);
    QCOMPARE(name->windowTitle(), QString("Enter Team Name"));
    name->OKButton->click(); // an empty name does nothing
    QVERIFY(m_main->openedWindow<frmNameTeam>());
    QCOMPARE(m_dialogs.messages.size(), 0);

    QTest::keyClicks(name->txtTeamName, "Team3");
    name->OKButton->click();
    deleteClosedWindows();
    QVERIFY(!m_main->openedWindow<frmNameTeam>());
    QCOMPARE(readBytes(m_app + "Team3/Team3.tea"), newTeamFile("Team3"));
    const MainState &state = m_main->state();
    QCOMPARE(state.TeamName, QString("Team3"));
    QCOMPARE(state.PlayerName, QString());
    QVERIFY(state.NewPlayer);
    frmTeamData *team = teamWindow();
    QVERIFY(team);
    QCOMPARE(team->lblTeamName->text(), QString("Team3"));
    QVERIFY(team->cmdSubmit->isEnabled());
    for (int slot = 0; slot < RosterSlots; ++slot)
        QVERIFY(!team->lblPlayer[slot]->isVisibleTo(team));
    QCOMPARE(state.PlayerCount, qint16(0));
    QCOMPARE(m_main->findChild<QLabel *>("lblPlayerName")->text(), QString("Player1  #7"));
}

void TestTeam::newTeamRefusesBadNames()
{
    m_main->newTeam();
    auto *name = m_main->openedWindow<frmNameTeam>();
    name->txtTeamName->setText("Red/Blue");
    name->OKButton->click();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY(m_dialogs.messages[0].text.startsWith("A name cannot contain"));
    QVERIFY(m_main->openedWindow<frmNameTeam>());
    QCOMPARE(QDir(m_app).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Team1"});
    QCOMPARE(m_main->state().TeamName, QString("Team1"));
}

void TestTeam::overwritingAnExistingTeam_data()
{
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestTeam::overwritingAnExistingTeam()
{
    QFETCH(bool, overwrite);
    const QStringList before = QDir(m_app + "Team1").entryList(QDir::Files);
    const QByteArray playerBytes = readBytes(m_app + "Team1/Player1.ply");
    m_main->newTeam();
    auto *name = m_main->openedWindow<frmNameTeam>();
    QTest::keyClicks(name->txtTeamName, "Team1");
    m_dialogs.messageAnswers.enqueue(overwrite ? MessageAnswer::Yes : MessageAnswer::No);
    name->OKButton->click();
    const AskedMessage &asked = m_dialogs.messages[0];
    QCOMPARE(asked.text, QString("Overwrite Existing Team?"));
    QCOMPARE(asked.title, QString("Team Already Exists"));
    QCOMPARE(asked.buttons, MessageButtons::YesNo);
    QCOMPARE(asked.icon, MessageIcon::Question);
    if (overwrite) {
        QCOMPARE(QDir(m_app + "Team1").entryList(QDir::Files),
                 QStringList({"Player1.bmp", "Team1.tea"}));
        QCOMPARE(readBytes(m_app + "Team1/Team1.tea"), newTeamFile("Team1"));
        QCOMPARE(m_main->state().PlayerName, QString());
    } else {
        QCOMPARE(m_dialogs.messages.size(), 2);
        QCOMPARE(m_dialogs.messages[1].text, QString("Enter a new team name"));
        QCOMPARE(QDir(m_app + "Team1").entryList(QDir::Files), before);
        QCOMPARE(readBytes(m_app + "Team1/Player1.ply"), playerBytes);
        QCOMPARE(m_main->state().TeamName, QString("Team1"));
        QCOMPARE(m_main->state().PlayerName, QString("Player1"));
        QVERIFY(m_main->openedWindow<frmNameTeam>());
        QVERIFY(!teamWindow());
    }
}

void TestTeam::addedPlayersFillSlotsInOrder()
{
    m_main->newTeam();
    auto *name = m_main->openedWindow<frmNameTeam>();
    QTest::keyClicks(name->txtTeamName, "Team3");
    name->OKButton->click();
    deleteClosedWindows();
    for (const char *player : {"Ann", "Bo", "Cal"})
        addPlayer(player);
    frmTeamData *team = teamWindow();
    for (int slot = 0; slot < 3; ++slot)
        QVERIFY(team->lblPlayer[slot]->isVisibleTo(team));
    QCOMPARE(team->lblPlayer[2]->text(), QString("Cal"));
    QVERIFY(team->cmdSubmit->isEnabled());
    QCOMPARE(m_main->state().PlayerCount, qint16(3));
    // A player saved without choices stores -1 for positions and sides; no number stores 0.
    QCOMPARE(readBytes(m_app + "Team3/Bo.ply"),
             QByteArray("\"Bo\",\"Team3\",-1,-1,-1,-1,0,\"\",\"\",0,\"\"\r\n"));
    QCOMPARE(readBytes(m_app + "Team3/Bo.sta"), NewStatsFile);

    QTest::keyClicks(team->txtCoach, "Dee O'Hara");
    team->cmdSubmit->click();
    deleteClosedWindows();
    QVERIFY(!teamWindow());
    const QList<QByteArray> saved = lines(readBytes(m_app + "Team3/Team3.tea"));
    QCOMPARE(saved.size(), 28);
    QCOMPARE(saved[0], QByteArray("\"Team3\",\"Dee O'Hara\",\"\",\"\",\"\",255\r"));
    QCOMPARE(saved[1], QByteArray("\"Ann\",-1\r"));
    QCOMPARE(saved[2], QByteArray("\"Bo\",-1\r"));
    QCOMPARE(saved[3], QByteArray("\"Cal\",-1\r"));
    QCOMPARE(m_main->findChild<QLabel *>("lblPlayerName")->text(), QString("Cal"));
}

void TestTeam::deletingTheCurrentPlayerInSlotZero()
{
    QByteArray teamBytes = readBytes(m_app + "Team1/Team1.tea");
    teamBytes.replace(teamBytes.lastIndexOf("\"\",0"), 4, "\"\",9"); // slot 26 holds a stray code
    writeBytes(m_app + "Team1/Team1.tea", teamBytes);
    m_main->editTeam();
    frmTeamData *team = teamWindow();
    QCOMPARE(m_main->state().PlayerCount, qint16(2));

    m_dialogs.messageAnswers.enqueue(MessageAnswer::Cancel);
    team->cmdDelete[0]->click();
    QVERIFY(QFile::exists(m_app + "Team1/Player1.ply"));
    const AskedMessage &asked = m_dialogs.messages[0];
    QCOMPARE(asked.text, QString("Delete Player1?"));
    QCOMPARE(asked.title, QString("Delete Player"));
    QCOMPARE(asked.buttons, MessageButtons::OKCancel);
    QCOMPARE(asked.icon, MessageIcon::Exclamation);

    // Where the desktop has a trash, the question says where his files go, and they go there.
    const QString dataHome = m_dir->path() + "/home/.local/share";
    QVERIFY(QDir().mkpath(dataHome));
    const QByteArray noTrash = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    const QByteArray games = readBytes(m_app + "Team1/Player1.sta");
    m_dialogs.messageAnswers.enqueue(MessageAnswer::OK);
    team->cmdDelete[0]->click();
    qputenv("XDG_DATA_HOME", noTrash);
    QCOMPARE(m_dialogs.messages[1].text, QString("Delete Player1? His files go to the trash."));
    QCOMPARE(readBytes(dataHome + "/Trash/files/Player1.sta"), games);
    QVERIFY(QFile::exists(dataHome + "/Trash/files/Player1.ply"));
    QCOMPARE(m_main->state().PlayerName, QString("Player2"));
    QCOMPARE(m_main->state().PlayerCount, qint16(1));
    QCOMPARE(team->lblPlayer[0]->text(), QString("Player2"));
    QVERIFY(!team->lblPlayer[1]->isVisibleTo(team));
    QCOMPARE(QDir(m_app + "Team1").entryList(QDir::Files),
             QStringList({"Player1.bmp", "Player2.ply", "Player2.sta", "Team1.tea"}));
    const QList<QByteArray> saved = lines(readBytes(m_app + "Team1/Team1.tea"));
    QCOMPARE(saved[1], QByteArray("\"Player2\",1\r"));
    QCOMPARE(saved[2], QByteArray("\"\",0\r"));
    QCOMPARE(saved[27], QByteArray("\"\",0\r"));
}

void TestTeam::failedDeletionKeepsThePlayer_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("told");
    QTest::newRow("the folder refuses new files") << "folder"
                                                  << "Cannot save \"%1Team1/Team1.tea\":";
    // A pasted quote the file cannot store: the save fails though the folder would let his
    // files go.
    QTest::newRow("the coach box holds a quote") << "quote"
                                                 << "Cannot save \"%1Team1/Team1.tea\":";
    // The team file was written without him: it is put back, and his player file too.
    QTest::newRow("his stats file cannot go") << "stats"
                                              << "Cannot delete \"%1Team1/Player1.sta\":";
}

void TestTeam::failedDeletionKeepsThePlayer()
{
    QFETCH(QString, fault);
    QFETCH(QString, told);
    m_main->editTeam();
    frmTeamData *team = teamWindow();
    if (fault == "quote")
        team->txtCoach->setText("Al \"Big\" Hale");
    std::optional<ReadOnlyFolder> readOnly;
    if (fault == "folder" && !readOnly.emplace(m_app + "Team1").refusesNewFiles())
        QSKIP("this file system lets every folder be written");
    std::optional<FixedFile> fixed;
    if (fault == "stats" && !fixed.emplace(m_app + "Team1/Player1.sta").fixed())
        QSKIP("this file system has no immutable files");
    const QStringList files = QDir(m_app + "Team1").entryList(QDir::Files);
    QMap<QString, QByteArray> bytes;
    for (const QString &file : files)
        bytes.insert(file, readBytes(m_app + "Team1/" + file));

    m_dialogs.messageAnswers.enqueue(MessageAnswer::OK);
    team->cmdDelete[0]->click();
    QCOMPARE(m_dialogs.messages.size(), 2);
    QVERIFY2(m_dialogs.messages[1].text.startsWith(told.arg(m_app)),
             qPrintable(m_dialogs.messages[1].text));
    QCOMPARE(QDir(m_app + "Team1").entryList(QDir::Files), files);
    for (const QString &file : files)
        QCOMPARE(readBytes(m_app + "Team1/" + file), bytes[file]);
    QCOMPARE(team->lblPlayer[0]->text(), QString("Player1"));
    QCOMPARE(team->lblPlayer[1]->text(), QString("Player2"));
    QVERIFY(team->cmdDelete[0]->isVisibleTo(team));
    QCOMPARE(team->roster()[0].RosterPlayer, QString("Player1"));
    QCOMPARE(m_main->state().PlayerName, QString("Player1"));
    QCOMPARE(m_main->state().PlayerCount, qint16(2));
}

void TestTeam::teamNeedsAPlayer()
{
    m_main->editTeam();
    frmTeamData *team = teamWindow();
    for (int i = 0; i < 2; ++i) {
        m_dialogs.messageAnswers.enqueue(MessageAnswer::OK);
        team->cmdDelete[0]->click();
    }
    QCOMPARE(m_main->state().PlayerName, QString());
    const QByteArray saved = readBytes(m_app + "Team1/Team1.tea");
    team->cmdSubmit->click();
    const AskedMessage &asked = m_dialogs.messages.last();
    QCOMPARE(asked.text, QString("Team must have at least one player"));
    QCOMPARE(asked.icon, MessageIcon::Information);
    QCOMPARE(asked.buttons, MessageButtons::OK);
    QVERIFY(teamWindow());
    QCOMPARE(readBytes(m_app + "Team1/Team1.tea"), saved);
}

void TestTeam::importPlayer_data()
{
    QTest::addColumn<bool>("keepStats");
    QTest::newRow("without his games") << false;
    QTest::newRow("with his games") << true;
}

void TestTeam::importPlayer()
{
    QFETCH(bool, keepStats);
    const QByteArray sourceStats =
        NewStatsFile +
        "1,2,4,1,0,1,0,0,1,0,2,9,3,1,5.1,0,4,30,12,0,\"05/14/2004\",\"Team2\",\"Win\",\"\"\r\n" +
        "2,0,3,0,1,0,0,0,2,0,0,0,0,0,.2,0,0,0,0,0,\"05/21/2004\",\"Hawks, Jr\",\"\",\"rain\"\r\n";
    writeBytes(m_app + "Other/Slugger.ply",
               "\"Slugger\",\"Other\",9,1,1,1,44,\"Austin\",\"TX\",15,\"/pics/s.bmp\"\r\n");
    writeBytes(m_app + "Other/Slugger.sta", sourceStats);

    m_main->editTeam();
    m_dialogs.fileAnswers.enqueue(m_app + "Other/Slugger.ply");
    m_dialogs.messageAnswers.enqueue(keepStats ? MessageAnswer::Yes : MessageAnswer::No);
    teamWindow()->cmdImport->click();
    QCOMPARE(m_dialogs.files[0].filter, QString("Player Files (*.ply) |*.ply"));
    QCOMPARE(m_dialogs.files[0].title, QString("Select Player To Import"));
    QCOMPARE(m_dialogs.files[0].initialFolder, m_app);
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].text,
             QString("Do you want to keep this player's existing stats?"));
    QCOMPARE(m_dialogs.messages[0].title, QString("Import Player"));
    QCOMPARE(m_dialogs.messages[0].icon, MessageIcon::Question);

    QCOMPARE(
        readBytes(m_app + "Team1/Slugger.ply"),
        QByteArray("\"Slugger\",\"Team1\",9,1,1,1,44,\"Austin\",\"TX\",15,\"/pics/s.bmp\"\r\n"));
    QCOMPARE(readBytes(m_app + "Team1/Slugger.sta"), keepStats ? sourceStats : NewStatsFile);
    QVERIFY(QFile::exists(m_app + "Other/Slugger.sta"));
    QCOMPARE(m_main->state().PlayerName, QString("Slugger"));
    QCOMPARE(m_main->state().PlayerCount, qint16(3));
    QCOMPARE(teamWindow()->lblPlayer[2]->text(), QString("Slugger"));
    QCOMPARE(teamWindow()->lblPosition[2]->text(), QString("RF"));
    QVERIFY(teamWindow()->cmdSubmit->isEnabled());
}

void TestTeam::importRefusals()
{
    m_main->editTeam();
    frmTeamData *team = teamWindow();
    const QStringList before = QDir(m_app + "Team1").entryList(QDir::Files);

    m_dialogs.fileAnswers.enqueue(std::nullopt); // cancelled: silent
    team->cmdImport->click();
    QCOMPARE(m_dialogs.messages.size(), 0);

    m_dialogs.fileAnswers.enqueue(m_app + "Team1/Player2.ply"); // already on this team
    team->cmdImport->click();
    QCOMPARE(m_dialogs.messages.last().text, QString("Player2 is already a player of Team1."));

    writeBytes(m_app + "Other/Broken.ply", "\"Broken\",\"Other\",1,1,1,1,1,\"\",\"\",1,\"\"\r\n");
    writeBytes(m_app + "Other/Broken.sta", "0,0,x\r\n");
    m_dialogs.fileAnswers.enqueue(m_app + "Other/Broken.ply");
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
    team->cmdImport->click();
    QVERIFY(m_dialogs.messages.last().text.startsWith(
        QString("Cannot read \"%1Other/Broken.sta\", line 1:").arg(m_app)));
    QCOMPARE(QDir(m_app + "Team1").entryList(QDir::Files), before);
    QCOMPARE(m_main->state().PlayerCount, qint16(2));
    QVERIFY(team->cmdSubmit->isEnabled() && team->rosterActive());

    // A full roster takes nobody more.
    m_main->state().PlayerCount = RosterSlots;
    const int asked = m_dialogs.files.size();
    team->cmdImport->click();
    team->cmdAddPlayer->click();
    QCOMPARE(m_dialogs.files.size(), asked);
    QVERIFY(!playerWindow());
    QCOMPARE(m_dialogs.messages.last().text,
             QString("The roster is full: a team holds at most 27 players."));
}

void TestTeam::leftOverFilesRefuseANewPlayer_data()
{
    QTest::addColumn<bool>("import");
    QTest::addColumn<QString>("leftOver");
    QTest::newRow("add, stats file") << false << "Ghost.sta";
    QTest::newRow("add, player file") << false << "Ghost.ply";
    QTest::newRow("import, stats file") << true << "Ghost.sta";
    QTest::newRow("import, player file") << true << "Ghost.ply";
}

// A file of the new player's name, not on the roster, is never replaced: the player is refused
// before anything is written, and the message names that file.
void TestTeam::leftOverFilesRefuseANewPlayer()
{
    QFETCH(bool, import);
    QFETCH(QString, leftOver);
    const QByteArray games = NewStatsFile + "1,2,4,1,0,1,0,0,1,0,2,9,3,1,5.1,0,4,30,12,0,"
                                            "\"05/14/2004\",\"Team2\",\"Win\",\"\"\r\n";
    const QByteArray profile = "\"Ghost\",\"Team1\",9,1,1,1,44,\"\",\"\",15,\"\"\r\n";
    writeBytes(m_app + "Team1/" + leftOver, leftOver.endsWith(".sta") ? games : profile);
    writeBytes(m_app + "Other/Ghost.ply", "\"Ghost\",\"Other\",1,1,1,1,2,\"\",\"\",12,\"\"\r\n");
    writeBytes(m_app + "Other/Ghost.sta", NewStatsFile);
    const QStringList files = QDir(m_app + "Team1").entryList(QDir::Files);
    const QByteArray teamFile = readBytes(m_app + "Team1/Team1.tea");
    const QByteArray leftBytes = readBytes(m_app + "Team1/" + leftOver);

    m_main->editTeam();
    frmTeamData *team = teamWindow();
    if (import) {
        m_dialogs.fileAnswers.enqueue(m_app + "Other/Ghost.ply");
        m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
        team->cmdImport->click();
    } else {
        team->cmdAddPlayer->click();
        QTest::keyClicks(playerWindow()->txtPlayerName, "Ghost");
        playerWindow()->cmdSubmit->click();
        QVERIFY(playerWindow());
    }
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(
        m_dialogs.messages[0].text,
        QString("\"%1Team1/%2\" already exists, so Team1 cannot take a new player named Ghost.")
            .arg(m_app, leftOver));
    QCOMPARE(QDir(m_app + "Team1").entryList(QDir::Files), files);
    QCOMPARE(readBytes(m_app + "Team1/" + leftOver), leftBytes);
    QCOMPARE(readBytes(m_app + "Team1/Team1.tea"), teamFile);
    QVERIFY(!team->lblPlayer[2]->isVisibleTo(team));
    QCOMPARE(m_main->state().PlayerCount, qint16(2));
    QCOMPARE(m_main->state().PlayerName, QString("Player1"));
}

void TestTeam::editedPositionReachesTheRoster()
{
    const QByteArray stats = readBytes(m_app + "Team1/Player1.sta");
    m_main->editPlayer();
    frmPlayerData *player = playerWindow();
    QVERIFY(player);
    QVERIFY(!player->txtPlayerName->isEnabled());
    QCOMPARE(player->txtPlayerName->text(), QString("Player1"));
    QCOMPARE(player->txtNumber->text(), QString("7"));
    QCOMPARE(player->txtAge->text(), QString("12"));
    QCOMPARE(player->CBPlayerPos[0]->currentText(), QString("1B"));
    QCOMPARE(player->CBBats->currentText(), QString("Both"));
    QCOMPARE(player->txtHomeState->text(), QString("IL"));
    player->CBPlayerPos[0]->setCurrentIndex(6);
    player->txtNumber->clear();
    player->cmdSubmit->click();
    deleteClosedWindows();
    QCOMPARE(readBytes(m_app + "Team1/Player1.ply"),
             QByteArray("\"Player1\",\"Team1\",6,0,3,2,0,\"Springfield\",\"IL\",12,\"C:"
                        "\\Scorebinder\\Team1\\Player1.bmp\"\r\n"));
    QCOMPARE(readBytes(m_app + "Team1/Player1.sta"), stats);
    QCOMPARE(m_main->findChild<QLabel *>("lblPositionName")->text(), QString("Shortstop "));
    QCOMPARE(m_main->findChild<QLabel *>("lblPlayerName")->text(), QString("Player1"));

    m_main->editTeam();
    QCOMPARE(teamWindow()->lblPosition[0]->text(), QString("SS"));
    teamWindow()->cmdSubmit->click();
    QCOMPARE(lines(readBytes(m_app + "Team1/Team1.tea"))[1], QByteArray("\"Player1\",6\r"));
}

void TestTeam::playerWindowRefusals()
{
    m_main->editTeam();
    const QStringList before = QDir(m_app + "Team1").entryList(QDir::Files);
    teamWindow()->cmdAddPlayer->click();
    frmPlayerData *player = playerWindow();
    const QList<QPair<QString, QString>> cases = {
        {"", "Enter the player's name."},
        {"Player2", "Player2 is already a player of Team1."},
        {"Mo/Jo", "A name cannot contain any of these characters: / \\ : * ? \" < > |"},
    };
    for (const auto &[name, message] : cases) {
        player->txtPlayerName->setText(name);
        player->cmdSubmit->click();
        QCOMPARE(m_dialogs.messages.last().text, message);
    }
    player->txtPlayerName->setText("Newman");
    player->txtNumber->setText("40000");
    player->cmdSubmit->click();
    QCOMPARE(m_dialogs.messages.last().text,
             QString("The number must be a whole number from 0 to 32767."));
    player->txtNumber->setText("8");
    player->txtAge->setText("1e3");
    player->cmdSubmit->click();
    QCOMPARE(m_dialogs.messages.last().text,
             QString("The age must be a whole number from 0 to 32767."));
    QCOMPARE(QDir(m_app + "Team1").entryList(QDir::Files), before);
    QVERIFY(playerWindow());

    // Closed by its frame, the player window asks about its edits; dropped, the team window gets
    // its roster back.
    m_dialogs.messageAnswers.enqueue(MessageAnswer::Discard);
    player->close();
    QCOMPARE(m_dialogs.messages.last().text,
             QString("Enter Player Data holds changes that are not saved yet. Save them?"));
    deleteClosedWindows();
    QVERIFY(teamWindow()->cmdSubmit->isEnabled() && teamWindow()->rosterActive());
    QVERIFY(!m_main->state().NewPlayer);

    // The current player's file cannot be read: the window does not open.
    writeBytes(m_app + "Team1/Player1.ply", "\"Player1\"\r\n");
    m_main->editPlayer();
    QVERIFY(!playerWindow());
    QVERIFY(m_dialogs.messages.last().text.startsWith(
        QString("Cannot read \"%1Team1/Player1.ply\", line 1:").arg(m_app)));
}

void TestTeam::keyFilters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("name") << "txtPlayerName"
                          << "Jo3e O'Ne-ill_!"
                          << "Joe O'Ne-ill";
    QTest::newRow("home town") << "txtHomeTown"
                               << "St. Paul-Minn"
                               << "St Paul-Minn";
    QTest::newRow("home state has no hyphen") << "txtHomeState"
                                              << "New-York 1"
                                              << "NewYork ";
    QTest::newRow("number") << "txtNumber"
                            << "1a2-3"
                            << "123";
    QTest::newRow("age") << "txtAge"
                         << " 14y"
                         << "14";
}

void TestTeam::keyFilters()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    m_main->editTeam();
    teamWindow()->cmdAddPlayer->click();
    auto *input = playerWindow()->findChild<QLineEdit *>(box);
    QTest::keyClicks(input, typed);
    QTEST(input->text(), "kept");

    QTest::keyClicks(teamWindow()->txtSeason, "\"Spring\" 2026");
    QCOMPARE(teamWindow()->txtSeason->text(), QString("Spring 2026Spring 2026"));
    QTest::keyClicks(teamWindow()->txtCoach, "Al 2\"");
    QCOMPARE(teamWindow()->txtCoach->text(), QString("Coach HaleAl "));
}

void TestTeam::nameBoxesDropWhatANameCannotHold_data()
{
    QTest::addColumn<bool>("teamName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const QString emoji = QStringLiteral("\U0001F600");
    QTest::newRow("team: emoji") << true << emoji << "Jo";
    QTest::newRow("team: C1 control") << true << QStringLiteral("\u0081") << "Jo";
    QTest::newRow("team: e acute")
        << true << QStringLiteral("\u00e9") << QStringLiteral("Jo\u00e9");
    QTest::newRow("team: N tilde")
        << true << QStringLiteral("\u00d1") << QStringLiteral("Jo\u00d1");
    QTest::newRow("player: emoji") << false << emoji << "Jo";
}

void TestTeam::nameBoxesDropWhatANameCannotHold()
{
    QFETCH(bool, teamName);
    QFETCH(QString, typed);
    QLineEdit *box = nullptr;
    if (teamName) {
        m_main->newTeam();
        box = m_main->openedWindow<frmNameTeam>()->txtTeamName;
    } else {
        m_main->editTeam();
        teamWindow()->cmdAddPlayer->click();
        box = playerWindow()->txtPlayerName;
    }
    QTest::keyClicks(box, "Jo");
    typeKeyText(box, typed);
    QTEST(box->text(), "kept");
}

void TestTeam::failedTeamSaveIsReported()
{
    m_main->editTeam();
    const QByteArray saved = readBytes(m_app + "Team1/Team1.tea");
    ReadOnlyFolder readOnly(m_app + "Team1");
    if (!readOnly.refusesNewFiles())
        QSKIP("this file system lets every folder be written");
    teamWindow()->txtCoach->setText("Someone Else");
    teamWindow()->cmdSubmit->click();
    QVERIFY(m_dialogs.messages.last().text.startsWith(
        QString("Cannot save \"%1Team1/Team1.tea\":").arg(m_app)));
    QVERIFY(teamWindow());
    QCOMPARE(readBytes(m_app + "Team1/Team1.tea"), saved);
    QCOMPARE(m_main->state().Coach, QString("Coach Hale"));
}

void TestTeam::keysWorkAsInADialog_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box"); // typed into, and the key sent there
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed"); // the button the key presses; "" for none
    QTest::addColumn<bool>("stored");
    const int Return = Qt::Key_Return;
    const int Esc = Qt::Key_Escape;
    QTest::newRow("new team, Return") << "frmNameTeam"
                                      << "txtTeamName"
                                      << "Team3" << Return << "OKButton" << true;
    QTest::newRow("new team, keypad Enter") << "frmNameTeam"
                                            << "txtTeamName"
                                            << "Team3" << int(Qt::Key_Enter) << "OKButton" << true;
    QTest::newRow("new team, Esc") << "frmNameTeam"
                                   << "txtTeamName"
                                   << "Team3" << Esc << "cmdCancel" << false;
    QTest::newRow("player, Return") << "frmPlayerData"
                                    << "txtHomeTown"
                                    << "Elm" << Return << "cmdSubmit" << true;
    // Esc closes an editing window as its frame does: it asks, here answered Discard.
    QTest::newRow("player, Esc") << "frmPlayerData"
                                 << "txtHomeTown"
                                 << "Elm" << Esc << "" << false;
    QTest::newRow("team, Return") << "frmTeamData"
                                  << "txtCoach"
                                  << "Coach Lee" << Return << "cmdSubmit" << true;
    QTest::newRow("team, Esc") << "frmTeamData"
                               << "txtCoach"
                               << "Coach Lee" << Esc << "" << false;
}

// Enter and Esc typed in a box of the window do what clicking its button does.
void TestTeam::keysWorkAsInADialog()
{
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, pressed);
    if (window == "frmNameTeam")
        m_main->newTeam();
    else if (window == "frmPlayerData")
        m_main->editPlayer();
    else
        m_main->editTeam();
    QWidget *opened = openedWindowNamed(window);
    QVERIFY(opened);
    std::optional<QSignalSpy> clicks;
    if (!pressed.isEmpty())
        clicks.emplace(opened->findChild<QPushButton *>(pressed), &QPushButton::clicked);
    const bool asks = pressed.isEmpty();
    if (asks)
        m_dialogs.messageAnswers.enqueue(MessageAnswer::Discard);
    auto *edit = opened->findChild<QLineEdit *>(box);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    if (clicks)
        QCOMPARE(clicks->count(), 1);
    if (asks)
        QVERIFY(m_dialogs.messages.last().text.endsWith(
            " holds changes that are not saved yet. Save them?"));
    deleteClosedWindows();
    QVERIFY(!openedWindowNamed(window));

    bool stored = false;
    if (window == "frmNameTeam")
        stored = QFile::exists(m_app + "Team3/Team3.tea");
    else if (window == "frmPlayerData")
        stored = RecordFiles::ReadPlayerFile(m_app, "Team1", "Player1")->HomeTown == typed;
    else
        stored = RecordFiles::ReadTeamFile(m_app, "Team1")->header.Coach == typed;
    QTEST(stored, "stored");
}

// A team of 27 players, each named `player` and a letter of his own, written straight to its
// files; the team becomes current with its first player.
QStringList TestTeam::writeLongTeam(const QString &team, const QString &player)
{
    QByteArray teamFile =
        "\"" + team.toLatin1() + "\",\"Coach Hale\",\"Pat Kim\",\"Spring 2026\",\"\",255\r\n";
    QStringList names;
    for (int slot = 0; slot < RosterSlots; ++slot) {
        names << player + QChar(slot < 26 ? 'a' + slot : 'Z');
        const QByteArray name = names.last().toLatin1();
        teamFile += "\"" + name + "\"," + QByteArray::number(slot % 11) + "\r\n";
        const QString base = m_app + team + "/" + names.last();
        writeBytes(base + ".ply",
                   "\"" + name + "\",\"" + team.toLatin1() + "\",6,0,1,1,5,\"\",\"\",12,\"\"\r\n");
        writeBytes(base + ".sta", NewStatsFile);
    }
    writeBytes(m_app + team + "/" + team + ".tea", teamFile);
    m_main->state().TeamName = team;
    m_main->state().PlayerName = names[0];
    return names;
}

void TestTeam::longNamesShowWhole_data()
{
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("player"); // 26 characters; each player adds a letter of his own
    QTest::newRow("40-character team, 27-character players")
        << "Springfield Riverside Little League Reds"
        << "Maximilian Montgomery-Wort";
    QTest::newRow("wide letters") << "WWWWWWWWWW MMMMMMMMMM WWWWWWWWWW MMMMMMMM"
                                  << "Wolfgang Maximilian Murrow";
    QTest::newRow("three words") << "The Northwest Suburban Youth League Nine"
                                 << "Anna-Katharina von Hohenbe";
    // One part of the name is wider than the slot: narrower letters keep it in its place.
    QTest::newRow("a word wider than its slot") << "Springfield Riverside Little League Reds"
                                                << "Al Hohenzollern-Sigmaringe";
}

// The team profile shows the longest names whole: the team's on its row or on a second line above
// the coach's box, each roster name in its slot or on a second line of its row (in narrower
// letters where it must), clear of the positions, the buttons, the boxes and the headings; nothing
// moves.
void TestTeam::longNamesShowWhole()
{
    QFETCH(QString, team);
    QFETCH(QString, player);
    const QStringList names = writeLongTeam(team, player);
    m_main->editTeam();
    frmTeamData *w = teamWindow();
    QVERIFY(w);
    QCOMPARE(w->lblTeamName->text(), team);
    const QStringList problems = TextsInSight::cutTexts(*w) + TextsInSight::overlappingTexts(*w);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    QCOMPARE(w->lblTeamName->pos(), QPoint(twipsToPixels(1800), twipsToPixels(240)));
    for (int slot = 0; slot < RosterSlots; ++slot) {
        QCOMPARE(w->lblPlayer[slot]->text(), names[slot]);
        const QPoint origin(240 + slot / 9 * 3120, 2460 + slot % 9 * 480);
        QCOMPARE(w->lblPlayer[slot]->pos(),
                 QPoint(twipsToPixels(origin.x() + 360), twipsToPixels(origin.y())));
        QCOMPARE(w->lblPosition[slot]->pos(),
                 QPoint(twipsToPixels(origin.x() + 2400), twipsToPixels(origin.y())));
    }
}

// The player window shows a 40-character team name whole, on two lines beside the photo.
void TestTeam::longTeamNameInThePlayerWindow()
{
    const QString team = "Springfield Riverside Little League Reds";
    writeLongTeam(team, "Maximilian Montgomery-Wort");
    m_main->editPlayer();
    frmPlayerData *p = playerWindow();
    QVERIFY(p);
    QCOMPARE(p->lblTeamName->text(), team);
    const QStringList problems = TextsInSight::cutTexts(*p) + TextsInSight::overlappingTexts(*p);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    QCOMPARE(p->lblTeamName->pos(), QPoint(twipsToPixels(1800), twipsToPixels(720)));
}

QTEST_MAIN(TestTeam)
#include "tst_team.moc"
