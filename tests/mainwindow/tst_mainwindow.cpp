// The main window through its menus and the scripted dialogs, on fixture data folders.

#include "core/Options.h"
#include "core/RecordFiles.h"
#include "core/TeamFolder.h"
#include "mainwindow/frmMain.h"
#include "misc/frmHelp.h"
#include "misc/frmTip.h"
#include "platform/Fonts.h"
#include "platform/UserFolders.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "support/TextsInSight.h"
#include "tables/PlayerPage.h"

#include <QAction>
#include <QBuffer>
#include <QDate>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QStringList TeamItems = {
    "mnuBackUp",  "mnuNewSeason",    "mnuBoxScore",     "mnuTeamBat",    "mnuTeamPit",
    "mnuTeamPro", "mnuChoosePlayer", "mnuImportRoster", "actNextPlayer", "actPreviousPlayer",
    "mnuExport",  "mnuMoreStats",    "mnuPitchCounts",  "mnuTeamCards",  "mnuSeasonReport"};
const QStringList PlayerItems = {"mnuPlyrPro",        "mnuSingle", "mnuSeasonBatting",
                                 "mnuSeasonPitching", "mnuPhoto",  "mnuProgress",
                                 "mnuCareer"};

QStringList enabledItems(frmMain &window)
{
    QStringList names;
    for (const QAction *action : window.findChildren<QAction *>())
        if (!action->objectName().isEmpty() && action->isEnabled())
            names << action->objectName();
    names.sort();
    return names;
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

const QStringList AlwaysEnabled = {"mnuNewTeam",  "mnuOpenTeam", "mnuRestore", "mnuExit",
                                   "mnuViewCard", "mnuOptions",  "mnuIndex",   "mnuAbout"};

QString text(frmMain &window, const char *label)
{
    return window.findChild<QLabel *>(label)->text();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void menusReadAsGiven();
    void startUpStates_data();
    void startUpStates();
    void summaryShowsThePlayer_data();
    void summaryShowsThePlayer();
    void nextPlayerReplacesEverything();
    void failedRefreshKeepsThePage();
    void exitAsksFirst();
    void closingWritesTheSettings();
    void damagedSettingsStayUntilAnotherTeam();
    void openTeamMakesSlotZeroCurrent();
    void openTeamRefusals();
    void openTeamWithAnUnreadableFirstPlayer();
    void windowsOpenOnce();
    void tipsAtStartUpAreTheUsersChoice();
    void summaryKeepsAnUnchangedPhoto();
    void newSeasonBecomesTheCurrentTeam();
    void backUpAndRestoreATeam();
    void helpOpensAtItsIndex();
    void helpThatIsNoPlainFile();
    void longestValuesShowWhole_data();
    void longestValuesShowWhole();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app;
    ScriptedDialogs m_dialogs;
};

void TestMainWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_app = m_dir->path() + '/';
    copyFixture("summary", m_dir->path());
    m_dialogs = ScriptedDialogs();
}

void TestMainWindow::menusReadAsGiven()
{
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    const QList<QPair<QString, QString>> captions = {
        {"mnuFile", "&File"},
        {"mnuNewTeam", "New &Team"},
        {"mnuOpenTeam", "Open Tea&m"},
        {"mnuNewSeason", "New &Season..."},
        {"mnuExport", "&Export Statistics..."},
        {"mnuSeasonReport", "Print Season Re&port..."},
        {"mnuBackUp", "&Back Up Team..."},
        {"mnuRestore", "&Restore Team..."},
        {"mnuExit", "E&xit"},
        {"mnuEdit", "&Profiles"},
        {"mnuPlyrPro", "Edit &Player Profie"},
        {"mnuTeamPro", "Edit &Team Profile"},
        {"mnuChoosePlayer", "&Choose Player..."},
        {"mnuImportRoster", "Import &Roster..."},
        {"mnuStats", "&Stats"},
        {"mnuBoxScore", "Enter Bo&x Score..."},
        {"mnuSingle", "Enter/View &Game Stats"},
        {"mnuSeasonBatting", "Batting Stats by Game"},
        {"mnuSeasonPitching", "Pitching Stats by Game"},
        {"mnuTeamBat", "Team &Batting Stats"},
        {"mnuTeamPit", "Team &Pitching Stats"},
        {"mnuMoreStats", "&More Statistics"},
        {"mnuPitchCounts", "Pitch &Counts"},
        {"mnuProgress", "Season P&rogress"},
        {"mnuCareer", "Career &Totals"},
        {"mnuCard", "&Trading Card"},
        {"mnuPhoto", "&Edit Picture"},
        {"mnuViewCard", "&View Card"},
        {"mnuOptions", "Card O&ptions"},
        {"mnuTeamCards", "Print &Team Cards..."},
        {"mnuHep", "&Help"},
        {"mnuIndex", "&Index"},
        {"mnuAbout", "&About..."}};
    for (const auto &[name, caption] : captions) {
        if (auto *menu = window.findChild<QMenu *>(name))
            QCOMPARE(menu->title(), caption);
        else
            QCOMPARE(window.findChild<QAction *>(name)->text(), caption);
    }
    // New Season comes right after Open Team, then the export; the backups between separators,
    // then Exit; separators after the game entry and after the per-game lists and after the team
    // tables, and in Help.
    const QList<QAction *> file = window.findChild<QMenu *>("mnuFile")->actions();
    QCOMPARE(file.size(), 10);
    QCOMPARE(file[2]->objectName(), QString("mnuNewSeason"));
    QCOMPARE(file[3]->objectName(), QString("mnuExport"));
    QCOMPARE(file[4]->objectName(), QString("mnuSeasonReport"));
    QVERIFY(file[5]->isSeparator() && file[8]->isSeparator());
    QCOMPARE(file[6]->objectName(), QString("mnuBackUp"));
    QCOMPARE(file[7]->objectName(), QString("mnuRestore"));
    const QList<QAction *> stats = window.findChild<QMenu *>("mnuStats")->actions();
    QCOMPARE(stats.size(), 13);
    QCOMPARE(stats[0]->objectName(), QString("mnuBoxScore"));
    QVERIFY(stats[2]->isSeparator() && stats[5]->isSeparator() && stats[8]->isSeparator());
    // The desktop's standard keys on the items they stand for.
    for (const auto &[name, key] : {std::pair{"mnuNewTeam", QKeySequence(Qt::CTRL | Qt::Key_N)},
                                    std::pair{"mnuOpenTeam", QKeySequence(Qt::CTRL | Qt::Key_O)},
                                    std::pair{"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                                    std::pair{"mnuIndex", QKeySequence(Qt::Key_F1)}})
        QCOMPARE(window.findChild<QAction *>(name)->shortcut(), key);
    QCOMPARE(window.windowTitle(), QString("Scorebinder"));
    QCOMPARE(window.Timer1.interval(), 500);
    QVERIFY(window.Timer1.isActive() && window.Timer1.isSingleShot());
}

void TestMainWindow::startUpStates_data()
{
    QTest::addColumn<QByteArray>("settings"); // "-" for no settings file
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("message"); // what the message, if any, starts with

    QTest::newRow("first start") << QByteArray("-") << QStringList() << ""
                                 << ""
                                 << "";
    QTest::newRow("team, no player") << QByteArray("\"Team1\",\"\",0,0\r\n") << TeamItems << "Team1"
                                     << ""
                                     << "";
    QTest::newRow("team and player")
        << QByteArray("\"Team1\",\"Player1\",0,255\r\n") << TeamItems + PlayerItems << "Team1"
        << "Player1"
        << "";
    QTest::newRow("team gone") << QByteArray("\"Gone\",\"Player1\",0,0\r\n") << QStringList() << ""
                               << ""
                               << "Cannot read \"%1Gone/Gone.tea\": the file does not exist.";
    QTest::newRow("player gone") << QByteArray("\"Team1\",\"Nobody\",0,0\r\n") << TeamItems
                                 << "Team1"
                                 << ""
                                 << "Cannot read \"%1Team1/Nobody.ply\": the file does not exist.";
    QTest::newRow("settings damaged") << QByteArray("\"Team1\"\r\n") << QStringList() << ""
                                      << ""
                                      << "Cannot read \"%1settings.dft\", line 1: it has 1 fields";
}

void TestMainWindow::startUpStates()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, enabled);
    QFETCH(QString, message);
    const QString settingsPath = m_app + "settings.dft";
    QFile::remove(settingsPath);
    if (settings != "-")
        writeBytes(settingsPath, settings);
    {
        frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
        QCOMPARE(enabledItems(window), sorted(AlwaysEnabled + enabled));
        QTEST(window.state().TeamName, "team");
        QTEST(window.state().PlayerName, "player");
        QCOMPARE(window.state().NewTeam, window.state().TeamName.isEmpty());
        QCOMPARE(window.state().NewPlayer, window.state().PlayerName.isEmpty());
        QCOMPARE(window.state().CardsPerPage, qint16(1));
        QVERIFY(window.state().ShowBatting && window.state().ShowPitching);
        // A message waits until the window is on screen (the splash is gone by then), and the tip
        // waits until the message is read.
        QCOMPARE(m_dialogs.messages.size(), 0);
        bool shownWhenAsked = false;
        bool tipWhenAsked = true;
        m_dialogs.whenAsked = [&](const AskedMessage &) {
            shownWhenAsked = window.isVisible();
            tipWhenAsked = window.Timer1.isActive();
        };
        window.show();
        if (message.isEmpty()) {
            QCoreApplication::processEvents();
            QCOMPARE(m_dialogs.messages.size(), 0);
        } else {
            QTRY_COMPARE(m_dialogs.messages.size(), 1);
            QVERIFY2(m_dialogs.messages[0].text.startsWith(message.arg(m_app)),
                     qPrintable(m_dialogs.messages[0].text));
            QCOMPARE(m_dialogs.messages[0].title, QString("Scorebinder"));
            QVERIFY(shownWhenAsked);
            QVERIFY(!tipWhenAsked);
        }
        QVERIFY(window.Timer1.isActive());
        QCOMPARE(text(window, "lblPlayerName"),
                 window.state().PlayerName.isEmpty() ? QString() : QString("Player1  #7"));
        m_dialogs.whenAsked = nullptr;
        window.close();
    }
    // A remembered team or player that could not be read is remembered still.
    if (settings != "-" && !message.contains("settings.dft"))
        QCOMPARE(readBytes(settingsPath), settings);
}

void TestMainWindow::summaryShowsThePlayer_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    const QList<QPair<QString, QString>> expected = {{"lblPlayerName", "Player1  #7"},
                                                     {"lblTeamName", "Team1"},
                                                     {"lblSeason", "Spring 2026"},
                                                     {"lblPositionName", "First Base "},
                                                     {"lblBatsSide", "Both"},
                                                     {"lblThrowsSide", "Right"},
                                                     {"lblBGames", "3"},
                                                     {"lblBHits", "3"},
                                                     {"lblBAtBats", "11"},
                                                     {"lblBRuns", "1"},
                                                     {"lblBWalks", "2"},
                                                     {"lblBSOs", "3"},
                                                     {"lblBSBs", "3"},
                                                     {"lblBDoubles", "1"},
                                                     {"lblBTriples", "1"},
                                                     {"lblBHomers", "0"},
                                                     {"lblBAvg", ".273"},
                                                     {"lblBSlug", ".615"},
                                                     {"lblBRBIs", "3"},
                                                     {"lblPGames", "3"},
                                                     {"lblPHits", "9"},
                                                     {"lblPAtBats", "33"},
                                                     {"lblPRuns", "5"},
                                                     {"lblPWalks", "3"},
                                                     {"lblPSOs", "9"},
                                                     {"lblPERA", "3.649"},
                                                     {"lblPStrikes", "110"},
                                                     {"lblPBalls", "55"},
                                                     {"lblPWins", "1"},
                                                     {"lblPLosses", "1"},
                                                     {"lblPSaves", "1"},
                                                     {"lblWildPitches", "3"},
                                                     {"lblPInnings", "12   1 / 3"}};
    for (const auto &[label, shown] : expected)
        QTest::newRow(qPrintable(label)) << label << shown;
}

void TestMainWindow::summaryShowsThePlayer()
{
    QFETCH(QString, label);
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    QTEST(window.findChild<QLabel *>(label)->text(), "shown");
}

void TestMainWindow::nextPlayerReplacesEverything()
{
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    // The stored photo path names another machine: the copy in the team folder is shown.
    QCOMPARE(window.state().PlayerPicturePath, m_app + "Team1/Player1.bmp");
    QCOMPARE(window.playerPicture().size(), QSize(204, 270));
    QVERIFY(!window.findChild<QLabel *>("picPlayer")->pixmap().isNull());

    window.state().PlayerName = "Player2";
    QVERIFY(window.UpdateMainPage());
    QCOMPARE(text(window, "lblPlayerName"), QString("Player2")); // jersey 0: the bare name
    QCOMPARE(text(window, "lblPositionName"), QString("Pitcher "));
    QCOMPARE(text(window, "lblBatsSide"), QString());
    QCOMPARE(text(window, "lblBGames"), QString("0"));
    QCOMPARE(text(window, "lblBAvg"), QString(".000"));
    QCOMPARE(text(window, "lblPERA"), QString(".000"));
    QCOMPARE(text(window, "lblPInnings"), QString("0"));
    QVERIFY(window.playerPicture().isNull());
    QVERIFY(window.findChild<QLabel *>("picPlayer")->pixmap().isNull());
    QCOMPARE(m_dialogs.messages.size(), 0);
}

void TestMainWindow::failedRefreshKeepsThePage()
{
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    const MainState before = window.state();
    QByteArray stats = readBytes(m_app + "Team1/Player1.sta");
    writeBytes(m_app + "Team1/Player1.sta",
               stats.replace("\"Tigers\",\"Win\"", "\"Tigers\",\"Win\",\"extra\""));
    QVERIFY(!window.UpdateMainPage());
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY(m_dialogs.messages[0].text.startsWith(
        QString("Cannot read \"%1Team1/Player1.sta\", line 2:").arg(m_app)));
    QCOMPARE(text(window, "lblBGames"), QString("3"));
    QCOMPARE(window.state().totals.BTotalHits, before.totals.BTotalHits);
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // A total past 32767 is a message too, never a wrap-around.
    stats = readBytes(m_app + "Team1/Player2.sta");
    GameRecord strikes;
    strikes.PStrikes = 32767;
    QVERIFY(
        RecordFiles::WriteGameRecords(m_app, "Team1", "Player2", {GameRecord{}, strikes, strikes})
            .ok());
    window.state().PlayerName = "Player2";
    QVERIFY(!window.UpdateMainPage());
    QVERIFY(m_dialogs.messages[1].text.contains("strikes thrown pass 32767"));
    QCOMPARE(text(window, "lblPlayerName"), QString("Player1  #7"));
}

void TestMainWindow::exitAsksFirst()
{
    const QString settingsPath = m_app + "settings.dft";
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    window.state().Alignment = -3;
    m_dialogs.messageAnswers.enqueue(MessageAnswer::No);
    window.exitProgram();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages[0].text, QString("Do you want to exit?"));
    QCOMPARE(m_dialogs.messages[0].title, QString("Exit"));
    QCOMPARE(m_dialogs.messages[0].buttons, MessageButtons::YesNo);
    QCOMPARE(readBytes(settingsPath), QByteArray("\"Team1\",\"Player1\",0,255\r\n"));

    m_dialogs.messageAnswers.enqueue(MessageAnswer::Yes);
    window.exitProgram();
    QCOMPARE(readBytes(settingsPath), QByteArray("\"Team1\",\"Player1\",-3,255\r\n"));
}

void TestMainWindow::closingWritesTheSettings()
{
    QFile::remove(m_app + "settings.dft");
    {
        frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
        m_dialogs.fileAnswers.enqueue(m_app + "Team1/Team1.tea");
        window.openTeam();
        window.close();
    }
    QCOMPARE(readBytes(m_app + "settings.dft"), QByteArray("\"Team1\",\"Player1\",0,255\r\n"));
    QCOMPARE(m_dialogs.messages.size(), 0);
}

// A settings file that cannot be read is written back unchanged, so the team it names is not
// lost, until the user opens another team.
void TestMainWindow::damagedSettingsStayUntilAnotherTeam()
{
    const QByteArray damaged = "\"Team1\",\"Player1\",0\r\n";
    writeBytes(m_app + "settings.dft", damaged);
    {
        frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
        window.close();
    }
    QCOMPARE(readBytes(m_app + "settings.dft"), damaged);
    {
        frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
        m_dialogs.fileAnswers.enqueue(m_app + "Team1/Team1.tea");
        window.openTeam();
        window.close();
    }
    QCOMPARE(readBytes(m_app + "settings.dft"), QByteArray("\"Team1\",\"Player1\",0,255\r\n"));
}

void TestMainWindow::openTeamMakesSlotZeroCurrent()
{
    QFile::remove(m_app + "settings.dft");
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    m_dialogs.fileAnswers.enqueue(std::nullopt); // cancelled: nothing changes
    window.openTeam();
    QCOMPARE(window.state().TeamName, QString());
    QCOMPARE(enabledItems(window), sorted(AlwaysEnabled));

    m_dialogs.fileAnswers.enqueue(m_app + "Team1/Team1.tea");
    window.openTeam();
    QCOMPARE(m_dialogs.files[0].filter, QString("Team Files (*.tea)|*.tea"));
    QCOMPARE(m_dialogs.files[0].filterIndex, 1);
    QCOMPARE(m_dialogs.files[0].title, QString("Open Existing Team"));
    QCOMPARE(m_dialogs.files[0].initialFolder, m_app);
    const MainState &state = window.state();
    QCOMPARE(state.TeamPath, m_app + "Team1/Team1.tea");
    QCOMPARE(state.PlayerName, QString("Player1"));
    QCOMPARE(state.PlayerCount, qint16(2));
    QCOMPARE(state.Coach, QString("Coach Hale"));
    QVERIFY(!state.NewTeam && !state.NewPlayer);
    QCOMPARE(text(window, "lblBHits"), QString("3"));
    QCOMPARE(enabledItems(window), sorted(AlwaysEnabled + TeamItems + PlayerItems));

    // A team whose slot 0 is empty: no player is current, the menus stay enabled, the page shows
    // the team only.
    TeamFile empty;
    empty.header = {"Team2", "", "", "Fall", "", 0};
    QDir().mkpath(m_app + "Team2");
    QVERIFY(RecordFiles::WriteTeamFile(m_app, "Team2", empty).ok());
    m_dialogs.fileAnswers.enqueue(m_app + "Team2/Team2.tea");
    window.openTeam();
    QCOMPARE(state.TeamName, QString("Team2"));
    QCOMPARE(state.PlayerName, QString());
    QCOMPARE(state.PlayerCount, qint16(0));
    QCOMPARE(text(window, "lblTeamName"), QString("Team2"));
    QCOMPARE(text(window, "lblPlayerName"), QString());
    QCOMPARE(text(window, "lblBHits"), QString());
    QCOMPARE(enabledItems(window), sorted(AlwaysEnabled + TeamItems + PlayerItems));
    QCOMPARE(m_dialogs.messages.size(), 0);

    // Without a current player the player's windows say what to do instead of naming a file.
    for (const char *item : {"mnuPlyrPro", "mnuSingle", "mnuSeasonBatting"}) {
        window.findChild<QAction *>(item)->trigger();
        QCOMPARE(m_dialogs.messages.last().text,
                 QString("Choose a player first: click a name in the team profile, or add a "
                         "player there."));
    }
    QCOMPARE(m_dialogs.messages.size(), 3);
    QVERIFY(!window.findChild<QWidget *>("frmPlayerData"));
    QVERIFY(!window.findChild<QWidget *>("frmSingleGameStats"));
}

void TestMainWindow::openTeamRefusals()
{
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    writeBytes(m_app + "Broken/Broken.tea", "\"Broken\",\"\",\"\",\"\",\"\",0\r\n");
    m_dialogs.fileAnswers.enqueue(m_app + "Broken/Broken.tea");
    window.openTeam();
    QCOMPARE(m_dialogs.messages.last().text,
             QString("Cannot read \"%1Broken/Broken.tea\", line 2: the file ends before this line.")
                 .arg(m_app));

    // A team file copied elsewhere, whose team has no folder in the program's folder.
    QTemporaryDir elsewhere;
    TeamFile stray;
    stray.header.TeamName = "Stray";
    QDir().mkpath(elsewhere.path() + "/Stray");
    QVERIFY(RecordFiles::WriteTeamFile(elsewhere.path() + '/', "Stray", stray).ok());
    m_dialogs.fileAnswers.enqueue(elsewhere.path() + "/Stray/Stray.tea");
    window.openTeam();
    QVERIFY(m_dialogs.messages.last().text.startsWith(
        "Teams live in their own folders inside Scorebinder's folder"));
    QCOMPARE(window.state().TeamName, QString("Team1"));
    QCOMPARE(window.state().PlayerName, QString("Player1"));
}

void TestMainWindow::windowsOpenOnce()
{
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    int created = 0;
    const auto create = [&] {
        ++created;
        return new QWidget;
    };
    QWidget *first = window.showWindow(QWidget::staticMetaObject, {}, create);
    QWidget *again = window.showWindow(QWidget::staticMetaObject, {}, create);
    QCOMPARE(again, first);
    QCOMPARE(created, 1);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window.showWindow(QWidget::staticMetaObject, {}, create);
    QCOMPARE(created, 2);

    window.Timer1.stop();
    window.showTip();
    window.findChild<QAction *>("mnuAbout")->trigger();
    QVERIFY(window.findChild<QWidget *>("frmTip"));
    QVERIFY(window.findChild<QWidget *>("frmAbout"));
}

// Unchecked in the tip window, the tip no longer opens at start; checked again, it does. The
// choice lives in the options file beside the other options, and a damaged file is told.
void TestMainWindow::tipsAtStartUpAreTheUsersChoice()
{
    writeBytes(m_app + "Scorebinder.ini", "[Cards]\nBackOffsetDown=3\n");
    {
        frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
        window.showTip();
        auto *tip = window.findChild<frmTip *>();
        QCOMPARE(tip->chkShowTips->text(), QString("&Show tips at start-up"));
        QVERIFY(tip->chkShowTips->isChecked());
        QVERIFY(tip->chkShowTips->y() > tip->findChild<QWidget *>("Picture1")->geometry().bottom());
        tip->chkShowTips->click();
        QVERIFY(!Options::readTips(m_app).showAtStartUp);
        QCOMPARE(Options::readCardPrinting(m_app).printing.backOffsetDown, 3);
    }
    {
        frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
        QVERIFY(!window.Timer1.isActive());
        window.showTip(); // from the Help menu, as ever
        auto *tip = window.findChild<frmTip *>();
        QVERIFY(!tip->chkShowTips->isChecked());
        tip->chkShowTips->click();
    }
    {
        frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
        QVERIFY(window.Timer1.isActive());
    }
    QCOMPARE(m_dialogs.messages.size(), 0);

    writeBytes(m_app + "Scorebinder.ini", "[Tips]\nShowAtStartUp=maybe\n");
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    QVERIFY(window.Timer1.isActive());
    window.show();
    QTRY_COMPARE(m_dialogs.messages.size(), 1);
    QVERIFY(m_dialogs.messages[0].text.contains("ShowAtStartUp is neither true nor false"));
}

// The photo is decoded and scaled once while its file stays as it is; one saved over it shows at
// the next refresh.
void TestMainWindow::summaryKeepsAnUnchangedPhoto()
{
    const auto storePhoto = [&](Qt::GlobalColor colour) {
        QImage photo(206, 272, QImage::Format_RGB32);
        photo.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(photo.save(&buffer, "BMP"));
        QVERIFY(TeamFolder::storeCardPhoto(m_app, "Team1", "Player1", {bytes, {}, {}, {}}).ok());
    };
    storePhoto(Qt::red);
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    auto *photo = window.findChild<QLabel *>("picPlayer");
    const qint64 shown = photo->pixmap().cacheKey();
    QVERIFY(!photo->pixmap().isNull());
    QVERIFY(window.UpdateMainPage());
    QCOMPARE(photo->pixmap().cacheKey(), shown);

    storePhoto(Qt::blue);
    QVERIFY(window.UpdateMainPage());
    QVERIFY(photo->pixmap().cacheKey() != shown);
    const QImage now = photo->pixmap().toImage();
    QCOMPARE(now.pixelColor(now.width() / 2, now.height() / 2), QColor(Qt::blue));
}

// File › New Season proposes the next year's name and season, makes the team and opens it; the old
// team stays openable.
void TestMainWindow::newSeasonBecomesTheCurrentTeam()
{
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    QAction *newSeason = window.findChild<QAction *>("mnuNewSeason");
    QCOMPARE(newSeason->text(), QString("New &Season..."));
    QVERIFY(newSeason->isEnabled());
    newSeason->trigger(); // cancelled at the name
    QCOMPARE(m_dialogs.proposedTexts, QStringList{"Team1 2027"});
    QVERIFY(!QFileInfo::exists(m_app + "Team1 2027"));

    m_dialogs.textAnswers << QString("Team1 2027") << QString("Fall 2027");
    newSeason->trigger();
    QCOMPARE(m_dialogs.proposedTexts, (QStringList{"Team1 2027", "Team1 2027", "Spring 2027"}));
    QCOMPARE(m_dialogs.messages.last().title, QString("New Season"));
    QCOMPARE(m_dialogs.messages.size(), 3);
    QCOMPARE(window.state().TeamName, QString("Team1 2027"));
    QCOMPARE(window.state().Season, QString("Fall 2027"));
    QCOMPARE(window.state().PlayerName, QString("Player1"));
    QCOMPARE(window.state().totals.BTotalGames, qint16(0));
    QCOMPARE(text(window, "lblBGames"), QString("0"));
    QVERIFY(RecordFiles::ReadTeamFile(m_app, "Team1").ok());

    m_dialogs.textAnswers << QString("Team1 2027") << QString("Fall 2027");
    newSeason->trigger();
    QCOMPARE(m_dialogs.messages.last().text,
             QString("A team named Team1 2027 exists already; choose another name."));
}

// File › Back Up Team proposes "<team> <date>.tar.gz" in the documents folder and says where it
// went; Restore Team shows what the backup holds, asks before replacing a team, and brings the
// folder back byte for byte; a refused archive writes nothing.
void TestMainWindow::backUpAndRestoreATeam()
{
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    const QString archive = m_dir->path() + "/backup.tar.gz";
    m_dialogs.saveAnswers << archive;
    window.findChild<QAction *>("mnuBackUp")->trigger();
    QCOMPARE(m_dialogs.saves.size(), 1);
    QCOMPARE(m_dialogs.saves[0].title, QString("Back Up Team"));
    QCOMPARE(m_dialogs.saves[0].initialFolder, documentsFolder() + "/Team1 " +
                                                   QDate::currentDate().toString("yyyy-MM-dd") +
                                                   ".tar.gz");
    QCOMPARE(m_dialogs.messages.last().text,
             "Team1 is backed up in \"" + archive + "\". Restore Team reads it back.");
    const QMap<QString, QByteArray> team = folderContents(m_app + "Team1");

    writeBytes(m_app + "Team1/Player1.sta", "changed since\r\n");
    QAction *restore = window.findChild<QAction *>("mnuRestore");
    m_dialogs.fileAnswers << archive;
    m_dialogs.messageAnswers << MessageAnswer::Yes << MessageAnswer::No;
    restore->trigger();
    QCOMPARE(m_dialogs.messages[1].text, "\"" + archive +
                                             "\" holds the team Team1 (Spring 2026): 2 players, 3 "
                                             "games.\n\nRestore it?");
    QCOMPARE(m_dialogs.messages[2].text,
             QString("A team named Team1 exists. Replace its files with the backup's?"));
    QCOMPARE(readBytes(m_app + "Team1/Player1.sta"), QByteArray("changed since\r\n"));

    m_dialogs.fileAnswers << archive;
    m_dialogs.messageAnswers << MessageAnswer::Yes << MessageAnswer::Yes;
    restore->trigger();
    QCOMPARE(m_dialogs.messages.size(), 5);
    QCOMPARE(folderContents(m_app + "Team1"), team);
    QCOMPARE(window.state().TeamName, QString("Team1"));
    QCOMPARE(text(window, "lblBGames"), QString("3"));

    const QMap<QString, QByteArray> before = folderContents(m_dir->path());
    writeBytes(m_dir->path() + "/foreign.tar.gz", "no archive at all");
    m_dialogs.fileAnswers << m_dir->path() + "/foreign.tar.gz";
    restore->trigger();
    QVERIFY(m_dialogs.messages.last().text.startsWith("\"" + m_dir->path() +
                                                      "/foreign.tar.gz\" is not a team backup"));
    QFile::remove(m_dir->path() + "/foreign.tar.gz");
    QCOMPARE(folderContents(m_dir->path()), before);
}

// The help comes from the shipped files' folder, wherever the data lives.
void TestMainWindow::helpOpensAtItsIndex()
{
    const QString shipped = m_app + "share/";
    frmMain window(ProgramFolders{m_app, shipped}, m_dialogs);
    QAction *help = window.findChild<QAction *>("mnuIndex");
    help->trigger();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY(m_dialogs.messages[0].text.startsWith("The help file"));
    QVERIFY(!window.findChild<frmHelp *>());

    writeBytes(shipped + "Scorebinder Baseball.html",
               "<html><body><h1><a name=\"index\"></a>Index</h1></body></html>");
    help->trigger();
    auto *helpWindow = window.findChild<frmHelp *>();
    QVERIFY(helpWindow);
    QCOMPARE(helpWindow->browser->source().toLocalFile(), shipped + "Scorebinder Baseball.html");
    QVERIFY(helpWindow->browser->toPlainText().contains("Index"));
}

// A help file that is a pipe or a device is told, not opened: nothing waits or reads without end.
void TestMainWindow::helpThatIsNoPlainFile()
{
    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    const QString path = m_app + "Scorebinder Baseball.html";
    for (const bool pipe : {true, false}) {
        QFile::remove(path);
        if (pipe)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link("/dev/zero", path));
        m_dialogs.messages.clear();
        window.findChild<QAction *>("mnuIndex")->trigger();
        QCOMPARE(m_dialogs.messages.size(), 1);
        QVERIFY2(m_dialogs.messages[0].text.startsWith(
                     QString("The help file \"%1\" cannot be shown: it is not a file").arg(path)),
                 qPrintable(m_dialogs.messages[0].text));
        QVERIFY(!window.findChild<frmHelp *>());
    }
}

// The team opens without a current player when its first player cannot be read; state, page and
// the remembered settings agree.
void TestMainWindow::openTeamWithAnUnreadableFirstPlayer()
{
    TeamFile team;
    team.header = {"Team2", "", "", "Fall", "", 0};
    team.roster[0] = {"Ann", 2};
    QDir().mkpath(m_app + "Team2");
    QVERIFY(RecordFiles::WriteTeamFile(m_app, "Team2", team).ok());
    {
        frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
        m_dialogs.fileAnswers.enqueue(m_app + "Team2/Team2.tea");
        window.openTeam();
        QCOMPARE(m_dialogs.messages.size(), 1);
        QCOMPARE(m_dialogs.messages[0].text,
                 QString("Cannot read \"%1Team2/Ann.ply\": the file does not exist.\n\n"
                         "Team2 is open without a current player.")
                     .arg(m_app));
        QCOMPARE(window.state().TeamName, QString("Team2"));
        QCOMPARE(window.state().PlayerName, QString());
        QCOMPARE(text(window, "lblTeamName"), QString("Team2"));
        QCOMPARE(text(window, "lblPlayerName"), QString());
        QCOMPARE(text(window, "lblBHits"), QString());
        window.close();
    }
    QCOMPARE(readBytes(m_app + "settings.dft"), QByteArray("\"Team2\",\"\",0,0\r\n"));
}

void TestMainWindow::longestValuesShowWhole_data()
{
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QByteArray>("profile"); // positions, sides and jersey
    QTest::addColumn<QByteArray>("season");
    QTest::addColumn<QByteArray>("game"); // game 1's fields after its number
    QTest::addColumn<QString>("label");   // the value the row is about
    QTest::addColumn<QString>("text");

    const QByteArray noGame = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
    // The largest counts a season can sum without passing 32767, and the longest rate texts.
    QTest::newRow("counts, earned run average")
        << "Team1"
        << "Player1" << QByteArray("3,0,3,2,7") << QByteArray("Spring 2026")
        << QByteArray("32767,32767,32767,0,0,0,0,32767,32767,32767,32767,32767,32767,0.1,32767,"
                      "32767,32767,32767,32767")
        << "lblPERA"
        << "884709.000";
    QTest::newRow("innings") << "Team1"
                             << "Player1" << QByteArray("3,0,3,2,7") << QByteArray("Spring 2026")
                             << QByteArray("0,0,0,0,0,0,0,0,0,0,32767,32767,32767,32767.2,32767,"
                                           "32767,32767,32767,32767")
                             << "lblPInnings"
                             << "32767   2 / 3";
    QTest::newRow("slugging") << "Team1"
                              << "Player1" << QByteArray("3,0,3,2,7") << QByteArray("Spring 2026")
                              << QByteArray("0,1,0,0,32767,0,0,0,0,0,0,0,0,0,0,0,0,0,0")
                              << "lblBSlug"
                              << "32767.000";
    QTest::newRow("long texts") << "Springfield Riverside Little League Reds"
                                << "Maximilian Montgomery-Worth" << QByteArray("8,8,3,2,32767")
                                << QByteArray("Spring and Summer Season 2026") << noGame
                                << "lblPlayerName"
                                << "Maximilian Montgomery-Worth  #32767";
    // A season typed with angle brackets shows as typed, not as markup.
    QTest::newRow("markup") << "Team1"
                            << "Player1" << QByteArray("8,8,3,2,32767")
                            << QByteArray("<b>Spring</b> <img src=x>") << noGame << "lblPlayerName"
                            << "Player1  #32767";
    QTest::newRow("wide letters") << "WWWWWWWWWW MMMMMMMMMM WWWWWWWWWW MMMMMMMM"
                                  << "Wolfgang Maximilian Murrowa" << QByteArray("8,8,3,2,32767")
                                  << QByteArray("WWWWWWWWWW MMMMMMMMMM WWWWWWWWWW MMMMMMMM")
                                  << noGame << "lblPlayerName"
                                  << "Wolfgang Maximilian Murrowa  #32767";
}

// The summary page shows every value whole, clear of the captions and of the photo, each in the
// place the layout gives it; a value reaching past the page's edge widens the page.
void TestMainWindow::longestValuesShowWhole()
{
    QFETCH(QString, team);
    QFETCH(QString, player);
    QFETCH(QByteArray, profile);
    QFETCH(QByteArray, season);
    QFETCH(QByteArray, game);
    QFETCH(QString, label);
    // A value label by its name, a caption by its text.
    QHash<QString, QPoint> designed;
    {
        frmMain fixture(ProgramFolders{m_app, m_app}, m_dialogs);
        designed = TextsInSight::labelPlaces(fixture);
    }
    const QByteArray t = team.toLatin1();
    const QByteArray p = player.toLatin1();
    QByteArray teamFile = "\"" + t + "\",\"Coach Hale\",\"Pat Kim\",\"" + season +
                          "\",\"\",255\r\n\"" + p + "\",8\r\n";
    for (int slot = 1; slot < RosterSlots; ++slot)
        teamFile += "\"\",0\r\n";
    writeBytes(m_app + team + "/" + team + ".tea", teamFile);
    writeBytes(m_app + team + "/" + player + ".ply",
               "\"" + p + "\",\"" + t + "\"," + profile + ",\"Springfield\",\"IL\",12,\"\"\r\n");
    writeBytes(m_app + team + "/" + player + ".sta",
               NewStatsFile + "1," + game + ",\"04/02/2026\",\"Tigers\",\"Win\",\"\"\r\n");
    writeBytes(m_app + "settings.dft", "\"" + t + "\",\"" + p + "\",0,255\r\n");

    frmMain window(ProgramFolders{m_app, m_app}, m_dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(m_dialogs.messages.size(), 0);
    QTEST(text(window, qPrintable(label)), "text");
    if (label == "lblPlayerName") {
        QCOMPARE(text(window, "lblTeamName"), team);
        QCOMPARE(text(window, "lblSeason"), QString(season));
        QCOMPARE(text(window, "lblPositionName"), QString("Center Field Center Field"));
    }
    const QStringList cut = TextsInSight::cutTexts(window);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    const QStringList overlapping = TextsInSight::overlappingTexts(window);
    QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join('\n')));
    QCOMPARE(TextsInSight::labelPlaces(window), designed);
    window.close();
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
