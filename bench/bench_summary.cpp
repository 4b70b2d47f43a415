// The summary page of players with 200 games, against reading and decoding the page's three files
// (team file, player file, stats file) in plain C++ (the floor): a refresh of the same player, a
// switch to the next or previous player (Ctrl+Page Down / Up), and a refresh of a player with a
// photo, which stays decoded while its file is unchanged.

#include "BenchSupport.h"
#include "Floor.h"
#include "core/RecordFiles.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QTest>

class BenchSummary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refreshSummary();
    void switchPlayers();
    void refreshWithPhoto();

private:
    std::vector<std::string> pageFiles(const QString &player) const;
    void verifyPage(const QString &player);

    std::unique_ptr<BenchTeam> m_team;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<frmMain> m_main;
};

void BenchSummary::initTestCase()
{
    installFontSubstitutions();
    m_team = std::make_unique<BenchTeam>();
    // The last player has a photo of the card's size, saved as the picture editor saves it.
    const QString photo = RecordFiles::photoFilePath(m_team->app, "Team1", "Player 27");
    QImage picture(206, 272, QImage::Format_RGB32);
    picture.fill(QColor(40, 90, 160));
    Outcome<QByteArray> bitmap = bitmapBytes(picture);
    QVERIFY(bitmap.ok());
    QFile file(photo);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(*bitmap) == bitmap->size());
    file.close();
    QVERIFY(RecordFiles::WritePlayerPicturePath(m_team->app, "Team1", "Player 27", photo).ok());
    m_main = std::make_unique<frmMain>(ProgramFolders{m_team->app, m_team->app}, m_dialogs);
    m_main->Timer1.stop();
}

std::vector<std::string> BenchSummary::pageFiles(const QString &player) const
{
    return Floor::nativePaths({RecordFiles::teamFilePath(m_team->app, "Team1"),
                               RecordFiles::playerFilePath(m_team->app, "Team1", player),
                               RecordFiles::statsFilePath(m_team->app, "Team1", player)});
}

void BenchSummary::verifyPage(const QString &player)
{
    QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.messages.value(0).text));
    QCOMPARE(m_main->state().PlayerName, player);
    QCOMPARE(m_main->findChild<QLabel *>("lblBGames")->text(), QString("200"));
}

void BenchSummary::refreshSummary()
{
    const std::vector<std::string> files = pageFiles("Player 1");
    const PairedTimes times = timePaired(
        1000, [&] { m_main->UpdateMainPage(); }, [&] { Floor::decodeFiles(files); });
    verifyPage("Player 1");
    reportRatio("summary refresh / floor", times);
}

void BenchSummary::switchPlayers()
{
    // Between the first two players, each switch showing the other.
    const std::vector<std::string> files = pageFiles("Player 2");
    int step = 1;
    const PairedTimes times = timePaired(
        1000,
        [&] {
            m_main->choosePlayerBeside(step);
            step = -step;
        },
        [&] { Floor::decodeFiles(files); });
    verifyPage(step == 1 ? "Player 1" : "Player 2");
    reportRatio("summary switching players / floor", times);
}

void BenchSummary::refreshWithPhoto()
{
    choosePlayer(m_main->state(), "Player 27");
    QVERIFY(m_main->UpdateMainPage());
    const std::vector<std::string> files = pageFiles("Player 27");
    const PairedTimes times = timePaired(
        1000, [&] { m_main->UpdateMainPage(); }, [&] { Floor::decodeFiles(files); });
    verifyPage("Player 27");
    QVERIFY(!m_main->playerPicture().isNull());
    reportRatio("summary refresh with a photo / floor", times);
}

QTEST_MAIN(BenchSummary)
#include "bench_summary.moc"
