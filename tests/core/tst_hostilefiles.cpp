// Record files that arrive damaged or crafted: pipes, folders, huge files and lines, links out of
// the data folder, and what an interrupted save leaves behind. Nothing may hang, fill the memory,
// or read or write outside the data folder. The whole test runs with its memory limited to
// 100 MB above what it holds at start.

#include "core/AtomicSave.h"
#include "core/NameCheck.h"
#include "core/RecordFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace RecordFiles;

namespace {

// The address space the process holds now, from /proc.
rlim_t addressSpaceNow()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmSize:") {
            rlim_t kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

// The games a team's reader of stats files reads for `player`, their decisions (the one text it
// keeps), or the error.
Outcome<QStringList> decisionsRead(const QString &app, const QString &team, const QString &player)
{
    QStringList decisions;
    Outcome<void> read = TeamFolderReader(app, team).eachGameFigures(
        player, [&](const GameRecord &record, int) { decisions.append(record.Decision); });
    if (!read)
        return read.failure();
    return decisions;
}

void makeFifo(const QString &path)
{
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pipesAndFoldersAreRefusedAtOnce();
    void hugeFilesAndLinesAreRefused();
    void linksOutOfTheFolderAreRefused();
    void linksInsideTheFolderAreFollowed();
    void leftoversOfInterruptedSavesAreRemoved();
    void storedNamesThatAreUnsafe_data();
    void storedNamesThatAreUnsafe();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_outside;
    QString m_app;
};

void TestHostileFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_outside = std::make_unique<QTemporaryDir>();
    m_app = m_dir->path() + QLatin1Char('/');
    writeBytes(m_app + "Team1/Team1.tea", newTeamFile("Team1"));
    writeBytes(m_app + "Team1/Player1.sta", NewStatsFile);
}

void TestHostileFiles::pipesAndFoldersAreRefusedAtOnce()
{
    makeFifo(m_app + "Team1/Player2.sta");
    makeFifo(m_app + "settings.dft");
    QDir().mkpath(m_app + "Team1/Player2.ply");
    QElapsedTimer timer;
    timer.start();
    const QString stats = ReadGameRecords(m_app, "Team1", "Player2").error();
    const QString settings = ReadSettings(m_app).error();
    const QString player = ReadPlayerFile(m_app, "Team1", "Player2").error();
    const QString figures = decisionsRead(m_app, "Team1", "Player2").error();
    QVERIFY(timer.elapsed() < 1000);
    for (const auto &[message, path] : {std::pair{stats, m_app + "Team1/Player2.sta"},
                                        std::pair{figures, m_app + "Team1/Player2.sta"},
                                        std::pair{settings, m_app + "settings.dft"},
                                        std::pair{player, m_app + "Team1/Player2.ply"}})
        QCOMPARE(message, QString("Cannot read \"%1\": it is not a file but a folder, a device or "
                                  "a pipe.")
                              .arg(path));
}

// A 50 MB file is refused before it is read; a 5 MB line of commas is read but its fields are
// only counted past the 24 a game has. Either would have needed far more than the 100 MB this
// test may use.
void TestHostileFiles::hugeFilesAndLinesAreRefused()
{
    const QString path = m_app + "Team1/Player1.sta";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(50 * 1024 * 1024));
    }
    QCOMPARE(ReadGameRecords(m_app, "Team1", "Player1").error(),
             QString("Cannot read \"%1\": it is larger than 16 MB, more than any file of this kind "
                     "can hold.")
                 .arg(path));

    writeBytes(path, QByteArray(5 * 1024 * 1024, ','));
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ReadGameRecords(m_app, "Team1", "Player1").error(),
             QString("Cannot read \"%1\", line 1: it has 5242881 fields where a game record has "
                     "24.")
                 .arg(path));
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));

    // Within the limit, a long text stays whole.
    GameRecords games(2);
    games[1].Highlights = QString(100000, 'h');
    QVERIFY(WriteGameRecords(m_app, "Team1", "Player1", games).ok());
    QCOMPARE(ReadGameRecords(m_app, "Team1", "Player1")->at(1).Highlights.size(), 100000);
}

void TestHostileFiles::linksOutOfTheFolderAreRefused()
{
    const QString outsideFile = m_outside->filePath("victim.sta");
    writeBytes(outsideFile, "precious\r\n");
    QVERIFY(QFile::link(outsideFile, m_app + "Team1/Player2.sta"));
    // A team folder that is a link to a folder elsewhere.
    writeBytes(m_outside->filePath("Away/Away.tea"), newTeamFile("Away"));
    QVERIFY(QFile::link(m_outside->filePath("Away"), m_app + "Away"));
    // A link to nothing: writing through it would create the file outside.
    QVERIFY(QFile::link(m_outside->filePath("new.ply"), m_app + "Team1/Player3.ply"));

    const QString refused = QStringLiteral("it lies outside the program's folder.");
    QVERIFY(ReadGameRecords(m_app, "Team1", "Player2").error().endsWith(refused));
    QVERIFY(decisionsRead(m_app, "Team1", "Player2").error().endsWith(refused));
    writeBytes(m_outside->filePath("Away/Away.sta"), NewStatsFile);
    QVERIFY(decisionsRead(m_app, "Away", "Away").error().endsWith(refused));
    QVERIFY(WriteGameRecords(m_app, "Team1", "Player2", GameRecords(1)).error().endsWith(refused));
    QVERIFY(ReadTeamFile(m_app, "Away").error().endsWith(refused));
    QVERIFY(ReadTeamHeader(m_app, "Away").error().endsWith(refused));
    writeBytes(m_outside->filePath("victim.ply"), "precious\r\n");
    QVERIFY(QFile::link(m_outside->filePath("victim.ply"), m_app + "Team1/Player4.ply"));
    QVERIFY(ReadPlayerFile(m_app, "Team1", "Player4").error().endsWith(refused));
    QVERIFY(WriteTeamFile(m_app, "Away", TeamFile{}).error().endsWith(refused));
    QVERIFY(WritePlayerFile(m_app, "Team1", "Player3", PlayerProfile{}).error().endsWith(refused));
    QVERIFY(!isInsideFolder(m_app, m_app + "Away/Away.tea"));

    QCOMPARE(readBytes(outsideFile), QByteArray("precious\r\n"));
    QCOMPARE(readBytes(m_outside->filePath("Away/Away.tea")), newTeamFile("Away"));
    QVERIFY(!QFile::exists(m_outside->filePath("new.ply")));
    QVERIFY(QFileInfo(m_app + "Team1/Player2.sta").isSymLink());

    // Deleting the player removes the link, never what it names.
    QVERIFY(DeletePlayerFiles(m_app, "Team1", "Player2").ok());
    QVERIFY(!QFileInfo(m_app + "Team1/Player2.sta").isSymLink());
    QCOMPARE(readBytes(outsideFile), QByteArray("precious\r\n"));
}

// A link to another file of the folder is no escape: reads and saves go to the file it names,
// and the link stays a link.
void TestHostileFiles::linksInsideTheFolderAreFollowed()
{
    QVERIFY(QFile::link(m_app + "Team1/Player1.sta", m_app + "Team1/Alias.sta"));
    GameRecords games(2);
    games[1].Opponent = "Bears";
    QVERIFY(WriteGameRecords(m_app, "Team1", "Alias", games).ok());
    QVERIFY(QFileInfo(m_app + "Team1/Alias.sta").isSymLink());
    QCOMPARE(ReadGameRecords(m_app, "Team1", "Player1")->at(1).Opponent, QString("Bears"));
    // The reader of a team's stats files follows them too: a file that is a link, and a team
    // folder that is one.
    games[1].Decision = "Win";
    QVERIFY(WriteGameRecords(m_app, "Team1", "Player1", games).ok());
    QVERIFY(QFile::link(m_app + "Team1", m_app + "Alias Team"));
    for (const auto &[team, player] :
         {std::pair{"Team1", "Alias"}, std::pair{"Alias Team", "Player1"}})
        QCOMPARE(*decisionsRead(m_app, team, player), QStringList({"", "Win"}));
}

void TestHostileFiles::leftoversOfInterruptedSavesAreRemoved()
{
    const QString folder = m_app + "Team1/";
    for (const char *name : {"Player1.sta.saving-a1B2c3", "Player1.sta.saving-ZZZZZZ",
                             "Player2.ply.saving-x0x0x0", "Player2.sta.saving-k9k9k9",
                             "Team1.tea.saving-t1t1t1", "Player1.sta.backup", "Player1.bmp"})
        writeBytes(folder + name, "half a save");
    QVERIFY(WriteGameRecords(m_app, "Team1", "Player1", GameRecords(1)).ok());
    const auto files = [&folder] { return QDir(folder).entryList(QDir::Files, QDir::Name); };
    QCOMPARE(files(), QStringList({"Player1.bmp", "Player1.sta", "Player1.sta.backup",
                                   "Player2.ply.saving-x0x0x0", "Player2.sta.saving-k9k9k9",
                                   "Team1.tea", "Team1.tea.saving-t1t1t1"}));
    QVERIFY(DeletePlayerFiles(m_app, "Team1", "Player2").ok());
    QVERIFY(!files().contains("Player2.ply.saving-x0x0x0"));
    writeBytes(folder + "Player2.ply.saving-x0x0x0", "half a save");
    QVERIFY(DeleteTeamPlayers(m_app, "Team1").ok());
    QCOMPARE(files(), QStringList({"Player1.bmp", "Player1.sta.backup", "Team1.tea",
                                   "Team1.tea.saving-t1t1t1"}));
    QVERIFY(WriteTeamFile(m_app, "Team1", TeamFile{}).ok());
    QVERIFY(!files().contains("Team1.tea.saving-t1t1t1"));
}

void TestHostileFiles::storedNamesThatAreUnsafe_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    QTest::newRow("older name with a trailing space") << "Bob " << true;
    QTest::newRow("climbs out") << "../Other" << false;
    QTest::newRow("C1 control from an undefined Windows-1252 byte") << QString("A\u0081B") << false;
    QTest::newRow("DEL") << QString("A\u007FB") << false;
    QTest::newRow("tab") << "A\tB" << false;
    QTest::newRow("console device") << "CONOUT$" << false;
    QTest::newRow("port with a superscript") << QString("COM\u00B9") << false;
}

// The checks every stored name passes before it becomes part of a path, a team's name read from
// its file's header included.
void TestHostileFiles::storedNamesThatAreUnsafe()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    QCOMPARE(!pathPartProblem(name).has_value(), usable);
    if (!usable)
        QVERIFY(nameProblem(name).has_value());
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const rlimit limit{addressSpaceNow() + 100 * 1024 * 1024, RLIM_INFINITY};
    if (setrlimit(RLIMIT_AS, &limit) != 0)
        qWarning("the memory limit could not be set");
    TestHostileFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostilefiles.moc"
