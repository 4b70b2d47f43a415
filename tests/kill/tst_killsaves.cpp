// Group saves killed at random moments: after the next start (its recovery of interrupted saves)
// every group is wholly old or wholly new, no temporary file or journal is left, and a journal
// found was told. SCOREBINDER_KILLS sets the rounds per writer (a few dozen by default).

#include "core/AtomicSave.h"
#include "core/CurrentTeam.h"
#include "core/FileGroup.h"
#include "support/KillWriters.h"
#include "support/TestFiles.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

using Snapshot = QMap<QString, QByteArray>;
const QByteArray Missing = "(missing)";

Snapshot groupBytes(const QString &app, const QStringList &files)
{
    Snapshot bytes;
    for (const QString &file : files)
        bytes.insert(file, QFile::exists(app + file) ? readBytes(app + file) : Missing);
    return bytes;
}

// Temporary files and journals anywhere under `folder`.
QStringList unfinished(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(".saving-") || path.endsWith("Scorebinder.journal"))
            found.append(path);
    }
    return found;
}

void copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        writeBytes(to + QDir(from).relativeFilePath(file), readBytes(file));
    }
}

} // namespace

class TestKillSaves : public QObject
{
    Q_OBJECT

private slots:
    void everyGroupIsOldOrNew_data();
    void everyGroupIsOldOrNew();
};

void TestKillSaves::everyGroupIsOldOrNew_data()
{
    QTest::addColumn<QString>("writer");
    for (const QString &writer : KillWriters::names())
        QTest::newRow(qPrintable(writer)) << writer;
}

void TestKillSaves::everyGroupIsOldOrNew()
{
    QFETCH(QString, writer);
    const int rounds = qEnvironmentVariableIntValue("SCOREBINDER_KILLS") > 0
                           ? qEnvironmentVariableIntValue("SCOREBINDER_KILLS")
                           : 30;
    QTemporaryDir dir;
    const QString app = dir.path() + "/data/";
    copyFixture("summary", app);
    const QStringList files = KillWriters::groupFiles(writer);
    int old = 0, whole = 0, mixed = 0, told = 0;
    for (int round = 1; round <= rounds; ++round) {
        KillWriters::prepare(app, writer, round);
        const Snapshot before = groupBytes(app, files);

        // The group as it is once the save is done, from a copy of the folder.
        const QString scratch = dir.path() + QString("/scratch%1/").arg(round);
        copyFolder(app, scratch);
        QDir().mkpath(scratch + "out");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(KillWriters::run(scratch, writer, round), QString());
        const qint64 saveMicros = timer.nsecsElapsed() / 1000;
        Snapshot after = groupBytes(scratch, files);
        for (QByteArray &bytes : after) // a photo's path names its folder
            bytes.replace(QFile::encodeName(scratch), QFile::encodeName(app));
        QDir(scratch).removeRecursively();

        QProcess process;
        process.start(SCOREBINDER_KILL_WRITER, {app, writer, QString::number(round)});
        // A quick save may be over before its "go" is read.
        QVERIFY2(process.waitForReadyRead(10000) || process.state() == QProcess::NotRunning,
                 qPrintable(process.errorString()));
        QThread::usleep(QRandomGenerator::global()->bounded(quint32(saveMicros * 3 / 2 + 100)));
        process.kill();
        process.waitForFinished();
        if (process.exitStatus() == QProcess::NormalExit)
            QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

        // The next start.
        const bool journal = QFile::exists(FileGroup::journalPath(app + "Team1/")) ||
                             QFile::exists(FileGroup::journalPath(app + "out/"));
        QStringList messages = finishInterruptedSaves(app);
        // The export's folder is the user's: the next export there finishes it.
        if (const auto finished = FileGroup::finishInterrupted(app + "out/"))
            messages.append(*finished);
        for (const char *name : {"Team1 batting.csv", "Team1 pitching.csv", "Team1 games.csv"})
            removeLeftovers(app + "out", name);
        QVERIFY2(unfinished(app).isEmpty(), qPrintable(unfinished(app).join(", ")));
        if (journal) {
            QVERIFY(!messages.isEmpty());
            ++told;
        }

        const Snapshot now = groupBytes(app, files);
        bool isOld = true, isNew = true;
        for (const QString &file : files) {
            isOld = isOld && now[file] == before[file];
            isNew = isNew && now[file] == after[file];
        }
        if (isOld)
            ++old;
        else if (isNew)
            ++whole;
        else
            ++mixed;
    }
    qInfo("kills %s: %d, old %d, new %d, mixed %d, journals finished at the next start %d",
          qPrintable(writer), rounds, old, whole, mixed, told);
    QCOMPARE(mixed, 0);
}

QTEST_GUILESS_MAIN(TestKillSaves)
#include "tst_killsaves.moc"
