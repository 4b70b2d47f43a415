// A box score's Submit for 27 players who have 199 games each (every line turned into a game,
// 27 stats files read, the new ones written and synced beside the old, the journal, all put in
// place, the summary and reports refreshed), against writing the same 27 files' new bytes as
// durably in plain C++, one after another: each a temporary file written and synced, renamed over
// the file, the folder synced (the floor).

#include "BenchSupport.h"
#include "core/RecordFiles.h"
#include "core/TeamFolder.h"
#include "games/BoxScore.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void plainWrite(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

class BenchBoxScore : public QObject
{
    Q_OBJECT

private slots:
    void submitBoxScore();
};

void BenchBoxScore::submitBoxScore()
{
    installFontSubstitutions();
    BenchTeam team;
    ScriptedDialogs dialogs;
    frmMain main(ProgramFolders{team.app, team.app}, dialogs);
    main.Timer1.stop();

    // Every player at 199 games, so that the box score gives him his 200th.
    Outcome<TeamFile> roster = RecordFiles::ReadTeamFile(team.app, "Team1");
    QVERIFY(roster.ok());
    QStringList players;
    QVector<QByteArray> before;
    for (const RosterEntry &entry : roster->roster) {
        if (entry.RosterPlayer.isEmpty())
            continue;
        players.append(entry.RosterPlayer);
        GameRecords games = *RecordFiles::ReadGameRecords(team.app, "Team1", entry.RosterPlayer);
        games.resize(200);
        QVERIFY(RecordFiles::WriteGameRecords(team.app, "Team1", entry.RosterPlayer, games).ok());
        before.append(bytesOf(RecordFiles::statsFilePath(team.app, "Team1", entry.RosterPlayer)));
    }
    QCOMPARE(players.size(), 27);
    const auto restore = [&] {
        for (int i = 0; i < players.size(); ++i)
            plainWrite(RecordFiles::statsFilePath(team.app, "Team1", players[i]), before[i]);
    };

    const BoxScore::GameTexts game{"06/01/2026", "Hawks", "Rain delay"};
    const auto submit = [&] {
        QVector<TeamFolder::BoxScoreLine> lines;
        for (int i = 0; i < players.size(); ++i) {
            BoxScore::PlayerRows rows;
            rows.player = players[i];
            rows.batting[0] = QString::number(i % 5 + 1);
            rows.batting[1] = QStringLiteral("1");
            if (!BoxScore::problemOf(rows))
                lines.append({players[i], BoxScore::gameOf(rows, game)});
        }
        (void)TeamFolder::storeBoxScore(team.app, "Team1", lines);
        main.UpdateMainPage();
    };
    submit();
    QVector<QByteArray> after;
    std::vector<std::string> paths;
    for (const QString &player : players) {
        const QString path = RecordFiles::statsFilePath(team.app, "Team1", player);
        after.append(bytesOf(path));
        paths.push_back(QFile::encodeName(path + ".floor-target").toStdString());
    }
    QVERIFY(after[0].size() > before[0].size());
    const std::string folder = QFile::encodeName(team.app + "Team1").toStdString();
    const PairedTimes times = timePaired(
        20, submit,
        [&] {
            for (std::size_t i = 0; i < paths.size(); ++i)
                durableWrite(paths[i], folder, after[int(i)]);
        },
        restore);
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
    QCOMPARE(bytesOf(RecordFiles::statsFilePath(team.app, "Team1", players[0])), after[0]);
    reportRatio("box score submit", times);
}

QTEST_MAIN(BenchBoxScore)
#include "bench_box_score.moc"
