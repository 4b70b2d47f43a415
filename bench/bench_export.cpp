// Export Statistics of a full roster of 27 players with 200 games each, against a floor of reading
// and decoding the same stats files and writing the same five files' bytes as durably.

#include "BenchSupport.h"
#include "Floor.h"
#include "reports/StatsExport.h"

#include <QDir>
#include <QFile>
#include <QTest>

class BenchExport : public QObject
{
    Q_OBJECT

private slots:
    void exportTeam();
};

void BenchExport::exportTeam()
{
    BenchTeam team;
    const QString out = team.app + "out/";
    const QString floorOut = team.app + "floor/";
    QDir().mkpath(out);
    QDir().mkpath(floorOut);
    const Outcome<QStringList> first = StatsExport::exportTeam(team.app, "Team1", out);
    QVERIFY2(first.ok(), qPrintable(first.error()));
    QCOMPARE(first->size(), 5);
    // The floor writes exactly what the export wrote.
    std::vector<std::pair<std::string, QByteArray>> files;
    for (const QString &name : *first) {
        QFile file(out + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        files.emplace_back(QFile::encodeName(floorOut + name).toStdString(), file.readAll());
    }
    const std::vector<std::string> statsFiles = Floor::nativePaths(team.statsFiles);
    const std::string folder = QFile::encodeName(floorOut).toStdString();
    const PairedTimes times = timePaired(
        30, [&] { (void)StatsExport::exportTeam(team.app, "Team1", out); },
        [&] {
            Floor::decodeFiles(statsFiles);
            for (const auto &[path, bytes] : files)
                durableWrite(path, folder, bytes);
        });
    reportRatio("export", times);
    QVERIFY2(times.ratio() <= 2.0, "the export takes more than twice its floor");
}

QTEST_MAIN(BenchExport)
#include "bench_export.moc"
