// Refreshing the summary page of a player with 200 games (team header, player file and stats
// file read, the season totalled, the page filled), against reading and decoding the same three
// files in plain C++ (the floor).

#include "BenchSupport.h"
#include "Floor.h"
#include "core/RecordFiles.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QTest>

class BenchSummary : public QObject
{
    Q_OBJECT

private slots:
    void refreshSummary();
};

void BenchSummary::refreshSummary()
{
    installFontSubstitutions();
    BenchTeam team;
    ScriptedDialogs dialogs;
    frmMain main(ProgramFolders{team.app, team.app}, dialogs);
    main.Timer1.stop();
    const std::vector<std::string> files =
        Floor::nativePaths({RecordFiles::teamFilePath(team.app, "Team1"),
                            RecordFiles::playerFilePath(team.app, "Team1", "Player 1"),
                            RecordFiles::statsFilePath(team.app, "Team1", "Player 1")});
    const PairedTimes times = timePaired(
        1000, [&] { main.UpdateMainPage(); }, [&] { Floor::decodeFiles(files); });
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
    QCOMPARE(main.findChild<QLabel *>("lblBGames")->text(), QString("200"));
    reportRatio("summary refresh / floor", times);
}

QTEST_MAIN(BenchSummary)
#include "bench_summary.moc"
