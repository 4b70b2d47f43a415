// The current team on real folders: start-up from the settings, Open Team, and the settings
// written at exit. Each row is a folder (the summary fixture with one change), what the state
// holds afterwards, what the user is told, and the settings file after exit, byte for byte.

#include "core/CurrentTeam.h"
#include "core/DataFolderLock.h"
#include "core/FileGroup.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QByteArray Remembered = "\"Team1\",\"Player1\",0,255\r\n";

} // namespace

class TestCurrentTeam : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startUp_data();
    void startUp();
    void openTeam_data();
    void openTeam();
    void anotherChoiceIsRememberedAtExit();
    void oneProgramPerDataFolder();
    void startFinishesWhatACrashLeft();

private:
    // Applies a row's change: "remove <file>", "write <file>=<bytes>" or none.
    void change(const QString &what);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app;
};

void TestCurrentTeam::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_app = m_dir->path() + '/';
    copyFixture("summary", m_dir->path());
    writeBytes(m_app + "Team2/Team2.tea", newTeamFile("Team2"));
}

void TestCurrentTeam::change(const QString &what)
{
    if (what.startsWith("remove "))
        QVERIFY(QFile::remove(m_app + what.mid(7)));
    else if (what.startsWith("write "))
        writeBytes(m_app + what.mid(6).section('=', 0, 0), what.section('=', 1).toUtf8());
}

void TestCurrentTeam::startUp_data()
{
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QStringList>("told");
    QTest::addColumn<QByteArray>("settingsAtExit");

    QTest::newRow("remembered team and player") << ""
                                                << "Team1"
                                                << "Player1" << QStringList() << Remembered;
    QTest::newRow("no settings yet") << "remove settings.dft"
                                     << ""
                                     << "" << QStringList() << QByteArray("\"\",\"\",0,0\r\n");
    QTest::newRow("settings unreadable, left as they are")
        << "write settings.dft=damaged"
        << ""
        << ""
        << QStringList{"Cannot read \"{app}settings.dft\", line 1: it has 1 fields where the "
                       "settings record has 4.\n\nScorebinder starts without a current team."}
        << QByteArray("damaged");
    QTest::newRow("remembered team gone, remembered still")
        << "remove Team1/Team1.tea"
        << ""
        << ""
        << QStringList{"Cannot read \"{app}Team1/Team1.tea\": the file does not exist.\n\n"
                       "Scorebinder starts without a current team."}
        << Remembered;
    QTest::newRow("remembered player gone, remembered still")
        << "remove Team1/Player1.ply"
        << "Team1"
        << ""
        << QStringList{"Cannot read \"{app}Team1/Player1.ply\": the file does not exist.\n\n"
                       "Scorebinder starts without a current player."}
        << Remembered;
}

void TestCurrentTeam::startUp()
{
    QFETCH(QString, changed);
    QFETCH(QStringList, told);
    change(changed);

    CurrentTeam current(m_dir->path()); // without the trailing "/", which it adds
    QCOMPARE(current.state().ApplicationPath, m_app);
    const QStringList problems = current.startUp();
    QTEST(current.state().TeamName, "team");
    QTEST(current.state().PlayerName, "player");
    QCOMPARE(current.state().NewTeam, current.state().TeamName.isEmpty());
    QCOMPARE(current.state().NewPlayer, current.state().PlayerName.isEmpty());
    for (QString &problem : told)
        problem.replace("{app}", m_app);
    QCOMPARE(problems, told);
    if (!current.state().PlayerName.isEmpty()) {
        // The page's figures: three games of the fixture, the team's border colour.
        QCOMPARE(current.state().totals.BTotalGames, qint16(3));
        QCOMPARE(current.state().Coach, QString("Coach Hale"));
        QCOMPARE(current.state().TeamBorderColor, 255);
    }

    QVERIFY(current.writeSettings().ok());
    QTEST(readBytes(m_app + "settings.dft"), "settingsAtExit");
}

void TestCurrentTeam::openTeam_data()
{
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("told");

    QTest::newRow("team with players") << ""
                                       << "Team1/Team1.tea"
                                       << "Team1"
                                       << "Player1"
                                       << "";
    QTest::newRow("team without players") << ""
                                          << "Team2/Team2.tea"
                                          << "Team2"
                                          << ""
                                          << "";
    QTest::newRow("first player unreadable")
        << "remove Team1/Player1.sta"
        << "Team1/Team1.tea"
        << "Team1"
        << ""
        << "Cannot read \"{app}Team1/Player1.sta\": the file does not exist.\n\n"
           "Team1 is open without a current player.";
    QTest::newRow("team file naming a path")
        << "write Elsewhere/x.tea=\"../x\",\"\",\"\",\"\",\"\",0\r\n"
        << "Elsewhere/x.tea"
        << ""
        << ""
        << "(refused)";
    QTest::newRow("team without its folder")
        << "write Elsewhere/Stray.tea=\"Stray\",\"\",\"\",\"\",\"\",0\r\n"
        << "Elsewhere/Stray.tea"
        << ""
        << ""
        << "(refused)";
}

// Opening reads and changes nothing until the team is taken; a refused file leaves the state as
// it was, and no file is written either way.
void TestCurrentTeam::openTeam()
{
    QFETCH(QString, changed);
    QFETCH(QString, chosen);
    QFETCH(QString, told);
    change(changed);
    CurrentTeam current(m_app);
    const QMap<QString, QByteArray> before = folderContents(m_dir->path());

    Outcome<TeamToOpen> team = current.readTeamToOpen(m_app + chosen);
    QCOMPARE(team.ok(), told != "(refused)");
    if (!team) {
        QVERIFY2(team.error().contains(m_app + chosen), qPrintable(team.error()));
        QVERIFY(current.state().TeamName.isEmpty());
    } else {
        QVERIFY(current.state().TeamName.isEmpty()); // read only
        const std::optional<QString> problem = current.open(*team);
        QCOMPARE(problem.value_or(QString()), QString(told).replace("{app}", m_app));
        QTEST(current.state().TeamName, "team");
        QTEST(current.state().PlayerName, "player");
        QCOMPARE(current.state().TeamPath, m_app + chosen);
    }
    QCOMPARE(folderContents(m_dir->path()), before);
}

// Once the user opens another team, exit remembers it in place of the one that could not be read.
void TestCurrentTeam::anotherChoiceIsRememberedAtExit()
{
    change("remove Team1/Team1.tea");
    CurrentTeam current(m_app);
    QCOMPARE(current.startUp().size(), 1);
    Outcome<TeamToOpen> team = current.readTeamToOpen(m_app + "Team2/Team2.tea");
    QVERIFY(team.ok());
    QVERIFY(!current.open(*team));
    QVERIFY(current.writeSettings().ok());
    QCOMPARE(readBytes(m_app + "settings.dft"), QByteArray("\"Team2\",\"\",0,0\r\n"));
}

// A second lock on the folder is refused while the first is held; one left by a program that died
// is taken over.
void TestCurrentTeam::oneProgramPerDataFolder()
{
    {
        DataFolderLock first(m_app);
        QVERIFY(first.held());
        DataFolderLock second(m_app);
        QVERIFY(!second.held());
        QVERIFY2(second.refusal().startsWith("Scorebinder is already open on its folder"),
                 qPrintable(second.refusal()));
    }
    QVERIFY(!QFileInfo::exists(m_app + "Scorebinder.lock"));

    // Another program holding it keeps it until it ends, however it ends; the file it leaves is
    // taken over.
    QProcess holder;
    holder.start("sh", {"-c", "exec 9>\"$1\" && flock 9 && exec sleep 30", "sh",
                        m_app + "Scorebinder.lock"});
    QVERIFY(holder.waitForStarted());
    QTRY_VERIFY(QFileInfo::exists(m_app + "Scorebinder.lock") && !DataFolderLock(m_app).held());
    holder.kill();
    QVERIFY(holder.waitForFinished());
    QVERIFY(QFileInfo::exists(m_app + "Scorebinder.lock"));
    DataFolderLock after(m_app);
    QVERIFY(after.held());
}

// A group of saves a crash interrupted once its journal was written is finished and told; the
// temporary files of saves that never got so far are removed, everywhere in the program's folder.
void TestCurrentTeam::startFinishesWhatACrashLeft()
{
    const QString team = m_app + "Team1/";
    const QByteArray newTeam = newTeamFile("Team1");
    writeBytes(team + "Team1.tea.saving-AbC123", newTeam);
    writeBytes(team + "Player2.sta.saving-XyZ789", "half a save");
    writeBytes(m_app + "settings.dft.saving-Qq1234", "half a save");
    writeBytes(FileGroup::journalPath(team),
               "Scorebinder file group 1\nreplace\t" + QFile::encodeName(team + "Team1.tea") +
                   "\t" + QFile::encodeName(team + "Team1.tea.saving-AbC123") + "\t\nremove\t" +
                   QFile::encodeName(team + "Player2.ply") + "\t\n");
    const QByteArray stats = readBytes(team + "Player2.sta");

    CurrentTeam current(m_app);
    const QStringList told = current.startUp();
    QCOMPARE(told.value(0), QString("A save that was interrupted in \"%1\" was finished: "
                                    "Team1.tea, Player2.ply.")
                                .arg(team));
    QCOMPARE(readBytes(team + "Team1.tea"), newTeam);
    QVERIFY(!QFile::exists(team + "Player2.ply"));
    QCOMPARE(readBytes(team + "Player2.sta"), stats);
    const QStringList left = QDir(team).entryList(QDir::Files | QDir::Hidden) +
                             QDir(m_app).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left.filter(".saving-"), QStringList());
    QVERIFY(!QFile::exists(FileGroup::journalPath(team)));
    QVERIFY(current.startUp().filter("interrupted").isEmpty()); // told once
}

QTEST_GUILESS_MAIN(TestCurrentTeam)
#include "tst_currentteam.moc"
