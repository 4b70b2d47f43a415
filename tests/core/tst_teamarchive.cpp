// Team backups: a backup restored gives the team folder back byte for byte; an archive that is not
// a team's backup is refused before anything is written, with the reason.

#include "core/TeamArchive.h"
#include "core/TeamFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace {

struct Entry
{
    QByteArray path;
    mode_t type = AE_IFREG;
    QByteArray data;
    QByteArray link; // a symbolic link's target, or with `hard` the file it links to
    bool hard = false;
    qint64 zeros = 0; // that many zero bytes as the data
};
using Entries = QVector<Entry>;

Entry file(const QByteArray &path, const QByteArray &data)
{
    Entry entry;
    entry.path = path;
    entry.data = data;
    return entry;
}

Entry special(const QByteArray &path, mode_t type, const QByteArray &link = {}, bool hard = false)
{
    Entry entry;
    entry.path = path;
    entry.type = type;
    entry.link = link;
    entry.hard = hard;
    return entry;
}

Entry zeros(const QByteArray &path, qint64 bytes)
{
    Entry entry;
    entry.path = path;
    entry.zeros = bytes;
    return entry;
}

// Writes the entries into a tar.gz as given, however unlike a team's backup they are.
void writeArchive(const QString &path, const Entries &entries)
{
    archive *out = archive_write_new();
    archive_write_add_filter_gzip(out);
    archive_write_set_format_pax_restricted(out);
    QVERIFY(archive_write_open_filename(out, QFile::encodeName(path).constData()) == ARCHIVE_OK);
    const QByteArray zeros(1024 * 1024, '\0');
    for (const Entry &e : entries) {
        archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.path.constData());
        archive_entry_set_filetype(entry, e.type);
        archive_entry_set_perm(entry, 0644);
        if (e.hard)
            archive_entry_set_hardlink(entry, e.link.constData());
        else if (!e.link.isEmpty())
            archive_entry_set_symlink(entry, e.link.constData());
        archive_entry_set_size(entry, e.zeros ? e.zeros : e.data.size());
        QCOMPARE(archive_write_header(out, entry), ARCHIVE_OK);
        if (!e.data.isEmpty())
            archive_write_data(out, e.data.constData(), size_t(e.data.size()));
        for (qint64 written = 0; written < e.zeros; written += zeros.size())
            archive_write_data(out, zeros.constData(), size_t(zeros.size()));
        archive_entry_free(entry);
    }
    archive_write_close(out);
    archive_write_free(out);
}

} // namespace

class TestTeamArchive : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void backupRestoredIsTheSameFolder();
    void restoreReplacesATeamsFiles();
    void refusedArchives_data();
    void refusedArchives();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app;
    QString m_archive;
};

// The summary fixture's Team1 (two players, a photo, three games) with a print photo and a file
// of the user's own in its folder.
void TestTeamArchive::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_app = m_dir->path() + "/data/";
    copyFixture("summary", m_app);
    writeBytes(m_app + "Team1/Player1.card.png", "\x89PNG print photo");
    writeBytes(m_app + "Team1/notes.txt", "the user's own");
    m_archive = m_dir->path() + "/" + TeamArchive::backupFileName("Team1", QDate(2026, 12, 10));
}

void TestTeamArchive::backupRestoredIsTheSameFolder()
{
    QCOMPARE(QFileInfo(m_archive).fileName(), QString("Team1 2026-12-10.tar.gz"));
    QVERIFY(TeamArchive::writeBackup(m_app, "Team1", m_archive).ok());
    QMap<QString, QByteArray> team = folderContents(m_app + "Team1");
    team.remove("notes.txt");

    Outcome<TeamArchive::Backup> backup = TeamArchive::readBackup(m_archive);
    QVERIFY2(backup.ok(), qPrintable(backup.error()));
    QCOMPARE(backup->teamFile.header.TeamName, QString("Team1"));
    QCOMPARE(backup->players, 2);
    QCOMPARE(backup->games, 3);
    QCOMPARE(backup->files, team);

    const QString empty = m_dir->path() + "/empty/";
    QVERIFY(QDir().mkpath(empty));
    QVERIFY(TeamFolder::restoreTeam(empty, *backup).ok());
    QCOMPARE(folderContents(empty + "Team1"), team);
    QCOMPARE(QDir(empty).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Team1"});
}

// The team's files become the backup's; a player file it does not hold goes; other files stay.
void TestTeamArchive::restoreReplacesATeamsFiles()
{
    QVERIFY(TeamArchive::writeBackup(m_app, "Team1", m_archive).ok());
    const QMap<QString, QByteArray> before = folderContents(m_app + "Team1");
    writeBytes(m_app + "Team1/Player1.sta", "changed since");
    writeBytes(m_app + "Team1/Player9.ply", "\"Player9\",\"Team1\",1,0,1,1,9,\"\",\"\",9,\"\"\r\n");
    QVERIFY(QFile::remove(m_app + "Team1/Player2.sta"));
    QVERIFY(TeamFolder::restoreTeam(m_app, *TeamArchive::readBackup(m_archive)).ok());
    QCOMPARE(folderContents(m_app + "Team1"), before);
}

void TestTeamArchive::refusedArchives_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("reason");
    const QByteArray team =
        readBytes(QStringLiteral(SCOREBINDER_FIXTURES "/summary/Team1/Team1.tea"));
    const Entry teamFile = file("Team1/Team1.tea", team);
    QTest::newRow("a path up and out")
        << Entries{teamFile, file("Team1/../Player1.ply", "x")}
        << "\"Team1/../Player1.ply\" lies outside one team's folder.";
    QTest::newRow("an absolute path") << Entries{file("/etc/Team1.tea", team)}
                                      << "\"/etc/Team1.tea\" lies outside one team's folder.";
    QTest::newRow("a folder inside")
        << Entries{teamFile, file("Team1/more/Player1.ply", "x")}
        << "\"Team1/more/Player1.ply\" lies outside one team's folder.";
    QTest::newRow("two folders") << Entries{teamFile, file("Team2/Team2.tea", team)}
                                 << "it holds more than one folder (\"Team1\", \"Team2\").";
    QTest::newRow("a symbolic link")
        << Entries{teamFile, special("Team1/Player1.ply", AE_IFLNK, "/etc/passwd")}
        << "\"Team1/Player1.ply\" is a link.";
    QTest::newRow("a hard link") << Entries{teamFile, special("Team1/Player1.ply", AE_IFREG,
                                                              "Team1/Team1.tea", true)}
                                 << "\"Team1/Player1.ply\" is a link.";
    QTest::newRow("a device") << Entries{teamFile, special("Team1/Player1.sta", AE_IFCHR)}
                              << "\"Team1/Player1.sta\" is not a plain file.";
    QTest::newRow("a 100 MB entry")
        << Entries{teamFile, zeros("Team1/Player1.bmp", 100 * 1024 * 1024)}
        << "\"Team1/Player1.bmp\" is larger than 32 MB, more than a team's file.";
    QTest::newRow("a foreign file") << Entries{teamFile, file("Team1/run.sh", "rm -rf ~")}
                                    << "\"Team1/run.sh\" is not a file a team folder holds.";
    QTest::newRow("a name the folder cannot hold")
        << Entries{file("Te:am/Te:am.tea", team)} << "its folder \"Te:am\" is no team's name.";
    QTest::newRow("no team file") << Entries{file("Team1/Player1.ply", "x")}
                                  << "it holds no team file.";
    QTest::newRow("another team's file")
        << Entries{file("Team2/Team2.tea", team)}
        << "its team file names the team \"Team1\", not \"Team2\".";
    QTest::newRow("a damaged stats file")
        << Entries{teamFile, file("Team1/Player1.sta", "not games\r\n")} << "Team1/Player1.sta";
}

// Nothing is kept of a refused archive: the restore never starts, the data folder is unchanged.
void TestTeamArchive::refusedArchives()
{
    QFETCH(Entries, entries);
    QFETCH(QString, reason);
    writeArchive(m_archive, entries);
    const QMap<QString, QByteArray> before = folderContents(m_app);
    Outcome<TeamArchive::Backup> backup = TeamArchive::readBackup(m_archive);
    QVERIFY(!backup);
    const QString start =
        QStringLiteral("\"%1\" is not a team backup Scorebinder can restore: ").arg(m_archive);
    QVERIFY2(backup.error().startsWith(start) && backup.error().contains(reason),
             qPrintable(backup.error()));
    QCOMPARE(folderContents(m_app), before);
}

QTEST_GUILESS_MAIN(TestTeamArchive)
#include "tst_teamarchive.moc"
