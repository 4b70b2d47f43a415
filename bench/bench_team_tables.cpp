// Filling the team tables for a full roster of 27 players with 200 games each, against reading
// and decoding the same 27 stats files in plain C++ (the floor).

#include "BenchSupport.h"
#include "Floor.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "reports/frmTeamBattingStats.h"
#include "reports/frmTeamPitchingStats.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QTest>

class BenchTeamTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fillTeamBatting();
    void fillTeamPitching();

private:
    // Every fill is timed as a window's first: the texts of the one before are cleared.
    static void clearTexts(QWidget &window);

    std::unique_ptr<BenchTeam> m_team;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<frmMain> m_main;
    std::vector<std::string> m_floorFiles;
};

void BenchTeamTables::initTestCase()
{
    installFontSubstitutions();
    m_team = std::make_unique<BenchTeam>();
    m_main = std::make_unique<frmMain>(ProgramFolders{m_team->app, m_team->app}, m_dialogs);
    m_main->Timer1.stop();
    m_floorFiles = Floor::nativePaths(m_team->statsFiles);
}

void BenchTeamTables::clearTexts(QWidget &window)
{
    for (QLabel *label : window.findChildren<QLabel *>())
        label->clear();
}

void BenchTeamTables::fillTeamBatting()
{
    frmTeamBattingStats window(*m_main);
    const PairedTimes times = timePaired(
        40, [&] { window.FillTeamBattingTable(); }, [&] { Floor::decodeFiles(m_floorFiles); },
        [&] { clearTexts(window); });
    QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.messages.value(0).text));
    QCOMPARE(window.cell("lblBGames", 27)->text(), QString("200"));
    reportRatio("team batting fill / floor", times);
}

void BenchTeamTables::fillTeamPitching()
{
    frmTeamPitchingStats window(*m_main);
    const PairedTimes times = timePaired(
        40, [&] { window.FillTeamPitchingTable(); }, [&] { Floor::decodeFiles(m_floorFiles); },
        [&] { clearTexts(window); });
    QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.messages.value(0).text));
    QCOMPARE(window.cell("lblPGames", 27)->text(), QString("200"));
    reportRatio("team pitching fill / floor", times);
}

QTEST_MAIN(BenchTeamTables)
#include "bench_team_tables.moc"
