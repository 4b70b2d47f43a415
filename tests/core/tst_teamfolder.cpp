// The team-folder operations on real folders: each row is a folder, an operation on it, a fault at
// one of its steps, the files that differ afterwards (byte for byte) and the message. A failing
// step leaves the folder exactly as it was: no old file changed, no new file left.

#include "core/RecordFiles.h"
#include "core/SeasonNames.h"
#include "core/TeamFolder.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace {

// A changed file's bytes, or that it is gone; "{app}" stands for the program's folder.
using Changes = QMap<QString, QByteArray>;
const QByteArray Gone = "(gone)";
const QByteArray Folder = "(folder)";

template <class T>
QString messageOf(const Outcome<T> &outcome)
{
    return outcome.error();
}

const PlayerProfile Ann{"Ann", "Team1", 2, 0, 1, 1, 5, "North Oakland Hills", "California", 11, ""};
const QByteArray AnnFile =
    "\"Ann\",\"Team1\",2,0,1,1,5,\"North Oakland Hills\",\"California\",11,\"\"\r\n";
constexpr qint32 Green = 0x00FF00;

} // namespace

class TestTeamFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void operations_data();
    void operations();
    void deletedPlayerGoesToTheTrash();
    void newSeasonCarriesTheRoster();
    void newSeasonRefusals_data();
    void newSeasonRefusals();
    void nextSeasonProposals_data();
    void nextSeasonProposals();

private:
    QByteArray fixture(const QString &name) const { return readBytes(m_app + name); }
    QByteArray teamFileWith(const QByteArray &from, const QByteArray &to) const
    {
        QByteArray bytes = fixture("Team1/Team1.tea");
        return bytes.replace(from, to);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app;
};

// The summary fixture's Team1 (Player1 with photo and three games, Player2 with none), and an empty
// Team2 beside it.
void TestTeamFolder::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_app = m_dir->path() + '/';
    copyFixture("summary", m_dir->path());
    writeBytes(m_app + "Team2/Team2.tea", newTeamFile("Team2"));
}

void TestTeamFolder::operations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("fault"); // "", "limit <bytes>" or "fixed <file>"
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<QString>("message");

    init(); // the fixture's bytes, to describe the changes
    const QByteArray player1 = fixture("Team1/Player1.ply");
    const QByteArray games1 = fixture("Team1/Player1.sta");
    const QByteArray slot2 = "\"Player2\",1\r\n\"\",0\r\n";
    const QString tooLarge = QStringLiteral("Cannot save \"{app}%1\": File too large");
    const QString refused = QStringLiteral("Cannot save \"{app}%1\": Operation not permitted");
    const QString undeletable =
        QStringLiteral("Cannot delete \"{app}%1\": Operation not permitted");
    const Changes none;

    QTest::newRow("new team") << "create Team3"
                              << ""
                              << Changes{{"Team3/", Folder},
                                         {"Team3/Team3.tea", newTeamFile("Team3")}}
                              << "";
    QTest::newRow("new team, team file fails")
        << "create Team3"
        << "limit 100" << none << tooLarge.arg("Team3/Team3.tea");
    QTest::newRow("team overwritten") << "create Team1"
                                      << ""
                                      << Changes{{"Team1/Team1.tea", newTeamFile("Team1")},
                                                 {"Team1/Player1.ply", Gone},
                                                 {"Team1/Player1.sta", Gone},
                                                 {"Team1/Player2.ply", Gone},
                                                 {"Team1/Player2.sta", Gone}}
                                      << "";
    QTest::newRow("team overwritten, team file fails")
        << "create Team1"
        << "fixed Team1/Team1.tea" << none << refused.arg("Team1/Team1.tea");
    QTest::newRow("team overwritten, a player's file cannot go")
        << "create Team1"
        << "fixed Team1/Player2.sta" << none << undeletable.arg("Team1/Player2.sta");

    QTest::newRow("player added")
        << "add Ann"
        << ""
        << Changes{{"Team1/Ann.sta", NewStatsFile},
                   {"Team1/Ann.ply", AnnFile},
                   {"Team1/Team1.tea", teamFileWith(slot2, "\"Player2\",1\r\n\"Ann\",2\r\n")}}
        << "";
    QTest::newRow("player added, stats file fails")
        << "add Ann"
        << "limit 52" << none << tooLarge.arg("Team1/Ann.sta");
    QTest::newRow("player added, player file fails")
        << "add Ann"
        << "limit 60" << none << tooLarge.arg("Team1/Ann.ply");
    QTest::newRow("player added, team file fails")
        << "add Ann"
        << "fixed Team1/Team1.tea" << none << refused.arg("Team1/Team1.tea");

    QByteArray imported = player1;
    imported.replace("\"Team1\"", "\"Team2\"");
    // Team2's roster takes him in its first slot.
    QByteArray team2 = newTeamFile("Team2");
    const qsizetype firstSlot = team2.indexOf("\r\n") + 2;
    team2.replace(firstSlot, 6, "\"Player1\",3\r\n");
    QTest::newRow("player imported with his games") << "import Player1 into Team2"
                                                    << ""
                                                    << Changes{{"Team2/Player1.sta", games1},
                                                               {"Team2/Player1.ply", imported},
                                                               {"Team2/Team2.tea", team2}}
                                                    << "";
    QTest::newRow("player imported without his games")
        << "import Player1 into Team2, no games"
        << ""
        << Changes{{"Team2/Player1.sta", NewStatsFile},
                   {"Team2/Player1.ply", imported},
                   {"Team2/Team2.tea", team2}}
        << "";
    QTest::newRow("player imported, stats file fails")
        << "import Player1 into Team2"
        << "limit 301" << none << tooLarge.arg("Team2/Player1.sta");
    QTest::newRow("player imported, player file fails")
        << "import Player1 into Team2, no games"
        << "limit 60" << none << tooLarge.arg("Team2/Player1.ply");
    QTest::newRow("player imported, team file fails")
        << "import Player1 into Team2"
        << "fixed Team2/Team2.tea" << none << refused.arg("Team2/Team2.tea");
    QTest::newRow("player imported onto his own roster")
        << "import Player1 into Team1"
        << "" << none << "Player1 is already a player of Team1.";

    QTest::newRow("player deleted")
        << "delete Player2"
        << ""
        << Changes{{"Team1/Team1.tea", teamFileWith(slot2, "\"\",0\r\n\"\",0\r\n")},
                   {"Team1/Player2.ply", Gone},
                   {"Team1/Player2.sta", Gone}}
        << "";
    QTest::newRow("player deleted, team file fails")
        << "delete Player2"
        << "fixed Team1/Team1.tea" << none << refused.arg("Team1/Team1.tea");
    QTest::newRow("player deleted, player file cannot go")
        << "delete Player2"
        << "fixed Team1/Player2.ply" << none << undeletable.arg("Team1/Player2.ply");
    QTest::newRow("player deleted, stats file cannot go")
        << "delete Player2"
        << "fixed Team1/Player2.sta" << none << undeletable.arg("Team1/Player2.sta");

    QByteArray photoPlayer = player1;
    photoPlayer.replace("C:\\Scorebinder\\Team1\\Player1.bmp", "{app}Team1/Player1.bmp");
    const QByteArray greenTeam = teamFileWith("\"\",255\r\n", "\"\",65280\r\n");
    QTest::newRow("card photo") << "card photo"
                                << ""
                                << Changes{{"Team1/Player1.bmp", "BM new photo"},
                                           {"Team1/Player1.card.png", "PNG new photo"},
                                           {"Team1/Player1.ply", photoPlayer},
                                           {"Team1/Team1.tea", greenTeam}}
                                << "";
    QTest::newRow("card photo, photo fails")
        << "card photo"
        << "fixed Team1/Player1.bmp" << none << refused.arg("Team1/Player1.bmp");
    QTest::newRow("card photo, player file fails")
        << "card photo"
        << "fixed Team1/Player1.ply" << none << refused.arg("Team1/Player1.ply");
    QTest::newRow("card photo, team file fails")
        << "card photo"
        << "fixed Team1/Team1.tea" << none << refused.arg("Team1/Team1.tea");

    QTest::newRow("card photo, nothing changed writes nothing") << "card photo, nothing changed"
                                                                << "" << none << "";
    QTest::newRow("team profile keeps what the window does not own")
        << "team profile"
        << "" << Changes{{"Team1/Team1.tea", teamFileWith("\"Coach Hale\"", "\"Coach Ray\"")}}
        << "";
    QByteArray jersey8 = player1;
    jersey8.replace(",7,\"Springfield\"", ",8,\"Springfield\"");
    QTest::newRow("player profile keeps the stored photo")
        << "player profile"
        << "" << Changes{{"Team1/Player1.ply", jersey8}} << "";

    QTest::newRow("card options") << "card options"
                                  << "" << Changes{{"Team1/Team1.tea", greenTeam}} << "";
    QTest::newRow("card options, player file fails")
        << "card options"
        << "fixed Team1/Player1.ply" << none << refused.arg("Team1/Player1.ply");
    QTest::newRow("card options, team file fails")
        << "card options"
        << "fixed Team1/Team1.tea" << none << refused.arg("Team1/Team1.tea");
}

void TestTeamFolder::operations()
{
    QFETCH(QString, operation);
    QFETCH(QString, fault);
    QFETCH(Changes, changes);
    QFETCH(QString, message);

    const QString &app = m_app;
    const auto importInto = [&](const QString &team, bool keepGames) {
        Outcome<TeamFolder::PlayerImport> source =
            TeamFolder::readPlayerToImport(app, team, app + "Team1/Player1.ply");
        return source ? messageOf(TeamFolder::importPlayer(app, team, *source, keepGames))
                      : source.error();
    };
    const QHash<QString, std::function<QString()>> operations = {
        {"create Team3", [&] { return messageOf(TeamFolder::createTeam(app, "Team3")); }},
        {"create Team1", [&] { return messageOf(TeamFolder::createTeam(app, "Team1")); }},
        {"add Ann", [&] { return messageOf(TeamFolder::addPlayer(app, "Team1", Ann)); }},
        {"import Player1 into Team2", [&] { return importInto("Team2", true); }},
        {"import Player1 into Team2, no games", [&] { return importInto("Team2", false); }},
        {"import Player1 into Team1", [&] { return importInto("Team1", true); }},
        {"delete Player2",
         [&] {
             TeamFile without = *RecordFiles::ReadTeamFile(app, "Team1");
             without.roster[1] = RosterEntry{};
             return messageOf(TeamFolder::deletePlayer(app, without, "Player2"));
         }},
        {"card photo",
         [&] {
             return messageOf(TeamFolder::storeCardPhoto(
                 app, "Team1", "Player1",
                 {QByteArray("BM new photo"), QByteArray("PNG new photo"), std::nullopt, Green}));
         }},
        {"card photo, nothing changed",
         [&] { return messageOf(TeamFolder::storeCardPhoto(app, "Team1", "Player1", {})); }},
        {"team profile",
         [&] {
             // The window's copy of what it does not own is stale.
             TeamFile shown = *RecordFiles::ReadTeamFile(app, "Team1");
             shown.header.Coach = "Coach Ray";
             shown.header.TeamReserved = "stale";
             return messageOf(TeamFolder::storeTeamProfile(app, shown));
         }},
        {"player profile",
         [&] {
             // The window's copy holds no photo, as when the editor stored one meanwhile.
             PlayerProfile shown = *RecordFiles::ReadPlayerFile(app, "Team1", "Player1");
             shown.Jersey = 8;
             shown.PlayerPicturePath.clear();
             return messageOf(TeamFolder::storePlayerProfile(app, "Team1", shown));
         }},
        {"card options",
         [&] { return messageOf(TeamFolder::storeCardOptions(app, "Team1", "Player1", Green)); }},
    };
    QVERIFY(operations.contains(operation));

    QMap<QString, QByteArray> expected = folderContents(m_dir->path());
    for (auto change = changes.cbegin(); change != changes.cend(); ++change) {
        if (change.value() == Gone)
            expected.remove(change.key());
        else if (change.value() == Folder)
            expected.insert(change.key(), QByteArray());
        else
            expected.insert(change.key(),
                            QByteArray(change.value()).replace("{app}", app.toUtf8()));
    }

    QString told;
    {
        std::optional<FixedFile> fixed;
        std::optional<FileSizeLimit> limit;
        if (fault.startsWith("fixed ") && !fixed.emplace(app + fault.mid(6)).fixed())
            QSKIP("this file system has no immutable files");
        if (fault.startsWith("limit "))
            limit.emplace(fault.mid(6).toLongLong());
        told = operations[operation]();
    }
    QCOMPARE(told, QString(message).replace("{app}", app));
    const QMap<QString, QByteArray> after = folderContents(m_dir->path());
    for (const QString &name : after.keys() + expected.keys())
        QVERIFY2(after.value(name, Gone) == expected.value(name, Gone),
                 qPrintable(name + ": " + after.value(name, Gone).left(80) + " != expected " +
                            expected.value(name, Gone).left(80)));
}

// With a trash in the (test's) home, a deleted player's files go there, each named for where it
// was; without one they are deleted outright, as the table above shows.
void TestTeamFolder::deletedPlayerGoesToTheTrash()
{
    const QString dataHome = m_dir->path() + "/home/.local/share";
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    QVERIFY(!TeamFolder::playerFilesGoToTrash(m_app, "Team1")); // no data folder yet
    QVERIFY(QDir().mkpath(dataHome));
    QVERIFY(TeamFolder::playerFilesGoToTrash(m_app, "Team1"));

    QMap<QString, QByteArray> expected = folderContents(m_app + "Team1");
    const QByteArray player = expected.take("Player2.ply");
    const QByteArray games = expected.take("Player2.sta");
    TeamFile without = *RecordFiles::ReadTeamFile(m_app, "Team1");
    without.roster[1] = RosterEntry{};
    const Outcome<TeamFile> stored = TeamFolder::deletePlayer(m_app, without, "Player2");
    qputenv("XDG_DATA_HOME", before);
    QVERIFY2(stored.ok(), qPrintable(stored.error()));
    expected.insert("Team1.tea", readBytes(m_app + "Team1/Team1.tea"));
    QCOMPARE(folderContents(m_app + "Team1"), expected);
    QCOMPARE(readBytes(dataHome + "/Trash/files/Player2.ply"), player);
    QCOMPARE(readBytes(dataHome + "/Trash/files/Player2.sta"), games);
    QVERIFY(readBytes(dataHome + "/Trash/info/Player2.sta.trashinfo")
                .contains("\nPath=" + QFile::encodeName(m_app) + "Team1/Player2.sta\n"));
}

namespace {

// "Tigers": twelve players in roster slots 0 to 11 (slot 3 left free, the twelfth in slot 12), each
// with a game; every third with a photo in the folder and its print photo, one with a picture
// elsewhere.
void makeTigers(const QString &app)
{
    QVERIFY(TeamFolder::createTeam(app, "Tigers").ok());
    QVector<PlayerProfile> players;
    for (int i = 0; i < 12; ++i)
        players.append({QStringLiteral("Player %1").arg(i + 1), "Tigers", qint16(1 + i % 9), 0, 1,
                        2, qint16(10 + i), "Springfield", "IL", 12, ""});
    QVERIFY(TeamFolder::importRoster(app, "Tigers", players).ok());
    TeamFile team = *RecordFiles::ReadTeamFile(app, "Tigers");
    team.header.Coach = "Coach Hale";
    team.header.Asst = "Pat";
    team.header.Season = "Spring 2026";
    team.header.TeamBorderColor = Green;
    std::rotate(team.roster.begin() + 3, team.roster.begin() + 12, team.roster.begin() + 13);
    QVERIFY(TeamFolder::storeTeamProfile(app, team).ok());
    for (int i = 0; i < 12; ++i) {
        const QString player = players[i].PlayerName;
        GameRecord game;
        game.GameNumber = 1;
        game.BHits = qint16(i);
        QVERIFY(TeamFolder::storeGames(app, "Tigers", player, {GameRecord{}, game}).ok());
        if (i % 3 == 0)
            QVERIFY(TeamFolder::storeCardPhoto(app, "Tigers", player,
                                               {QByteArray("BM photo ") + player.toUtf8(),
                                                QByteArray("PNG ") + player.toUtf8(), std::nullopt,
                                                std::nullopt})
                        .ok());
    }
    QVERIFY(TeamFolder::storeCardPhoto(
                app, "Tigers", "Player 2",
                {std::nullopt, std::nullopt, QString("/pictures/p2.jpg"), std::nullopt})
                .ok());
}

} // namespace

// The new team has the old roster in its order, every profile and photo, and empty stats; the old
// team's folder is the same byte for byte.
void TestTeamFolder::newSeasonCarriesTheRoster()
{
    makeTigers(m_app);
    const QMap<QString, QByteArray> old = folderContents(m_app + "Tigers");
    Outcome<TeamFile> made = TeamFolder::newSeason(m_app, "Tigers", "Tigers 2027", "Spring 2027");
    QVERIFY2(made.ok(), qPrintable(made.error()));
    QCOMPARE(folderContents(m_app + "Tigers"), old);

    const TeamFile before = *RecordFiles::ReadTeamFile(m_app, "Tigers");
    const TeamFile after = *RecordFiles::ReadTeamFile(m_app, "Tigers 2027");
    QCOMPARE(after, *made);
    QCOMPARE(after.roster, before.roster);
    QCOMPARE(after.header.TeamName, QString("Tigers 2027"));
    QCOMPARE(after.header.Season, QString("Spring 2027"));
    QCOMPARE(after.header.Coach, before.header.Coach);
    QCOMPARE(after.header.Asst, before.header.Asst);
    QCOMPARE(after.header.TeamBorderColor, Green);

    const QByteArray emptyStats =
        RecordFiles::GameRecordsBytes(m_app, "Tigers 2027", "Player 1", GameRecords{GameRecord{}})
            ->bytes;
    QMap<QString, QByteArray> expected;
    expected.insert("Tigers 2027.tea", readBytes(m_app + "Tigers 2027/Tigers 2027.tea"));
    for (const RosterEntry &entry : before.roster) {
        const QString &player = entry.RosterPlayer;
        if (player.isEmpty())
            continue;
        PlayerProfile profile = *RecordFiles::ReadPlayerFile(m_app, "Tigers", player);
        profile.TeamName = "Tigers 2027";
        if (old.contains(player + ".bmp")) {
            QCOMPARE(profile.PlayerPicturePath, m_app + "Tigers/" + player + ".bmp");
            profile.PlayerPicturePath = m_app + "Tigers 2027/" + player + ".bmp";
            expected.insert(player + ".bmp", old.value(player + ".bmp"));
            expected.insert(player + ".card.png", old.value(player + ".card.png"));
        }
        QCOMPARE(*RecordFiles::ReadPlayerFile(m_app, "Tigers 2027", player), profile);
        expected.insert(player + ".ply", readBytes(m_app + "Tigers 2027/" + player + ".ply"));
        expected.insert(player + ".sta", emptyStats);
    }
    QCOMPARE(expected.size(), 1 + 12 * 2 + 4 * 2);
    QCOMPARE(folderContents(m_app + "Tigers 2027"), expected);
    QCOMPARE(RecordFiles::ReadPlayerFile(m_app, "Tigers 2027", "Player 2")->PlayerPicturePath,
             QString("/pictures/p2.jpg"));
}

void TestTeamFolder::newSeasonRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fault"); // "", "unreadable <player>", "limit <bytes>"
    QTest::addColumn<QString>("message");
    QTest::newRow("existing team") << "Team1"
                                   << ""
                                   << "A team named Team1 exists already; choose another name.";
    QTest::newRow("name the files cannot hold")
        << "Tigers/2027"
        << ""
        << "A name cannot contain any of these characters: / \\ : * ? \" < > |";
    QTest::newRow("player file unreadable")
        << "Tigers 2027"
        << "unreadable Player 5"
        << "Cannot read \"{app}Tigers/Player 5.ply\": the file does not exist.";
    QTest::newRow("disk full") << "Tigers 2027"
                               << "limit 300"
                               << "Cannot save \"{app}Tigers 2027/";
}

// A refused new season writes nothing: no folder, no file, the old team unchanged.
void TestTeamFolder::newSeasonRefusals()
{
    QFETCH(QString, name);
    QFETCH(QString, fault);
    QFETCH(QString, message);
    makeTigers(m_app);
    if (fault.startsWith("unreadable "))
        QVERIFY(QFile::remove(m_app + "Tigers/" + fault.mid(11) + ".ply"));
    const QMap<QString, QByteArray> before = folderContents(m_dir->path());
    QString told;
    {
        std::optional<FileSizeLimit> limit;
        if (fault.startsWith("limit "))
            limit.emplace(fault.mid(6).toLongLong());
        told = TeamFolder::newSeason(m_app, "Tigers", name, "2027").error();
    }
    QVERIFY2(told.startsWith(QString(message).replace("{app}", m_app)), qPrintable(told));
    QCOMPARE(folderContents(m_dir->path()), before);
}

void TestTeamFolder::nextSeasonProposals_data()
{
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("season");
    QTest::addColumn<QString>("newTeam");
    QTest::addColumn<QString>("newSeason");
    QTest::newRow("no year anywhere") << "Tigers"
                                      << "Fall"
                                      << "Tigers 2027"
                                      << "Fall 2027";
    QTest::newRow("year in the season") << "Tigers"
                                        << "Spring 2025"
                                        << "Tigers 2026"
                                        << "Spring 2026";
    QTest::newRow("year in the name") << "Tigers 2030"
                                      << "Spring 2025"
                                      << "Tigers 2031"
                                      << "Spring 2031";
    QTest::newRow("no season") << "Cubs"
                               << ""
                               << "Cubs 2027"
                               << "2027";
    QTest::newRow("a number that is no year") << "Team 12"
                                              << ""
                                              << "Team 12 2027"
                                              << "2027";
    QTest::newRow("a year run into a word") << "Tigers2026"
                                            << "2026"
                                            << "Tigers2026 2027"
                                            << "2027";
}

void TestTeamFolder::nextSeasonProposals()
{
    QFETCH(QString, team);
    QFETCH(QString, season);
    const SeasonNames proposed = proposeNextSeason(team, season, QDate(2026, 12, 10));
    QTEST(proposed.team, "newTeam");
    QTEST(proposed.season, "newSeason");
}

QTEST_GUILESS_MAIN(TestTeamFolder)
#include "tst_teamfolder.moc"
