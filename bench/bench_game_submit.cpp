// A game Submit for a player with 200 games (the game stored, 201 records encoded, the stats file
// saved atomically with its syncs, the summary refreshed), against writing the same bytes as
// durably in plain C++: a temporary file written and synced, renamed over the file, the folder
// synced (the floor).

#include "BenchSupport.h"
#include "core/RecordFiles.h"
#include "games/frmSingleGameStats.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

class BenchGameSubmit : public QObject
{
    Q_OBJECT

private slots:
    void submitGame();
};

void BenchGameSubmit::submitGame()
{
    installFontSubstitutions();
    BenchTeam team;
    ScriptedDialogs dialogs;
    frmMain main(ProgramFolders{team.app, team.app}, dialogs);
    main.Timer1.stop();
    std::unique_ptr<frmSingleGameStats> window(frmSingleGameStats::open(main));
    QVERIFY(window);
    window->CBGame->setCurrentIndex(99);
    emit window->CBGame->activated(99);

    // Each run stores the game with another count, so the file always changes.
    int run = 0;
    const auto submit = [&] {
        QLineEdit *box = window->countBoxes[5];
        const QString text = QString::number(++run % 2 + 1);
        box->setText(text);
        emit box->textEdited(text);
        // Stores the games and refreshes the summary, as Submit does.
        window->saveEdits();
    };
    const QString stats = RecordFiles::statsFilePath(team.app, "Team1", "Player 1");
    submit();
    QFile file(stats);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::string floorPath = QFile::encodeName(team.app + "Team1/floor.sta").toStdString();
    const std::string folder = QFile::encodeName(team.app + "Team1").toStdString();

    const PairedTimes times =
        timePaired(40, submit, [&] { durableWrite(floorPath, folder, bytes); });
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
    QCOMPARE(QFileInfo(stats).size(), bytes.size());
    reportRatio("game submit / durable raw write", times);
}

QTEST_MAIN(BenchGameSubmit)
#include "bench_game_submit.moc"
