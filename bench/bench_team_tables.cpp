// The team tables for a full roster of 27 players with 200 games each. Filling them, against
// reading and decoding the same 27 stats files in plain C++ (the floor); and opening them from the
// menu until the window has painted, against showing a bare window of the same labels (the same
// texts, places and fonts) until it has painted.

#include "BenchSupport.h"
#include "Floor.h"
#include "mainwindow/frmMain.h"
#include "platform/Fonts.h"
#include "reports/frmTeamBattingStats.h"
#include "reports/frmTeamPitchingStats.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <cstdio>

namespace {

// What a bare window needs to show a label as the table shows it.
struct LabelCopy
{
    QString text;
    QRect geometry;
    QFont font;
};

QVector<LabelCopy> labelsOf(const QWidget &window)
{
    QVector<LabelCopy> labels;
    for (const QLabel *label : window.findChildren<QLabel *>())
        labels.append({label->text(), label->geometry(), label->font()});
    return labels;
}

QWidget *bareWindow(const QSize &size, const QVector<LabelCopy> &labels)
{
    auto *window = new QWidget;
    window->resize(size);
    for (const LabelCopy &copy : labels) {
        auto *label = new QLabel(copy.text, window);
        label->setFont(copy.font);
        label->setGeometry(copy.geometry);
    }
    window->show();
    return window;
}

} // namespace

class BenchTeamTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fillTeamBatting();
    void fillTeamPitching();
    void openFromMenu_data();
    void openFromMenu();

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

void BenchTeamTables::openFromMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("batting") << "mnuTeamBat"
                             << "frmTeamBattingStats";
    QTest::newRow("pitching") << "mnuTeamPit"
                              << "frmTeamPitchingStats";
}

void BenchTeamTables::openFromMenu()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QAction *action = m_main->findChild<QAction *>(item);
    QVERIFY(action && action->isEnabled());
    // The first opening measures the texts' widths, as a session's first does; then the window's
    // labels are known for the bare one.
    QElapsedTimer first;
    first.start();
    QWidget *table = openUntilPainted([&] { action->trigger(); });
    std::printf("the first opening: %.1f ms\n", first.nsecsElapsed() / 1e6);
    QCOMPARE(table->objectName(), window);
    QCOMPARE(
        table->findChild<QLabel *>(item == "mnuTeamBat" ? "lblBGames27" : "lblPGames27")->text(),
        QString("200"));
    const QSize size = table->size();
    const QVector<LabelCopy> labels = labelsOf(*table);
    QWidget *bare = nullptr;
    const auto closeBoth = [&] {
        if (table)
            table->close();
        delete bare;
        bare = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    closeBoth();
    const PairedTimes times = timePaired(
        40, [&] { table = openUntilPainted([&] { action->trigger(); }); },
        [&] { openUntilPainted([&] { bare = bareWindow(size, labels); }); }, closeBoth);
    QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.messages.value(0).text));
    QCOMPARE(table->objectName(), window);
    closeBoth();
    std::printf("%d labels\n", int(labels.size()));
    reportRatio(
        qPrintable(QStringLiteral("opening team %1 from the menu until painted / bare window")
                       .arg(QTest::currentDataTag())),
        times);
}

QTEST_MAIN(BenchTeamTables)
#include "bench_team_tables.moc"
