// A roster from a spreadsheet's CSV file: the file read as spreadsheets save it, each row's player
// or reason, and the import through its window into the team folder, byte for byte.

#include "mainwindow/frmMain.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "support/WindowTest.h"
#include "team/RosterImport.h"
#include "team/frmImportRoster.h"
#include "team/frmPlayerData.h"
#include "team/frmTeamData.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace RosterImport;

class TestRosterImport : public WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { finish(); }
    void filesAsSpreadsheetsSaveThem_data();
    void filesAsSpreadsheetsSaveThem();
    void badRowsSayWhyAndGoodOnesAreTaken();
    void importWritesTheFilesOfAddPlayer();
    void aFailedWriteLeavesTheFolder();
    void renamingKeepsGamesPhotoAndPlace();

private:
    frmImportRoster *openWith(const QByteArray &csv);
};

void TestRosterImport::init()
{
    prepare("summary");
    startMain();
}

frmImportRoster *TestRosterImport::openWith(const QByteArray &csv)
{
    writeBytes(m_app + "roster.csv", csv);
    m_dialogs.fileAnswers.enqueue(m_app + "roster.csv");
    m_main->findChild<QAction *>("mnuImportRoster")->trigger();
    return m_main->openedWindow<frmImportRoster>();
}

void TestRosterImport::filesAsSpreadsheetsSaveThem_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("town");
    QTest::newRow("UTF-8 with BOM, CR LF, quotes")
        << QByteArray("\xEF\xBB\xBFName,No.,Pos,Bats,Throws,City\r\n"
                      "\"Lee, Kim\",7,SS,R,R,\"Smith, Jr. Park\"\r\n")
        << "Lee, Kim"
        << "Smith, Jr. Park";
    QTest::newRow("semicolons, First and Last")
        << QByteArray("First;Last;Number;Position\nAnn;Lee;3;Catcher\n") << "Ann Lee"
        << "";
    QTest::newRow("tabs, a line break in quotes")
        << QByteArray("Player\tHometown\n\"Bo\"\t\"North\nside\"\n") << "Bo"
        << "North\nside";
    QTest::newRow("Windows-1252") << QByteArray("Name,Town\nJos\xE9,San Jos\xE9\n")
                                  << QString::fromUtf8("José") << QString::fromUtf8("San José");
}

void TestRosterImport::filesAsSpreadsheetsSaveThem()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    QFETCH(QString, town);
    Outcome<Preview> read = preview(file, "Team1", Roster{}, QDate(2026, 6, 1));
    QVERIFY2(read.ok(), qPrintable(read.error()));
    QCOMPARE(read->rows.size(), 1);
    QCOMPARE(read->rows[0].profile.PlayerName, name);
    QCOMPARE(read->rows[0].profile.HomeTown, town);
    // A line break cannot be stored: that row says so.
    QVERIFY2(read->rows[0].problem.isEmpty() == !town.contains('\n'),
             qPrintable(read->rows[0].problem));
}

// Each bad row says why; the good ones are ready, in the roster's free places only.
void TestRosterImport::badRowsSayWhyAndGoodOnesAreTaken()
{
    QByteArray csv = "Name,Position,Bats,DOB,Shoe size\n"
                     "\"Al \"\"Ace\"\" Cruz\",P,L,05/02/2014,7\n"
                     "Bea,Goalie,R,,\n"
                     "Cy,1B,B,2014-06-02,\n"
                     "Cy,2B,,,\n"
                     "Player1,CF,,,\n";
    for (int i = 0; i < 25; ++i)
        csv += "Kid" + QByteArray::number(i) + ",,,,\n";
    Roster roster;
    roster[0] = {"Player1", 3};
    roster[1] = {"Player2", 1};
    Outcome<Preview> read = preview(csv, "Team1", roster, QDate(2026, 6, 1));
    QVERIFY(read.ok());
    QCOMPARE(read->ignored, QStringList{"Shoe size"});
    QCOMPARE(read->rows.size(), 30);
    QVERIFY2(read->rows[0].problem.contains("\""), qPrintable(read->rows[0].problem));
    QCOMPARE(read->rows[1].problem, QString("unknown position \"Goalie\""));
    QCOMPARE(read->rows[2].problem, QString());
    QCOMPARE(read->rows[2].profile.Age, qint16(11)); // born 06/02/2014, a day short of 12
    QCOMPARE(read->rows[2].profile.Bats, qint16(3));
    QCOMPARE(read->rows[3].problem, QString("already on the roster, or twice in the file"));
    QCOMPARE(read->rows[4].problem, QString("already on the roster, or twice in the file"));
    for (int i = 5; i < 29; ++i)
        QCOMPARE(read->rows[i].problem, QString());
    QCOMPARE(read->rows[29].problem,
             QString("the roster is full: a team holds at most 27 players"));
    QCOMPARE(read->rows[29].line, 31);

    QVERIFY(!preview("Number,Position\n7,P\n", "Team1", roster, QDate()).ok());
}

// The ready rows become players as Add Player makes them; the preview shows every row.
void TestRosterImport::importWritesTheFilesOfAddPlayer()
{
    frmImportRoster *w = openWith("Name,#,Pos,Pos2,Bats,Throws,Age,Town,State\n"
                                  "Dee Ortiz,12,SS,P,R,L,11,Elm,CA\n"
                                  "Bad\"Name,,,,,,,,\n");
    QVERIFY(w);
    QCOMPARE(w->tblPlayers->rowCount(), 2);
    QCOMPARE(w->tblPlayers->item(0, 10)->text(), QString("ready"));
    QVERIFY(w->tblPlayers->item(1, 10)->text() != "ready");
    QCOMPARE(w->cmdImport->text(), QString("&Import 1"));
    const QByteArray team = readBytes(m_app + "Team1/Team1.tea");
    w->cmdImport->click();
    QCOMPARE(m_dialogs.messages.last().text, QString("1 player was added to the roster."));
    QCOMPARE(readBytes(m_app + "Team1/Dee Ortiz.ply"),
             QByteArray("\"Dee Ortiz\",\"Team1\",6,1,2,1,12,\"Elm\",\"CA\",11,\"\"\r\n"));
    QCOMPARE(readBytes(m_app + "Team1/Dee Ortiz.sta"), NewStatsFile);
    QByteArray expected = team;
    expected.replace("\"Player2\",1\r\n\"\",0\r\n", "\"Player2\",1\r\n\"Dee Ortiz\",6\r\n");
    QCOMPARE(readBytes(m_app + "Team1/Team1.tea"), expected);
    QCOMPARE(m_main->state().PlayerCount, qint16(3));
    deleteClosedWindows();

    // A Windows-1252 file with semicolons: the name stored in the record files' own encoding.
    w = openWith("\xEF\xBB\xBFName;Pos\r\n\"Jos\xC3\xA9 Ruiz\";C\r\n");
    QVERIFY(w);
    w->cmdImport->click();
    QCOMPARE(readBytes(m_app + QString::fromUtf8("Team1/José Ruiz.ply")),
             QByteArray("\"Jos\xE9 Ruiz\",\"Team1\",2,-1,-1,-1,0,\"\",\"\",0,\"\"\r\n"));
    deleteClosedWindows();
    w = openWith("Name;Pos\nRen\xE9 Diaz;P\n"); // not UTF-8: Windows-1252
    QVERIFY(w);
    w->cmdImport->click();
    QCOMPARE(readBytes(m_app + QString::fromUtf8("Team1/René Diaz.ply")).left(14),
             QByteArray("\"Ren\xE9 Diaz\",\"T"));
}

void TestRosterImport::aFailedWriteLeavesTheFolder()
{
    frmImportRoster *w = openWith("Name\nAnn\nBo\nCy\n");
    QVERIFY(w);
    const QMap<QString, QByteArray> before = folderContents(m_app + "Team1");
    FixedFile fixed(m_app + "Team1/Team1.tea");
    if (!fixed.fixed())
        QSKIP("this file system has no immutable files");
    w->cmdImport->click();
    QVERIFY2(m_dialogs.messages.last().text.contains(m_app + "Team1/Team1.tea"),
             qPrintable(m_dialogs.messages.last().text));
    QCOMPARE(folderContents(m_app + "Team1"), before);
    QVERIFY(w->isVisible());
}

// Player1 (three games, photos, slot 0) renamed from his player window: his games and photos under
// the new name, his place and position kept, the summary shows him; a name on the roster is
// refused with nothing changed.
void TestRosterImport::renamingKeepsGamesPhotoAndPlace()
{
    const QString team = m_app + "Team1/";
    const QByteArray games = readBytes(team + "Player1.sta");
    const QByteArray photo = readBytes(team + "Player1.bmp");
    const QByteArray profile = readBytes(team + "Player1.ply");
    // The photo at print resolution goes with him too.
    writeBytes(team + "Player1.card.png", "PNG print photo");
    const QMap<QString, QByteArray> before = folderContents(team);
    m_main->editPlayer();
    auto *form = m_main->openedWindow<frmPlayerData>();
    QVERIFY(form && form->cmdRename->isVisibleTo(form));
    m_dialogs.textAnswers.enqueue(QString("Player2"));
    form->cmdRename->click();
    QCOMPARE(m_dialogs.messages.last().text, QString("Player2 is already a player of Team1."));
    QCOMPARE(folderContents(team), before);

    m_dialogs.textAnswers.enqueue(QString("Pat Ruiz"));
    form->cmdRename->click();
    deleteClosedWindows();
    QVERIFY(!m_main->openedWindow<frmPlayerData>()); // his windows closed first
    QCOMPARE(readBytes(team + "Pat Ruiz.sta"), games);
    QCOMPARE(readBytes(team + "Pat Ruiz.bmp"), photo);
    QCOMPARE(readBytes(team + "Pat Ruiz.card.png"), QByteArray("PNG print photo"));
    QByteArray renamed = profile;
    renamed.replace("\"Player1\"", "\"Pat Ruiz\"");
    QCOMPARE(readBytes(team + "Pat Ruiz.ply"), renamed);
    for (const char *gone : {"Player1.ply", "Player1.sta", "Player1.bmp", "Player1.card.png"})
        QVERIFY(!QFile::exists(team + gone));
    QVERIFY(readBytes(team + "Team1.tea").contains("\r\n\"Pat Ruiz\",3\r\n\"Player2\",1\r\n"));
    QCOMPARE(m_main->state().PlayerName, QString("Pat Ruiz"));
    QCOMPARE(m_main->findChild<QLabel *>("lblPlayerName")->text(), QString("Pat Ruiz  #7"));
}

QTEST_MAIN(TestRosterImport)
#include "tst_rosterimport.moc"
