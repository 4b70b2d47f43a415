// The record files on disk: exact bytes, read-back, errors that name file and line, atomic saves.

#include "core/AtomicSave.h"
#include "core/NameCheck.h"
#include "core/RecordFiles.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

using namespace RecordFiles;

namespace {

// Fails every write once `limit` bytes have gone through.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) { open(QIODevice::WriteOnly); }
    QByteArray received;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 room = m_limit - received.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 taken = qMin(room, size);
        received.append(data, int(taken));
        return taken;
    }

private:
    qint64 m_limit;
};

} // namespace

class TestRecordFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newFilesAreWrittenExactly();
    void everyFieldTypeReadsBackIdentical();
    void textIsWindows1252AndEveryByteSurvives();
    void unreadableFilesNameFileAndLine_data();
    void unreadableFilesNameFileAndLine();
    void statsFilesHoldUpTo201Records();
    void refusedTextLeavesTheFileAsItWas();
    void nothingLargerIsWritten();
    void failedWritesAreReported();
    void failedSaveLeavesTheOldFileIntact();
    void namesThatAreNoFileNamesAreRefused_data();
    void namesThatAreNoFileNamesAreRefused();
    void badNamesNeverReachTheFileSystem();
    void deletionsRemovePlayerFilesOnly();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app; // the application folder, with its trailing "/"
};

void TestRecordFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_app = m_dir->path() + QLatin1Char('/');
    QVERIFY(QDir().mkpath(m_app + "Team1"));
}

void TestRecordFiles::newFilesAreWrittenExactly()
{
    QVERIFY(CreateStatsFile(m_app, "Team1", "Player1").ok());
    QCOMPARE(readBytes(m_app + "Team1/Player1.sta"), NewStatsFile);

    TeamFile team;
    team.header.TeamName = "Team1";
    QVERIFY(WriteTeamFile(m_app, "Team1", team).ok());
    const QByteArray teamBytes = readBytes(m_app + "Team1/Team1.tea");
    QCOMPARE(teamBytes.count("\r\n"), 28);
    QCOMPARE(teamBytes, newTeamFile("Team1"));

    QVERIFY(WriteSettings(m_app, Settings{"Team1", "Player1", 0, 255}).ok());
    QCOMPARE(readBytes(m_app + "settings.dft"), QByteArray("\"Team1\",\"Player1\",0,255\r\n"));
}

void TestRecordFiles::everyFieldTypeReadsBackIdentical()
{
    const Settings settings{"Team1", "Player1", -16, 16711680};
    QVERIFY(WriteSettings(m_app, settings).ok());
    QVERIFY(*ReadSettings(m_app) == settings);

    TeamFile team;
    team.header = {"Team1", "Coach O'Neil", "Asst-Smith", "Spring, 2026", "kept", 32768 * 255};
    team.roster[0] = {"Player1", 1};
    team.roster[1] = {"Player2", -1};
    team.roster[26] = {"", 9};
    QVERIFY(WriteTeamFile(m_app, "Team1", team).ok());
    Outcome<TeamFile> teamRead = ReadTeamFile(m_app, "Team1");
    QVERIFY2(teamRead.ok(), qPrintable(teamRead.error()));
    QVERIFY(*teamRead == team);
    QVERIFY(*ReadTeamHeader(m_app, "Team1") == team.header);

    const PlayerProfile profile{
        "Player1", "Team1", -1, 10, -1, 2, 32767, "Springfield", "IL", 0, "/photos/Player1.bmp"};
    QVERIFY(WritePlayerFile(m_app, "Team1", "Player1", profile).ok());
    QCOMPARE(readBytes(m_app + "Team1/Player1.ply"),
             QByteArray("\"Player1\",\"Team1\",-1,10,-1,2,32767,\"Springfield\",\"IL\",0,\"/photos/"
                        "Player1.bmp\"\r\n"));
    QVERIFY(*ReadPlayerFile(m_app, "Team1", "Player1") == profile);

    GameRecords games(3);
    games[1].GameNumber = 1;
    games[1].PInnings = 0.2f;
    games[1].Opponent = "Smith, Jones & Co";
    games[1].Decision = "Loss";
    games[2].GameNumber = 2;
    games[2].BHits = -32768;
    games[2].PInnings = 7.0f;
    games[2].Highlights = "2 HR, 1 SB";
    QVERIFY(WriteGameRecords(m_app, "Team1", "Player1", games).ok());
    const QByteArray statsBytes = readBytes(m_app + "Team1/Player1.sta");
    QVERIFY(statsBytes.contains(",.2,"));
    QVERIFY(statsBytes.contains(",7,"));
    Outcome<GameRecords> gamesRead = ReadGameRecords(m_app, "Team1", "Player1");
    QVERIFY2(gamesRead.ok(), qPrintable(gamesRead.error()));
    QVERIFY(*gamesRead == games);
}

void TestRecordFiles::textIsWindows1252AndEveryByteSurvives()
{
    PlayerProfile jose;
    jose.PlayerName = QString::fromUtf8("José");
    QVERIFY(WritePlayerFile(m_app, "Team1", jose.PlayerName, jose).ok());
    QVERIFY(readBytes(m_app + QString::fromUtf8("Team1/José.ply")).startsWith("\"Jos\xE9\","));

    // A file another writer left, holding every byte a text can hold, reads and rewrites unchanged.
    QByteArray everyByte;
    for (int b = 1; b <= 255; ++b)
        if (b != '"' && b != '\r' && b != '\n')
            everyByte.append(char(b));
    QByteArray file = "\"Player1\",\"Team1\",0,0,0,0,0,\"" + everyByte + "\",\"\",0,\"\"\r\n";
    writeBytes(m_app + "Team1/Player1.ply", file);
    Outcome<PlayerProfile> read = ReadPlayerFile(m_app, "Team1", "Player1");
    QVERIFY2(read.ok(), qPrintable(read.error()));
    QCOMPARE(read->HomeTown.size(), everyByte.size());
    QCOMPARE(read->HomeTown.at(0xE9 - 4), QChar(0xE9));   // é, after the three bytes left out
    QCOMPARE(read->HomeTown.at(0x80 - 4), QChar(0x20AC)); // €
    QVERIFY(WritePlayerFile(m_app, "Team1", "Player1", *read).ok());
    QCOMPARE(readBytes(m_app + "Team1/Player1.ply"), file);
}

void TestRecordFiles::unreadableFilesNameFileAndLine_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // with %1 for the file's path

    QByteArray shortTeam = newTeamFile("Team1");
    shortTeam.chop(6); // the last roster line
    QTest::newRow("team file of 27 lines")
        << "Team1/Team1.tea" << shortTeam
        << "Cannot read \"%1\", line 28: the file ends before this line.";
    QTest::newRow("empty team file")
        << "Team1/Team1.tea" << QByteArray()
        << "Cannot read \"%1\", line 1: the file ends before this line.";
    QByteArray badRoster = newTeamFile("Team1");
    badRoster.replace(badRoster.indexOf("\r\n") + 2, 6, "\"\",P\r\n");
    QTest::newRow("bad roster position") << "Team1/Team1.tea" << badRoster
                                         << "Cannot read \"%1\", line 2: RosterPosition is \"P\", "
                                            "which is not a whole number from -32768 to 32767.";
    QTest::newRow("player file of 10 fields")
        << "Team1/Player1.ply" << QByteArray("\"Player1\",\"Team1\",0,0,0,0,0,\"\",\"\",0\r\n")
        << "Cannot read \"%1\", line 1: it has 10 fields where a player record has 11.";
    QTest::newRow("bad stats line")
        << "Team1/Player1.sta"
        << NewStatsFile + NewStatsFile + NewStatsFile.left(20) + "abc" + NewStatsFile.mid(21)
        << "Cannot read \"%1\", line 3: BRBIs is \"abc\", which is not a whole number from -32768 "
           "to 32767.";
    QTest::newRow("innings not a number")
        << "Team1/Player1.sta" << QByteArray(NewStatsFile).replace(28, 1, "5,1")
        << "Cannot read \"%1\", line 1: it has 25 fields where a game record has 24.";
    QTest::newRow("settings of 3 fields")
        << "settings.dft" << QByteArray("\"Team1\",\"Player1\",0\r\n")
        << "Cannot read \"%1\", line 1: it has 3 fields where the settings record has 4.";
    QTest::newRow("settings missing")
        << "settings.dft" << QByteArray("-") << "Cannot read \"%1\": the file does not exist.";
}

void TestRecordFiles::unreadableFilesNameFileAndLine()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = m_app + file;
    if (bytes != "-")
        writeBytes(path, bytes);
    QString error;
    if (file.endsWith(".tea"))
        error = ReadTeamFile(m_app, "Team1").error();
    else if (file.endsWith(".ply"))
        error = ReadPlayerFile(m_app, "Team1", "Player1").error();
    else if (file.endsWith(".sta"))
        error = ReadGameRecords(m_app, "Team1", "Player1").error();
    else
        error = ReadSettings(m_app).error();
    QCOMPARE(error, message.arg(path));
}

void TestRecordFiles::statsFilesHoldUpTo201Records()
{
    const QString path = m_app + "Team1/Player1.sta";
    writeBytes(path, QByteArray());
    QVERIFY(ReadGameRecords(m_app, "Team1", "Player1")->isEmpty());

    writeBytes(path, NewStatsFile.repeated(MaxStatsRecords) + "\r\n\r\n");
    QCOMPARE(ReadGameRecords(m_app, "Team1", "Player1")->size(), MaxStatsRecords);

    writeBytes(path, NewStatsFile.repeated(MaxStatsRecords + 1));
    QCOMPARE(ReadGameRecords(m_app, "Team1", "Player1").error(),
             QString("Cannot read \"%1\", line 202: a stats file holds at most 201 records (games "
                     "1 to 200).")
                 .arg(path));

    writeBytes(path, NewStatsFile);
    Outcome<void> tooMany =
        WriteGameRecords(m_app, "Team1", "Player1", GameRecords(MaxStatsRecords + 1));
    QVERIFY(!tooMany.ok());
    QCOMPARE(readBytes(path), NewStatsFile);
}

void TestRecordFiles::refusedTextLeavesTheFileAsItWas()
{
    const QString path = m_app + "Team1/Player1.sta";
    writeBytes(path, NewStatsFile);
    GameRecords games(2);
    games[1].Highlights = "said \"wow\"";
    Outcome<void> saved = WriteGameRecords(m_app, "Team1", "Player1", games);
    QCOMPARE(saved.error(), QString("Cannot save \"%1\": game 1: Highlights holds a double quote "
                                    "(\"), which a record file cannot store.")
                                .arg(path));
    QCOMPARE(readBytes(path), NewStatsFile);
}

void TestRecordFiles::nothingLargerIsWritten()
{
    // Never a file the readers would refuse.
    const QString path = m_app + "Team1/Player1.sta";
    writeBytes(path, NewStatsFile);
    GameRecords games(2);
    games[1].Highlights = QString(17 * 1024 * 1024, 'h');
    QVERIFY2(WriteGameRecords(m_app, "Team1", "Player1", games)
                 .error()
                 .endsWith("it would be larger than 16 MB, more than a record file may hold."),
             "a file the readers refuse was written");
    QCOMPARE(readBytes(path), NewStatsFile);
}

void TestRecordFiles::failedWritesAreReported()
{
    FailingDevice device(10);
    Outcome<void> written = writeFully(device, NewStatsFile);
    QVERIFY(!written.ok());
    QCOMPARE(written.error(), QString("No space left on device"));
    QCOMPARE(device.received, NewStatsFile.left(10));
}

void TestRecordFiles::failedSaveLeavesTheOldFileIntact()
{
    const QString path = m_app + "Team1/Player1.sta";
    writeBytes(path, NewStatsFile);
    const GameRecords season(MaxStatsRecords);
    {
        FileSizeLimit nearlyFull(1000);
        Outcome<void> saved = WriteGameRecords(m_app, "Team1", "Player1", season);
        QVERIFY(!saved.ok());
        QVERIFY2(saved.error().startsWith(QString("Cannot save \"%1\": ").arg(path)),
                 qPrintable(saved.error()));
    }
    QCOMPARE(readBytes(path), NewStatsFile);
    QCOMPARE(QDir(m_app + "Team1").entryList(QDir::Files), QStringList{"Player1.sta"});

    ReadOnlyFolder readOnly(m_app + "Team1");
    if (!readOnly.refusesNewFiles())
        QSKIP("this file system lets every file be written");
    Outcome<void> saved = WriteGameRecords(m_app, "Team1", "Player1", season);
    QVERIFY(!saved.ok());
    QVERIFY2(saved.error().startsWith(QString("Cannot save \"%1\": ").arg(path)),
             qPrintable(saved.error()));
    QCOMPARE(readBytes(path), NewStatsFile);
}

void TestRecordFiles::namesThatAreNoFileNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    QTest::newRow("plain") << "Team1" << true;
    QTest::newRow("apostrophe and accents") << QString::fromUtf8("O'Brien Müller") << true;
    QTest::newRow("dot inside") << "St. Louis" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("slash") << "A/B" << false;
    QTest::newRow("backslash") << "A\\B" << false;
    QTest::newRow("colon") << "A:B" << false;
    QTest::newRow("star") << "A*" << false;
    QTest::newRow("question") << "A?" << false;
    QTest::newRow("quote") << "A\"B" << false;
    QTest::newRow("angle") << "<A>" << false;
    QTest::newRow("bar") << "A|B" << false;
    QTest::newRow("tab") << "A\tB" << false;
    QTest::newRow("leading space") << " A" << false;
    QTest::newRow("trailing dot") << "A." << false;
    QTest::newRow("device") << "con" << false;
    QTest::newRow("device with extension") << "LPT1.txt" << false;
    QTest::newRow("device-like but longer") << "CONSOLE" << true;
    QTest::newRow("device before dots") << "aux.tar.gz" << false;
    QTest::newRow("no such port") << "COM0" << true;
    QTest::newRow("port number too long") << "lpt10" << true;
    QTest::newRow("outside Windows-1252") << QString::fromUtf8("東京") << false;
    QTest::newRow("251 bytes") << QString(251, 'a') << true;
    QTest::newRow("252 bytes") << QString(252, 'a') << false;
}

void TestRecordFiles::namesThatAreNoFileNamesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    QCOMPARE(!nameProblem(name).has_value(), usable);
}

void TestRecordFiles::badNamesNeverReachTheFileSystem()
{
    QVERIFY(!WritePlayerFile(m_app, "Team1", "../../escape", PlayerProfile{}).ok());
    QVERIFY(!CreateStatsFile(m_app, "..", "Player1").ok());
    QVERIFY(!QFile::exists(m_dir->path() + "/../escape.ply"));
    QVERIFY(!QFile::exists(m_app + "Player1.sta"));
    QVERIFY(!isInsideFolder(m_app, m_app + "Team1/../../x"));
    QVERIFY(isInsideFolder(m_app, m_app + "Team1/x.tea"));
}

void TestRecordFiles::deletionsRemovePlayerFilesOnly()
{
    for (const char *name :
         {"Team1.tea", "Player1.ply", "Player1.sta", "Player1.bmp", "Player2.ply", "Player2.sta"})
        writeBytes(m_app + "Team1/" + name, "x");
    QVERIFY(DeletePlayerFiles(m_app, "Team1", "Player2").ok());
    QVERIFY(DeletePlayerFiles(m_app, "Team1", "Player2").ok()); // already gone is no error
    QCOMPARE(QDir(m_app + "Team1").entryList(QDir::Files),
             QStringList({"Player1.bmp", "Player1.ply", "Player1.sta", "Team1.tea"}));
    QVERIFY(DeleteTeamPlayers(m_app, "Team1").ok());
    QCOMPARE(QDir(m_app + "Team1").entryList(QDir::Files),
             QStringList({"Player1.bmp", "Team1.tea"}));
}

QTEST_GUILESS_MAIN(TestRecordFiles)
#include "tst_recordfiles.moc"
