// Filling the team tables for a full roster of 27 players with 200 games each, against reading and
// splitting the same 27 stats files raw (the least any fill must do).

#include "core/RecordFiles.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "reports/frmTeamBattingStats.h"
#include "reports/frmTeamPitchingStats.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class BenchTeamTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rawReadAndSplit();
    void fillTeamBatting();
    void fillTeamPitching();

private:
    QTemporaryDir m_dir;
    QString m_app;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<frmMain> m_main;
    QStringList m_statsFiles;
};

void BenchTeamTables::initTestCase()
{
    installFontSubstitutions();
    m_app = m_dir.path() + '/';
    QDir().mkpath(m_app + "Team1");
    TeamFile team;
    team.header = {"Team1", "Coach", "Asst", "Season", "", 0};
    for (int p = 0; p < RosterSlots; ++p) {
        const QString name = QStringLiteral("Player %1").arg(p + 1);
        team.roster[p] = {name, qint16(p % 10 + 1)};
        GameRecords records{GameRecord{}};
        for (int g = 1; g <= MaxGames; ++g) {
            GameRecord r;
            r.GameNumber = qint16(g);
            r.BHits = qint16(g % 3);
            r.BAtBats = 4;
            r.BWalks = qint16(g % 2);
            r.BDoubles = qint16(g % 5 == 0);
            r.PAtBats = qint16(p % 3 == 0 ? 12 : 0);
            r.PHits = qint16(p % 3 == 0 ? 3 : 0);
            r.PInnings = p % 3 == 0 ? 3.1f : 0.0f;
            r.PStrikes = qint16(p % 3 == 0 ? 15 : 0); // the team's sum stays within 16 bits
            r.GameDate = QStringLiteral("05/%1/2026").arg(g % 28 + 1, 2, 10, QLatin1Char('0'));
            r.Opponent = QStringLiteral("Opponent %1").arg(g);
            r.Decision = p % 3 == 0 ? QStringLiteral("Win") : QString();
            r.Highlights = QStringLiteral("Two hits, one a double to the gap");
            records.append(r);
        }
        QVERIFY(RecordFiles::WriteGameRecords(m_app, "Team1", name, records).ok());
        m_statsFiles << RecordFiles::statsFilePath(m_app, "Team1", name);
    }
    QVERIFY(RecordFiles::WriteTeamFile(m_app, "Team1", team).ok());
    QVERIFY(RecordFiles::WriteSettings(m_app, Settings{"Team1", "", 0, 0}).ok());
    m_main = std::make_unique<frmMain>(m_app, m_dialogs);
    m_main->Timer1.stop();
}

void BenchTeamTables::rawReadAndSplit()
{
    qsizetype fields = 0;
    QBENCHMARK
    {
        fields = 0;
        for (const QString &path : std::as_const(m_statsFiles)) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QByteArray data = file.readAll();
            for (const QByteArray &line : data.split('\n'))
                fields += line.split(',').size();
        }
    }
    QVERIFY(fields > RosterSlots * MaxGames * 24);
}

void BenchTeamTables::fillTeamBatting()
{
    frmTeamBattingStats window(*m_main);
    QBENCHMARK
    {
        window.FillTeamBattingTable();
    }
    QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.messages.value(0).text));
    QCOMPARE(window.cell("lblBGames", 27)->text(), QString("200"));
}

void BenchTeamTables::fillTeamPitching()
{
    frmTeamPitchingStats window(*m_main);
    QBENCHMARK
    {
        window.FillTeamPitchingTable();
    }
    QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.messages.value(0).text));
    QCOMPARE(window.cell("lblPGames", 27)->text(), QString("200"));
}

QTEST_MAIN(BenchTeamTables)
#include "bench_team_tables.moc"
