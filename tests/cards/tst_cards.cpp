// The trading card: its texts from the shared state, the card sheets drawn on a canvas, the card
// view window, and real printed sheets.

#include "cards/CardSheet.h"
#include "cards/CardTexts.h"
#include "cards/frmViewCard.h"
#include "platform/Fonts.h"
#include "platform/Units.h"
#include "support/FakeHost.h"
#include "support/PdfPages.h"
#include "support/RecordingCanvas.h"
#include "support/TestFiles.h"
#include "support/TextsInSight.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(MainState)

namespace {

constexpr qint32 White = 0xFFFFFF;
constexpr qint32 Red = 0x0000FF; // RGB Long: red in the low byte

MainState smith()
{
    MainState s;
    s.PlayerName = "Smith";
    s.TeamName = "Cubs";
    s.Position1 = 6;
    s.Age = 12;
    s.HomeTown = "Springfield";
    s.HomeState = "IL";
    s.Bats = 1;
    s.Throws = 2;
    s.TeamBorderColor = Red;
    SeasonTotals &t = s.totals;
    t.BTotalGames = 10;
    t.BTotalHits = 12;
    t.BTotalAtBats = 40;
    t.BTotalAverage = 0.3f;
    t.BTotalSlugging = 1.5f;
    t.PTotalInnings = 20.2f;
    t.PTotalERA = 5.226f;
    t.PTotalWins = 3;
    t.PTotalLosses = 2;
    t.PTotalSaves = 1;
    return s;
}

// The longest texts a card meets: a 27-letter name, a 40-letter team, a long hometown, every count
// at 32767 and rates at their largest.
MainState longest()
{
    MainState s = smith();
    s.PlayerName = "Christopher Montgomery-Wild";
    s.TeamName = "Riverside Springfield Junior Tigers Club";
    s.HomeTown = "Rancho Santa Margarita de los Altos";
    s.HomeState = "CA";
    SeasonTotals &t = s.totals;
    for (qint16 *count :
         {&t.BTotalGames, &t.BTotalHits,  &t.BTotalAtBats,  &t.BTotalRuns,    &t.BTotalWalks,
          &t.BTotalSOs,   &t.BTotalSBs,   &t.BTotalDoubles, &t.BTotalTriples, &t.BTotalHomers,
          &t.BTotalRBIs,  &t.PTotalGames, &t.PTotalHits,    &t.PTotalAtBats,  &t.PTotalRuns,
          &t.PTotalWalks, &t.PTotalSOs,   &t.PTotalStrikes, &t.PTotalBalls,   &t.PTotalWildPitch,
          &t.PTotalWins})
        *count = 32767;
    t.PTotalLosses = 32767;
    t.PTotalSaves = 32767;
    t.PTotalInnings = 9999.2f;
    t.BTotalAverage = 1.0f;
    t.BTotalSlugging = 4.0f;
    t.PTotalERA = 884709.0f;
    return s;
}

// Where each text of a card may reach, in twips from the card's corner: [left, right].
struct Room
{
    QString what;
    int left;
    int right;
};

QImage solid(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QVector<CanvasOp> opsOf(const QVector<CanvasOp> &ops, CanvasOp::Kind kind)
{
    QVector<CanvasOp> found;
    for (const CanvasOp &o : ops)
        if (o.kind == kind)
            found.append(o);
    return found;
}

QStringList textsOf(const QVector<CanvasOp> &ops)
{
    QStringList texts;
    for (const CanvasOp &o : ops)
        if (o.kind == CanvasOp::Text)
            texts.append(o.text);
    return texts;
}

QPoint at(const CanvasOp &o)
{
    return QPoint(o.state.currentX, o.state.currentY);
}

} // namespace

class TestCards : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void cardTexts_data();
    void cardTexts();
    void countsComeFromTheirTotals();
    void shieldsFollowTheShownBlocks();

    void frontSheet_data();
    void frontSheet();
    void oneFrontInDrawingOrder();
    void backSlots_data();
    void backSlots();
    void oneBackInDrawingOrder();
    void switchedOffBlocksAreNotPrinted_data();
    void switchedOffBlocksAreNotPrinted();
    void grayscaleSetsMonochrome();
    void longTextsKeepToTheirRooms();

    void init();
    void cleanup();
    void viewShowsTheCardAfterItsTimer();
    void photoAndLogo();
    void shieldsCoverTheirBlocks_data();
    void shieldsCoverTheirBlocks();
    void refreshReloadsFromTheState();
    void textsShowAsTyped();
    void printingThatCannotGoOn();
    void missingLogoPrintsNothing_data();
    void missingLogoPrintsNothing();
    void printedSheetsPlaceTheirTexts();
    void previewPagesAreTheTwoPrints();
    void previewShowsBothSheets();
    void longTextsFitOnScreenAndInThePdf();
    void frontSheetHoldsThePhotoOnce();
    void printsUseTheSharpPhoto();
    void keysWorkAsInADialog_data();
    void keysWorkAsInADialog();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<frmViewCard> m_view;
};

void TestCards::cardTexts_data()
{
    QTest::addColumn<MainState>("state");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("text");

    const auto with = [](const std::function<void(MainState &)> &change) {
        MainState s = smith();
        change(s);
        return s;
    };
    const MainState noPosition = with([](MainState &s) { s.Position1 = 0; });
    const MainState noSeason = with([](MainState &s) { s.totals = SeasonTotals(); });

    QTest::newRow("position") << smith() << "lblPosition"
                              << "SS";
    QTest::newRow("name line") << smith() << "lblBackPlayer"
                               << "Smith - SS";
    QTest::newRow("position 0") << noPosition << "lblPosition"
                                << "";
    QTest::newRow("position 0, name line") << noPosition << "lblBackPlayer"
                                           << "Smith - ";
    QTest::newRow("position 11") << with([](MainState &s) { s.Position1 = 11; }) << "lblPosition"
                                 << "";
    QTest::newRow("age") << smith() << "lblAge"
                         << "12";
    QTest::newRow("age 0") << with([](MainState &s) { s.Age = 0; }) << "lblAge"
                           << "";
    QTest::newRow("home town") << smith() << "lblHomeTown"
                               << "Springfield, IL";
    QTest::newRow("no town or state") << with([](MainState &s) {
        s.HomeTown.clear();
        s.HomeState.clear();
    }) << "lblHomeTown"
                                      << ", ";
    QTest::newRow("bats both") << with([](MainState &s) { s.Bats = 3; }) << "lblBats"
                               << "Both";
    QTest::newRow("throws 3") << with([](MainState &s) { s.Throws = 3; }) << "lblThrows"
                              << "";
    QTest::newRow("throws") << smith() << "lblThrows"
                            << "Right";
    QTest::newRow("average") << smith() << "lblBAverage"
                             << ".300";
    QTest::newRow("slugging") << smith() << "lblBSlugging"
                              << "1.500";
    QTest::newRow("no at bats") << noSeason << "lblBAverage"
                                << ".000";
    QTest::newRow("no innings, ERA") << noSeason << "lblPERA"
                                     << "0.000";
    QTest::newRow("no innings") << noSeason << "lblPInnings"
                                << "0";
    QTest::newRow("innings 20.2") << smith() << "lblPInnings"
                                  << "20.2";
    QTest::newRow("innings 0.1") << with([](MainState &s) { s.totals.PTotalInnings = 0.1f; })
                                 << "lblPInnings"
                                 << "0.1";
    QTest::newRow("innings 7") << with([](MainState &s) { s.totals.PTotalInnings = 7; })
                               << "lblPInnings"
                               << "7";
    QTest::newRow("ERA") << smith() << "lblPERA"
                         << "5.226";
    QTest::newRow("ERA below 1") << with([](MainState &s) { s.totals.PTotalERA = 0.5f; })
                                 << "lblPERA"
                                 << "0.500";
    QTest::newRow("W-L") << smith() << "lblPWinLoss"
                         << "3-2";
    QTest::newRow("saves") << smith() << "lblPSaves"
                           << "1";
    QTest::newRow("team") << smith() << "lblTeam"
                          << "Cubs";
    QTest::newRow("back team") << smith() << "lblBackTeam"
                               << "Cubs";
    QTest::newRow("player") << smith() << "lblPlayer"
                            << "Smith";
}

void TestCards::cardTexts()
{
    QFETCH(MainState, state);
    QFETCH(QString, element);
    const CardFill fill = FillCard(state);
    QVERIFY2(fill.texts.contains(element), qPrintable(element));
    QTEST(fill.texts.value(element), "text");
}

void TestCards::countsComeFromTheirTotals()
{
    MainState s;
    SeasonTotals &t = s.totals;
    qint16 *counts[] = {&t.BTotalGames,   &t.BTotalHits,    &t.BTotalAtBats, &t.BTotalRuns,
                        &t.BTotalWalks,   &t.BTotalSOs,     &t.BTotalSBs,    &t.BTotalDoubles,
                        &t.BTotalTriples, &t.BTotalHomers,  &t.BTotalRBIs,   &t.PTotalGames,
                        &t.PTotalHits,    &t.PTotalAtBats,  &t.PTotalRuns,   &t.PTotalWalks,
                        &t.PTotalSOs,     &t.PTotalStrikes, &t.PTotalBalls,  &t.PTotalWildPitch};
    const char *elements[] = {"lblBGames", "lblBHits",  "lblBAtBats",  "lblBRuns",    "lblBWalks",
                              "lblBSOs",   "lblBSBs",   "lblBDoubles", "lblBTriples", "lblBHomers",
                              "lblBRBIs",  "lblPGames", "lblPHits",    "lblPAtBats",  "lblPRuns",
                              "lblPWalks", "lblPSOs",   "lblPStrikes", "lblPBalls",   "lblPWild"};
    for (int i = 0; i < 20; ++i)
        *counts[i] = qint16(101 + i);
    const CardFill fill = FillCard(s);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(fill.texts.value(elements[i]), QString::number(101 + i));
}

void TestCards::shieldsFollowTheShownBlocks()
{
    MainState s = smith();
    s.ShowBatting = false;
    CardFill fill = FillCard(s);
    QCOMPARE(fill.sBat, Shield::SolidWhite);
    QCOMPARE(fill.sPit, Shield::Transparent);
    // The values stay filled; the shield alone hides them.
    QCOMPARE(fill.texts.value("lblBAverage"), QString(".300"));
    QCOMPARE(fill.texts.value("lblHomeTown"), QString("Springfield, IL"));
    s = smith();
    s.ShowPitching = false;
    fill = FillCard(s);
    QCOMPARE(fill.sBat, Shield::Transparent);
    QCOMPARE(fill.sPit, Shield::SolidWhite);
}

void TestCards::frontSheet_data()
{
    QTest::addColumn<int>("cards");
    QTest::addColumn<QVector<QPoint>>("origins");
    QTest::addColumn<QVector<QLine>>("lines");

    const auto down = [](int x, int y2) { return QLine(x, 360, x, y2); };
    const auto across = [](int y, int x2) { return QLine(720, y, x2, y); };
    QVector<QPoint> all;
    for (int y : {360, 5400, 10440})
        for (int x : {720, 4320, 7920})
            all.append(QPoint(x, y));

    QTest::newRow("none") << 0 << QVector<QPoint>() << QVector<QLine>();
    QTest::newRow("1") << 1 << all.mid(0, 1)
                       << QVector<QLine>{down(720, 5400), down(4320, 5400), across(360, 4320),
                                         across(5400, 4320)};
    QTest::newRow("4") << 4 << all.mid(0, 4)
                       << QVector<QLine>{down(720, 10440),   down(4320, 10440),
                                         down(7920, 5400),   down(11520, 5400),
                                         across(360, 11520), across(5400, 11520),
                                         across(10440, 4320)};
    QTest::newRow("5") << 5 << all.mid(0, 5)
                       << QVector<QLine>{down(720, 10440),   down(4320, 10440),
                                         down(7920, 10440),  down(11520, 5400),
                                         across(360, 11520), across(5400, 11520),
                                         across(10440, 7920)};
    QTest::newRow("6") << 6 << all.mid(0, 6)
                       << QVector<QLine>{down(720, 10440),    down(4320, 10440),
                                         down(7920, 10440),   down(11520, 10440),
                                         across(360, 11520),  across(5400, 11520),
                                         across(10440, 11520)};
    QTest::newRow("9") << 9 << all << QVector<QLine>{down(720, 15480),     down(4320, 15480),
                                                     down(7920, 15480),    down(11520, 15480),
                                                     across(360, 11520),   across(5400, 11520),
                                                     across(10440, 11520), across(15480, 11520)};
}

void TestCards::frontSheet()
{
    QFETCH(int, cards);
    QFETCH(QVector<QPoint>, origins);
    QFETCH(QVector<QLine>, lines);
    QCOMPARE(CardSheet::cutLines(cards), lines);

    CardSheet::FrontSheet sheet;
    sheet.texts = FillCard(smith()).texts;
    sheet.cards = cards;
    RecordingCanvas canvas;
    CardSheet::drawFronts(canvas, sheet);

    // Each card's white disc lies at (3135, 4550) from its origin.
    QVector<QPoint> drawn;
    for (const CanvasOp &o : opsOf(canvas.ops, CanvasOp::Circle))
        if (o.color == White)
            drawn.append(o.centre - QPoint(3135, 4550));
    QCOMPARE(drawn, origins);

    // The cut lines come after every card, black and half a point wide.
    int firstLine = canvas.ops.size();
    QVector<QLine> drawnLines;
    for (int i = 0; i < canvas.ops.size(); ++i) {
        const CanvasOp &o = canvas.ops[i];
        if (o.kind != CanvasOp::Line) {
            QVERIFY(i < firstLine);
            continue;
        }
        firstLine = std::min(firstLine, i);
        QCOMPARE(o.color, 0);
        QCOMPARE(o.state.drawWidthTwips, 10);
        drawnLines.append(QLine(o.rect.topLeft(), o.rect.bottomRight()));
    }
    QCOMPARE(drawnLines, lines);
}

void TestCards::oneFrontInDrawingOrder()
{
    CardSheet::FrontSheet sheet;
    sheet.texts = FillCard(smith()).texts;
    sheet.borderColor = Red;
    sheet.photo = solid(300, 300, Qt::blue);
    sheet.hasPhotoPath = true;
    RecordingCanvas canvas;
    CardSheet::drawFronts(canvas, sheet);
    const QVector<CanvasOp> &ops = canvas.ops;
    QCOMPARE(ops.size(), 15); // photo, 4 frame sides, band, 2 circles, 3 texts, 4 cut lines

    // Slot 1 lies at (720, 360).
    QCOMPARE(ops[0].kind, CanvasOp::Picture);
    QCOMPARE(ops[0].rect, QRect(995, 635, 3060, 4050));
    QCOMPARE(ops[0].source, QRect(0, 0, 3060, 4050));
    const QVector<QRect> filled = {
        QRect(QPoint(995, 585), QPoint(4055, 635)), QRect(QPoint(4055, 585), QPoint(4105, 4735)),
        QRect(QPoint(945, 4685), QPoint(4105, 4735)), QRect(QPoint(945, 585), QPoint(995, 4735)),
        QRect(QPoint(945, 4670), QPoint(4105, 5175))};
    for (int i = 0; i < filled.size(); ++i) {
        QCOMPARE(ops[1 + i].kind, CanvasOp::FilledBox);
        QCOMPARE(ops[1 + i].rect, filled[i]);
        QCOMPARE(ops[1 + i].color, Red);
    }
    // The disc: white-filled with a white outline, then a black outline with no fill.
    QCOMPARE(ops[6].kind, CanvasOp::Circle);
    QCOMPARE(ops[6].centre, QPoint(3855, 4910));
    QCOMPARE(ops[6].radius, 200);
    QCOMPARE(ops[6].color, White);
    QCOMPARE(ops[6].state.fillStyle, FillStyle::Solid);
    QCOMPARE(ops[6].state.fillColor, White);
    QCOMPARE(ops[7].centre, QPoint(3855, 4910));
    QCOMPARE(ops[7].color, 0);
    QCOMPARE(ops[7].state.fillStyle, FillStyle::Transparent);
    QCOMPARE(canvas.state().fillStyle, FillStyle::Transparent);

    // The recording canvas measures 100 twips a character and 200 a line at 10 pt.
    QCOMPARE(ops[8].text, QString("Smith"));
    QCOMPARE(at(ops[8]), QPoint(720 + 1800 - 250, 360 + 4325));
    QCOMPARE(ops[8].state.fontName, QString("ms sans serif"));
    QCOMPARE(ops[8].state.fontSize, 10.0);
    QVERIFY(!ops[8].state.fontBold && !ops[8].state.fontItalic);
    QCOMPARE(ops[8].state.foreColor, White);
    QCOMPARE(ops[9].text, QString("Cubs"));
    QCOMPARE(at(ops[9]), QPoint(720 + 1800 - 200, 360 + 4550));
    QVERIFY(ops[9].state.fontBold);
    QCOMPARE(ops[9].state.foreColor, White);
    QCOMPARE(ops[10].text, QString("SS"));
    QCOMPARE(at(ops[10]), QPoint(720 + 3150 - 100, 360 + 4550 - 100));
    QVERIFY(ops[10].state.fontBold);
    QCOMPARE(ops[10].state.foreColor, 0);

    // No photo without a path to one, even with a picture at hand.
    sheet.hasPhotoPath = false;
    RecordingCanvas noPhoto;
    CardSheet::drawFronts(noPhoto, sheet);
    QVERIFY(opsOf(noPhoto.ops, CanvasOp::Picture).isEmpty());
}

void TestCards::backSlots_data()
{
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QVector<QPoint>>("origins");

    const QVector<QPoint> four = {{7920, 360}, {4320, 360}, {720, 360}, {7920, 5400}};
    const auto moved = [&four](int cards, int dx) {
        QVector<QPoint> points;
        for (int i = 0; i < cards; ++i)
            points.append(four[i] + QPoint(dx, 0));
        return points;
    };
    QTest::newRow("3 cards") << 3 << 0 << moved(3, 0);
    QTest::newRow("4 cards") << 4 << 0 << moved(4, 0);
    QTest::newRow("3 cards, alignment 16") << 3 << 16 << moved(3, 1440);
    QTest::newRow("4 cards, alignment 16") << 4 << 16 << moved(4, 1440);
    QTest::newRow("3 cards, alignment -8") << 3 << -8 << moved(3, -720);
    QTest::newRow("4 cards, alignment -8") << 4 << -8 << moved(4, -720);
    QTest::newRow("9 cards") << 9 << 0
                             << QVector<QPoint>{{7920, 360},   {4320, 360},   {720, 360},
                                                {7920, 5400},  {4320, 5400},  {720, 5400},
                                                {7920, 10440}, {4320, 10440}, {720, 10440}};
}

void TestCards::backSlots()
{
    QFETCH(int, cards);
    QFETCH(int, alignment);
    QFETCH(QVector<QPoint>, origins);

    CardSheet::BackSheet sheet;
    sheet.texts = FillCard(smith()).texts;
    sheet.logo = solid(140, 124, Qt::green);
    sheet.cards = cards;
    sheet.alignment = alignment;
    RecordingCanvas canvas;
    CardSheet::drawBacks(canvas, sheet);

    // Each back's border starts at (150, 150) from its origin.
    const QVector<CanvasOp> boxes = opsOf(canvas.ops, CanvasOp::Box);
    QCOMPARE(boxes.size(), 4 * cards);
    QVector<QPoint> drawn;
    for (int i = 0; i < boxes.size(); i += 4)
        drawn.append(boxes[i].rect.topLeft() - QPoint(150, 150));
    QCOMPARE(drawn, origins);
    QVERIFY(opsOf(canvas.ops, CanvasOp::Line).isEmpty()); // no cut lines on the back
}

void TestCards::oneBackInDrawingOrder()
{
    CardSheet::BackSheet sheet;
    sheet.texts = FillCard(smith()).texts;
    sheet.logo = solid(140, 124, Qt::green);
    RecordingCanvas canvas;
    CardSheet::drawBacks(canvas, sheet);
    const QVector<CanvasOp> &ops = canvas.ops;
    const QPoint o(7920, 360); // card 1's back, column 0 mirrored

    // Border: four outlines with a half-point pen on any printer, in font A.
    const QVector<QRect> border = {
        QRect(QPoint(150, 150), QPoint(3435, 155)), QRect(QPoint(3430, 150), QPoint(3435, 4850)),
        QRect(QPoint(150, 4845), QPoint(3435, 4850)), QRect(QPoint(150, 150), QPoint(150, 4850))};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(ops[i].kind, CanvasOp::Box);
        QCOMPARE(ops[i].rect, border[i].translated(o));
        QCOMPARE(ops[i].color, 0);
        QCOMPARE(ops[i].state.drawWidthTwips, 10);
    }

    const QVector<CanvasOp> texts = canvas.texts();
    QCOMPARE(texts.size(), 1 + 8 + 24 + 24 + 6 + 1);
    struct Expected
    {
        int index;
        const char *text;
        int x, y;
        const char *font;
        double size;
        bool bold, italic;
    };
    // 10 pt: 100 twips a character; 8 pt: 80.
    const QVector<Expected> expected = {
        {0, "Smith - SS", 1800 - 500, 240, "arial", 10, true, false},
        {1, "Hometown:", 840, 840, "ms sans serif", 8, false, false},
        {2, "Springfield, IL", 1800, 840, "ms sans serif", 8, false, false},
        {3, "Age:", 1650 - 320, 1080, "ms sans serif", 8, false, false},
        {4, "12", 1800, 1080, "ms sans serif", 8, false, false},
        {5, "Bats:", 1650 - 400, 1320, "ms sans serif", 8, false, false},
        {6, "Left", 1800, 1320, "ms sans serif", 8, false, false},
        {7, "Throws:", 1650 - 560, 1560, "ms sans serif", 8, false, false},
        {8, "Right", 1800, 1560, "ms sans serif", 8, false, false},
        // Batting grid, column by column: G, AB, H first.
        {9, "G:", 615 - 160, 2280, "ms sans serif", 8, false, false},
        {10, "10", 645, 2280, "ms sans serif", 8, false, false},
        {11, "AB:", 615 - 240, 2520, "ms sans serif", 8, false, false},
        {15, "2B:", 1380 - 240, 2280, "ms sans serif", 8, false, false},
        {31, "SLUG:", 2940 - 400, 2760, "ms sans serif", 8, false, false},
        {32, "1.500", 2970, 2760, "ms sans serif", 8, false, false},
        // Pitching grid: the print keeps the batting grid's edges where the screen does not.
        {33, "W-L:", 615 - 320, 3480, "ms sans serif", 8, false, false},
        {34, "3-2", 645, 3480, "ms sans serif", 8, false, false},
        {43, "R:", 1380 - 160, 3960, "ms sans serif", 8, false, false},
        {44, "0", 1410, 3960, "ms sans serif", 8, false, false},
        {53, "B:", 2940 - 160, 3720, "ms sans serif", 8, false, false},
        {54, "0", 2970, 3720, "ms sans serif", 8, false, false},
        // Headlines in font C.
        {57, "Batting:", 240, 2040, "ms sans serif", 8, true, false},
        {58, "AVG:", 2850 - 320, 2040, "ms sans serif", 8, true, false},
        {59, ".300", 2880, 2040, "ms sans serif", 8, true, false},
        {60, "Pitching:", 240, 3240, "ms sans serif", 8, true, false},
        {61, "ERA:", 2850 - 320, 3240, "ms sans serif", 8, true, false},
        {62, "5.226", 2880, 3240, "ms sans serif", 8, true, false},
        // Font D.
        {63, "Cubs", 1800 - 200, 480, "ms sans serif", 10, true, true},
    };
    for (const Expected &e : expected) {
        const CanvasOp &t = texts[e.index];
        const QByteArray where = QByteArray::number(e.index) + ": " + e.text;
        QVERIFY2(t.text == QLatin1String(e.text), where.constData());
        QVERIFY2(at(t) == o + QPoint(e.x, e.y), where.constData());
        QVERIFY2(t.state.fontName == QLatin1String(e.font), where.constData());
        QVERIFY2(t.state.fontSize == e.size, where.constData());
        QVERIFY2(t.state.fontBold == e.bold && t.state.fontItalic == e.italic, where.constData());
        QVERIFY2(t.state.foreColor == 0 && t.state.drawWidthTwips == 10, where.constData());
    }
    QCOMPARE(textsOf(texts.mid(9, 24)).filter(":"),
             QStringList({"G:", "AB:", "H:", "2B:", "3B:", "HR:", "R:", "RBI:", "BB:", "SO:", "SB:",
                          "SLUG:"}));
    QCOMPARE(textsOf(texts.mid(33, 24)).filter(":"),
             QStringList(
                 {"W-L:", "SA:", "G:", "IP:", "AB:", "R:", "H:", "BB:", "SO:", "S:", "B:", "WP:"}));

    // Last, the logo scaled into 700 x 620 twips.
    QCOMPARE(ops.last().kind, CanvasOp::Picture);
    QCOMPARE(ops.last().rect, QRect(o + QPoint(2700, 4200), QSize(700, 620)));
    QCOMPARE(ops.last().pictureSize, QSize(140, 124));
}

void TestCards::switchedOffBlocksAreNotPrinted_data()
{
    QTest::addColumn<bool>("batting");
    QTest::addColumn<bool>("pitching");
    QTest::newRow("no batting") << false << true;
    QTest::newRow("no pitching") << true << false;
    QTest::newRow("neither") << false << false;
}

void TestCards::switchedOffBlocksAreNotPrinted()
{
    QFETCH(bool, batting);
    QFETCH(bool, pitching);
    CardSheet::BackSheet sheet;
    sheet.texts = FillCard(smith()).texts;
    sheet.logo = solid(140, 124, Qt::green);
    sheet.showBatting = batting;
    sheet.showPitching = pitching;
    RecordingCanvas canvas;
    CardSheet::drawBacks(canvas, sheet);

    const QStringList texts = textsOf(canvas.ops);
    QCOMPARE(texts.contains("Batting:"), batting);
    QCOMPARE(texts.contains("AVG:"), batting);
    QCOMPARE(texts.contains(".300"), batting);
    QCOMPARE(texts.contains("SLUG:"), batting);
    QCOMPARE(texts.contains("Pitching:"), pitching);
    QCOMPARE(texts.contains("5.226"), pitching);
    QCOMPARE(texts.contains("WP:"), pitching);
    QCOMPARE(texts.size(), 10 + (batting ? 27 : 0) + (pitching ? 27 : 0));
    // Name lines, profile, border and logo are always there.
    for (const char *always : {"Smith - SS", "Cubs", "Hometown:", "Springfield, IL", "Throws:"})
        QVERIFY2(texts.contains(always), always);
    QCOMPARE(opsOf(canvas.ops, CanvasOp::Box).size(), 4);
    QCOMPARE(opsOf(canvas.ops, CanvasOp::Picture).size(), 1);
}

void TestCards::grayscaleSetsMonochrome()
{
    for (bool grayscale : {false, true}) {
        const ColorMode expected = grayscale ? ColorMode::Monochrome : ColorMode::Color;
        CardSheet::FrontSheet front;
        front.grayscale = grayscale;
        RecordingCanvas fronts;
        CardSheet::drawFronts(fronts, front);
        QCOMPARE(fronts.ops.first().state.colorMode, expected);

        CardSheet::BackSheet back;
        back.grayscale = grayscale;
        RecordingCanvas backs;
        CardSheet::drawBacks(backs, back);
        QCOMPARE(backs.ops.first().state.colorMode, expected);
    }
}

// The longest texts on the recording canvas (every letter as wide as its size times 10 twips):
// each within its room, centred texts still centred, narrower letters before a smaller size, and
// "…" only past both.
void TestCards::longTextsKeepToTheirRooms()
{
    const CardElementTexts texts = FillCard(longest()).texts;
    RecordingCanvas canvas;
    CardSheet::FrontSheet front;
    front.texts = texts;
    CardSheet::drawFronts(canvas, front);
    const QPoint f = CardSheet::frontOrigin(1);
    const auto width = [](const CanvasOp &o) {
        return qRound(o.text.size() * o.state.fontSize * 10 * o.state.fontStretch / 100.0);
    };
    for (const CanvasOp &o : canvas.texts()) {
        if (o.text == "SS")
            continue;
        const int left = at(o).x() - f.x();
        QVERIFY2(left >= 1800 - 1135 && left + width(o) <= 2935, qPrintable(o.text));
        QVERIFY2(qAbs(left + width(o) / 2 - 1800) <= 1, qPrintable(o.text));
        QVERIFY2(o.state.fontStretch < 100 && o.state.fontStretch >= 60, qPrintable(o.text));
        QVERIFY(!o.text.endsWith("…"));
    }
    QCOMPARE(
        textsOf(canvas.ops).mid(0, 2),
        QStringList({"Christopher Montgomery-Wild", "Riverside Springfield Junior Tigers Club"}));
    // The next text starts in the font as it was.
    QCOMPARE(canvas.texts()[2].state.fontStretch, 100);
    QCOMPARE(canvas.texts()[2].state.fontSize, 10.0);

    // A name as long as a file name may be: 7 points at 60 %, then cut short.
    RecordingCanvas cut;
    front.texts["lblPlayer"] = QString(200, 'W');
    CardSheet::drawFronts(cut, front);
    const CanvasOp &name = cut.texts()[0];
    QVERIFY(name.text.endsWith("…") && name.text.startsWith("WWW"));
    QCOMPARE(name.state.fontSize, 7.0);
    QCOMPARE(name.state.fontStretch, 60);
    QVERIFY(width(name) <= 2270);

    // The back: the lines inside the border with its margin, the hometown and the last column to
    // 30 twips before the border, each value 30 twips before the next column's caption.
    RecordingCanvas back;
    CardSheet::BackSheet sheet;
    sheet.texts = texts;
    CardSheet::drawBacks(back, sheet);
    const QPoint b = CardSheet::backOrigin(1, 0);
    QHash<QString, CanvasOp> drawn;
    for (const CanvasOp &o : back.texts())
        drawn.insert(o.text + "@" + QString::number(o.state.currentY - b.y()) + "@" +
                         QString::number(o.state.currentX - b.x()),
                     o);
    int checked = 0;
    for (const CanvasOp &o : back.texts()) {
        const int left = at(o).x() - b.x();
        const int right = left + width(o);
        const int top = at(o).y() - b.y();
        QVERIFY2(left >= 240 && right <= 3400, qPrintable(o.text));
        // The caption right of a value on its line.
        for (const CanvasOp &other : back.texts()) {
            const int otherLeft = at(other).x() - b.x();
            if (&other != &o && at(other).y() - b.y() == top && otherLeft > left &&
                other.text.endsWith(':') && !o.text.endsWith(':')) {
                QVERIFY2(right <= otherLeft - 30, qPrintable(o.text + " before " + other.text));
                ++checked;
            }
        }
    }
    QVERIFY(checked > 15);
    // Five-digit counts keep their size, set narrower where the room asks.
    for (const CanvasOp &o : back.texts())
        if (o.text == "32767")
            QVERIFY(o.state.fontSize == 8.0);
}

void TestCards::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_host = std::make_unique<FakeHost>();
    m_host->s = smith();
    m_host->s.ApplicationPath = m_dir->path() + QLatin1Char('/');
    m_host->s.ShippedPath = m_dir->path() + QStringLiteral("/shipped/");
    writeBytes(m_host->s.ShippedPath + "logo2.bmp",
               readBytes(QStringLiteral(SCOREBINDER_ASSETS "/logo2.bmp")));
    m_view = std::make_unique<frmViewCard>(*m_host);
}

void TestCards::cleanup()
{
    m_view.reset();
    m_host.reset();
    m_dir.reset();
}

void TestCards::viewShowsTheCardAfterItsTimer()
{
    frmViewCard &view = *m_view;
    QCOMPARE(view.windowTitle(), QString("Trading Card"));
    QCOMPARE(view.size(), QSize(534, 449));
    QCOMPARE(view.picCard->geometry(), twipsRect(240, 240, 3600, 5040));
    QCOMPARE(view.picCardBack->geometry(), twipsRect(4200, 240, 3600, 5040));
    const struct
    {
        QPushButton *button;
        const char *name, *caption;
        QRect twips;
    } buttons[] = {
        {view.cmdPrintFront, "cmdPrintFront", "Print Card &Front", {1320, 5400, 1335, 375}},
        {view.cmdCardOptions, "cmdCardOptions", "&Card Options", {3360, 5400, 1335, 375}},
        {view.cmdPrintBack, "cmdPrintBack", "Print Card &Back", {5400, 5400, 1335, 375}},
        {view.cmdRefresh, "cmdRefresh", "&Refresh", {5280, 6240, 975, 375}},
        {view.cmdExit, "cmdExit", "&Exit", {6720, 6240, 975, 375}}};
    for (const auto &b : buttons) {
        QCOMPARE(b.button->objectName(), QString(b.name));
        QCOMPARE(b.button->text(), QString(b.caption));
        QCOMPARE(b.button->geometry(),
                 twipsRect(b.twips.x(), b.twips.y(), b.twips.width(), b.twips.height()));
    }

    // Loaded: the shapes coloured, the texts still empty until the timer.
    QVERIFY(view.Timer1.isActive() && view.Timer1.isSingleShot());
    QCOMPARE(view.Timer1.interval(), 100);
    QCOMPARE(view.Shape4->borderColor(), QColor(Qt::red));
    QCOMPARE(view.Shape4->borderWidth(), 4);
    QVERIFY(!view.Shape4->fillColor().isValid());
    QCOMPARE(view.Shape2->fillColor(), QColor(Qt::red));
    QCOMPARE(view.lblPlayer->text(), QString());

    m_host->s.Age = 0;
    view.Timer1Tick();
    QVERIFY(!view.Timer1.isActive());
    QCOMPARE(view.elementTexts(), FillCard(m_host->s).texts);
    QCOMPARE(view.lblPlayer->text(), QString("Smith"));
    QCOMPARE(view.findChild<QLabel *>("lblPERA")->text(), QString("5.226"));
    QCOMPARE(view.element("lblAge")->text(), QString());
    // Captions are labels too, in place whatever the values.
    QCOMPARE(view.findChild<QLabel *>("lblAgeCaption")->text(), QString("Age:"));
    QCOMPARE(view.findChild<QLabel *>("lblBattingCaption")->text(), QString("Batting:"));
    QCOMPARE(view.findChild<QLabel *>("lblPBallsCaption")->text(), QString("B:"));
    QCOMPARE(view.findChild<QLabel *>("lblPBallsCaption")->geometry().right() + 1,
             twipsToPixels(2790));
    QCOMPARE(view.element("lblPRuns")->x(), twipsToPixels(1440));
    QCOMPARE(view.element("lblPWild")->x(), twipsToPixels(2850));
    QCOMPARE(view.element("lblBSlugging")->x(), twipsToPixels(2970));

    // Exit closes the window.
    view.show();
    view.cmdExit->click();
    QVERIFY(!view.isVisible());
    QCOMPARE(m_host->d.messages.size(), 0);
}

void TestCards::photoAndLogo()
{
    frmViewCard &view = *m_view;
    // A photo at the card's photo size, blue; painted from (275, 275) twips = 18.3 pixels.
    m_host->picture = solid(204, 270, Qt::blue);
    m_host->s.PlayerPicturePath = "photo.bmp";
    view.Timer1Tick();
    const QImage &front = view.picCard->image();
    QCOMPARE(front.pixelColor(19, 19), QColor(Qt::blue));
    QCOMPARE(front.pixelColor(221, 287), QColor(Qt::blue));
    QCOMPARE(front.pixelColor(17, 100), QColor(Qt::white));
    QCOMPARE(front.pixelColor(223, 100), QColor(Qt::white));

    // The logo through its mask at pixel (185, 285): the white card ANDed with the mask, then
    // ORed with the logo; so the card shows where the mask is white and the logo where it is black.
    const QImage logo(":/logo36.bmp");
    const QImage mask(":/logo36mask.bmp");
    const QImage &back = view.picCardBack->image();
    int covered = 0;
    for (int y = 0; y < 33; ++y)
        for (int x = 0; x < 36; ++x) {
            const QRgb expected = (mask.pixel(x, y) | logo.pixel(x, y)) & 0xFFFFFF;
            QCOMPARE(back.pixel(185 + x, 285 + y) & 0xFFFFFF, expected);
            covered += mask.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
        }
    QVERIFY(covered > 100);
    QCOMPARE(back.pixelColor(185 + 18, 285 + 16), logo.pixelColor(18, 16));
    QCOMPARE(back.pixelColor(184, 300), QColor(Qt::white));

    // Without a path to a photo the area stays white, whatever the main window holds.
    m_host->s.PlayerPicturePath.clear();
    view.reload();
    view.Timer1Tick();
    QCOMPARE(view.picCard->image().pixelColor(100, 100), QColor(Qt::white));
}

void TestCards::shieldsCoverTheirBlocks_data()
{
    QTest::addColumn<bool>("batting");
    QTest::addColumn<bool>("pitching");
    QTest::newRow("both shown") << true << true;
    QTest::newRow("batting off") << false << true;
    QTest::newRow("pitching off") << true << false;
}

void TestCards::shieldsCoverTheirBlocks()
{
    QFETCH(bool, batting);
    QFETCH(bool, pitching);
    m_host->s.ShowBatting = batting;
    m_host->s.ShowPitching = pitching;
    frmViewCard &view = *m_view;
    view.Timer1Tick();
    QCOMPARE(view.sBat->isHidden(), batting);
    QCOMPARE(view.sPit->isHidden(), pitching);
    QCOMPARE(view.sBat->fillColor(), QColor(Qt::white));
    QCOMPARE(view.sBat->borderWidth(), 0);

    // What the back shows: dark text pixels in a block's area only when its shield is off.
    const QImage shown = view.picCardBack->grab().toImage();
    const auto darkIn = [&shown](const QRect &twips) {
        const QRect area = twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                dark += qGray(shown.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    };
    QCOMPARE(darkIn(QRect(180, 2000, 3225, 975)) > 20, batting);
    QCOMPARE(darkIn(QRect(180, 3200, 3225, 975)) > 20, pitching);
    QVERIFY(darkIn(QRect(240, 840, 3135, 915)) > 20); // the profile block
}

void TestCards::refreshReloadsFromTheState()
{
    frmViewCard &view = *m_view;
    m_host->picture = solid(204, 270, Qt::blue);
    m_host->s.PlayerPicturePath = "photo.bmp";
    view.Timer1Tick();
    m_host->s.PlayerName = "Jones";
    m_host->s.TeamBorderColor = 0x008000; // green
    m_host->s.ShowBatting = false;
    QCOMPARE(view.lblPlayer->text(), QString("Smith")); // no change until refreshed

    view.cmdRefresh->click();
    QCOMPARE(view.lblPlayer->text(), QString());
    QVERIFY(view.Timer1.isActive());
    QCOMPARE(view.Shape4->borderColor(), QColor(0, 128, 0));
    QCOMPARE(view.Shape2->fillColor(), QColor(0, 128, 0));
    QCOMPARE(view.picCard->image().pixelColor(100, 100), QColor(Qt::white));
    QTRY_VERIFY(!view.Timer1.isActive()); // the timer itself fills the card
    QCOMPARE(view.lblPlayer->text(), QString("Jones"));
    QCOMPARE(view.element("lblBackPlayer")->text(), QString("Jones - SS"));
    QVERIFY(!view.sBat->isHidden());
    QCOMPARE(view.picCard->image().pixelColor(100, 100), QColor(Qt::blue));
}

// Angle brackets in a home town or a name are shown as typed, never read as markup.
void TestCards::textsShowAsTyped()
{
    frmViewCard &view = *m_view;
    m_host->s.HomeTown = "<b>Springfield</b>";
    m_host->s.TeamName = "<i>Cubs";
    view.cmdRefresh->click();
    QTRY_VERIFY(!view.Timer1.isActive());
    QCOMPARE(view.element("lblHomeTown")->text(), QString("<b>Springfield</b>, IL"));
    const QStringList markup = TextsInSight::cutTexts(view).filter("read as markup");
    QVERIFY2(markup.isEmpty(), qPrintable(markup.join('\n')));
}

void TestCards::printingThatCannotGoOn()
{
    frmViewCard &view = *m_view;
    view.Timer1Tick();
    ScriptedDialogs &d = m_host->d;

    // Cancelled: silent, nothing printed.
    d.printerAnswers.enqueue(std::nullopt);
    view.cmdPrintFront->click();
    d.printerAnswers.enqueue(std::nullopt);
    view.cmdPrintBack->click();
    QCOMPARE(d.printerDialogs, 2);
    QCOMPARE(d.printedNames, QStringList({"Smith - Card Fronts", "Smith - Card Backs"}));
    QCOMPARE(d.messages.size(), 0);

    // A printer that cannot start the page: the user is told, and no page appears.
    const QString nowhere = m_dir->filePath("no folder/sheet.pdf");
    d.printerAnswers.enqueue(nowhere);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    view.cmdPrintFront->click();
    QCOMPARE(d.messages.size(), 1);
    QCOMPARE(d.messages[0].title, QString("Trading Card"));
    QVERIFY2(d.messages[0].text.contains("could not be started"), qPrintable(d.messages[0].text));
    QVERIFY(!QFile::exists(nowhere));
}

void TestCards::missingLogoPrintsNothing_data()
{
    QTest::addColumn<QByteArray>("logo");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray() << "does not exist";
    QTest::newRow("not a picture") << QByteArray("not a bitmap") << "";
}

void TestCards::missingLogoPrintsNothing()
{
    QFETCH(QByteArray, logo);
    QFETCH(QString, reason);
    const QString path = m_host->s.ShippedPath + "logo2.bmp";
    QFile::remove(path);
    if (!logo.isEmpty())
        writeBytes(path, logo);
    m_view->Timer1Tick();
    const QString pdf = m_dir->filePath("back.pdf");
    m_host->d.printerAnswers.enqueue(pdf);
    m_view->cmdPrintBack->click();

    QCOMPARE(m_host->d.messages.size(), 1);
    const QString text = m_host->d.messages[0].text;
    QVERIFY2(text.contains(path) && text.contains(reason), qPrintable(text));
    QCOMPARE(m_host->d.printerDialogs, 0); // told before choosing a printer for nothing
    QVERIFY(!QFile::exists(pdf));
}

void TestCards::printedSheetsPlaceTheirTexts()
{
    MainState &s = m_host->s;
    s.PlayerName = "Casey";
    s.TeamName = "Mudhens";
    s.CardsPerPage = 5;
    s.Alignment = -2;
    s.PlayerPicturePath = "photo.bmp";
    m_host->picture = solid(204, 270, Qt::blue);
    m_view->Timer1Tick();
    const QString frontPdf = m_dir->filePath("front.pdf");
    const QString backPdf = m_dir->filePath("back.pdf");
    m_host->d.printerAnswers.enqueue(frontPdf);
    m_view->cmdPrintFront->click();
    m_host->d.printerAnswers.enqueue(backPdf);
    m_view->cmdPrintBack->click();
    QCOMPARE(m_host->d.messages.size(), 0);
    // Named after the player whose card is printed.
    QCOMPARE(m_host->d.printedNames, QStringList({"Casey - Card Fronts", "Casey - Card Backs"}));

    // The test printer has no margins: the printable area starts at the page's corner. A point is
    // 20 twips.
    const QPointF offset(0, 0);
    const auto placed = [&offset](const QVector<PdfWord> &words, const QString &text,
                                  const QVector<QPoint> &expected, bool centred) {
        int found = 0;
        for (const QPoint &twips : expected)
            for (const PdfWord &w : words) {
                const double x = (centred ? (w.xMin + w.xMax) / 2 : w.xMin) - offset.x();
                if (w.text == text && qAbs(x - twips.x() / 20.0) <= 1.0 &&
                    qAbs(w.yMin - offset.y() - twips.y() / 20.0) <= 4.0)
                    ++found;
            }
        return found;
    };
    QVector<QPoint> names, hometowns;
    for (int card = 1; card <= 5; ++card) {
        names.append(CardSheet::frontOrigin(card) + QPoint(1800, 4325));
        hometowns.append(CardSheet::backOrigin(card, -2) + QPoint(840, 840));
    }
    QCOMPARE(hometowns[0], QPoint(7740 + 840, 360 + 840));
    QCOMPARE(hometowns[4], QPoint(4140 + 840, 5400 + 840));
    const QVector<PdfWord> front = pdfWords(frontPdf);
    QVERIFY2(!front.isEmpty(), "pdftotext found no words on the front sheet");
    QCOMPARE(placed(front, "Casey", names, true), 5);
    const QVector<PdfWord> back = pdfWords(backPdf);
    QCOMPARE(placed(back, "Hometown:", hometowns, false), 5);

    // Pixels of the front sheet at 288 dpi: 5 twips a pixel.
    const QImage page = renderPdfPage(frontPdf, m_dir->filePath("front"), 288);
    QVERIFY(!page.isNull());
    const auto pixel = [&page](int x, int y) { return page.pixelColor(x / 5, y / 5); };
    const auto dark = [&pixel](int x, int y) { return qGray(pixel(x, y).rgb()) < 100; };
    const auto is = [&pixel](int x, int y, const QColor &colour) {
        const QColor c = pixel(x, y);
        return qAbs(c.red() - colour.red()) <= 3 && qAbs(c.green() - colour.green()) <= 3 &&
               qAbs(c.blue() - colour.blue()) <= 3;
    };
    QVERIFY(dark(722, 3000));    // the left cut line of the first column
    QVERIFY(dark(11522, 3000));  // the right edge of the first row
    QVERIFY(!dark(11522, 8000)); // but not beside the empty sixth cell
    QVERIFY(!dark(9720, 8000));
    QVERIFY(dark(7922, 8000));                      // the fifth card's right edge
    QVERIFY(is(720 + 250, 360 + 2000, Qt::red));    // frame, left side
    QVERIFY(is(720 + 1800, 360 + 250, Qt::red));    // frame, top
    QVERIFY(is(720 + 1800, 360 + 2000, Qt::blue));  // photo
    QVERIFY(is(720 + 400, 360 + 4750, Qt::red));    // band
    QVERIFY(is(720 + 2985, 360 + 4550, Qt::white)); // inside the disc
    QVERIFY(is(720 + 150, 360 + 2000, Qt::white));  // between the cut line and the frame
}

// The longest texts in the card view (whole, or cut short with the whole text in the tooltip and in
// what prints) and on real printed sheets: every word inside its room.
void TestCards::longTextsFitOnScreenAndInThePdf()
{
    MainState &s = m_host->s;
    const MainState folders = s;
    s = longest();
    s.ApplicationPath = folders.ApplicationPath;
    s.ShippedPath = folders.ShippedPath;
    s.CardsPerPage = 2;
    m_view->reload();
    m_view->Timer1Tick();
    QLabel *player = m_view->lblPlayer;
    QCOMPARE(player->text(), s.PlayerName);
    QVERIFY(player->font().stretch() < 100);
    QVERIFY(player->fontMetrics().horizontalAdvance(player->text()) <=
            2 * (m_view->Shape6->x() - player->geometry().center().x()));
    for (const char *name : {"lblTeam", "lblBackPlayer", "lblBackTeam", "lblHomeTown", "lblBWalks",
                             "lblPAtBats", "lblPRuns", "lblPInnings", "lblBSOs"}) {
        QLabel *label = m_view->element(name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
    }
    s.PlayerName = QString(120, 'W');
    m_view->reload();
    m_view->Timer1Tick();
    QVERIFY(player->text().endsWith("…"));
    QCOMPARE(player->toolTip(), s.PlayerName);
    QCOMPARE(m_view->elementTexts().value("lblPlayer"), s.PlayerName);
    s.PlayerName = "Christopher Montgomery-Wild";
    m_view->reload();
    m_view->Timer1Tick();
    QVERIFY(player->toolTip().isEmpty());

    const QString frontPdf = m_dir->filePath("front.pdf");
    const QString backPdf = m_dir->filePath("back.pdf");
    m_host->d.printerAnswers.enqueue(frontPdf);
    m_view->cmdPrintFront->click();
    m_host->d.printerAnswers.enqueue(backPdf);
    m_view->cmdPrintBack->click();
    QCOMPARE(m_host->d.messages.size(), 0);
    // The words of a line, in points from the page's corner (a point is 20 twips).
    const auto line = [](const QVector<PdfWord> &words, int topTwips, int fromTwips, int toTwips) {
        QVector<PdfWord> on;
        for (const PdfWord &w : words)
            if (qAbs(w.yMin - topTwips / 20.0) <= 4 && w.xMin >= fromTwips / 20.0 - 2 &&
                w.xMin <= toTwips / 20.0)
                on.append(w);
        return on;
    };
    const auto inside = [](const QVector<PdfWord> &words, int leftTwips, int rightTwips) {
        for (const PdfWord &w : words)
            if (w.xMin < leftTwips / 20.0 - 0.5 || w.xMax > rightTwips / 20.0 + 0.5)
                return false;
        return !words.isEmpty();
    };
    const QVector<PdfWord> front = pdfWords(frontPdf);
    for (int card = 1; card <= 2; ++card) {
        const QPoint o = CardSheet::frontOrigin(card);
        for (int top : {4325, 4550}) {
            const QVector<PdfWord> words = line(front, o.y() + top, o.x(), o.x() + 3600);
            QVERIFY2(inside(words, o.x() + 1800 - 1135, o.x() + 2935),
                     qPrintable(QString::number(top)));
        }
    }
    const QVector<PdfWord> back = pdfWords(backPdf);
    for (int card = 1; card <= 2; ++card) {
        const QPoint o = CardSheet::backOrigin(card, 0);
        for (int top : {240, 480})
            QVERIFY(
                inside(line(back, o.y() + top, o.x(), o.x() + 3600), o.x() + 240, o.x() + 3340));
        QVERIFY(inside(line(back, o.y() + 840, o.x() + 1700, o.x() + 3600), o.x() + 1800,
                       o.x() + 3400));
        // On every line of both grids, each value ends 30 twips before the caption after it.
        int values = 0;
        for (int top : {2280, 2520, 2760, 3480, 3720, 3960}) {
            QVector<PdfWord> words = line(back, o.y() + top, o.x(), o.x() + 3600);
            std::sort(words.begin(), words.end(),
                      [](const PdfWord &a, const PdfWord &c) { return a.xMin < c.xMin; });
            QVERIFY(inside(words, o.x() + 150, o.x() + 3400));
            for (int i = 0; i + 1 < words.size(); ++i)
                if (!words[i].text.endsWith(':') && words[i + 1].text.endsWith(':')) {
                    QVERIFY2(words[i].xMax <= words[i + 1].xMin - 1.5 + 0.5,
                             qPrintable(words[i].text + " " + words[i + 1].text));
                    ++values;
                }
        }
        QCOMPARE(values, 18);
    }
}

void TestCards::frontSheetHoldsThePhotoOnce()
{
    m_host->s.CardsPerPage = 6;
    m_host->s.PlayerPicturePath = "photo.bmp";
    m_host->picture = solid(206, 272, Qt::blue);
    for (int y = 0; y < 272; ++y)
        for (int x = 0; x < 206; ++x)
            m_host->picture.setPixelColor(x, y, QColor(x, y % 256, (x * y) % 256));
    m_view->Timer1Tick();
    for (const bool grey : {false, true}) {
        m_host->s.PrintGrayscale = grey;
        const QString pdf = m_dir->filePath(grey ? "grey.pdf" : "fronts.pdf");
        m_host->d.printerAnswers.enqueue(pdf);
        m_view->cmdPrintFront->click();
        QCOMPARE(pdfImageCount(pdf), 1);
        QVERIFY2(QFileInfo(pdf).size() < 60 * 1024,
                 qPrintable(QString::number(QFileInfo(pdf).size())));
    }
}

// With "<player>.card.png" beside his bitmap and not older, the prints take it; a bitmap saved
// after it (by another program) makes them take the bitmap again.
void TestCards::printsUseTheSharpPhoto()
{
    MainState &s = m_host->s;
    QDir().mkpath(s.ApplicationPath + s.TeamName);
    const QString bitmap = s.ApplicationPath + "Cubs/Smith.bmp";
    const QString sharp = s.ApplicationPath + "Cubs/Smith.card.png";
    QVERIFY(solid(206, 272, Qt::blue).save(bitmap));
    QVERIFY(solid(638, 844, Qt::blue).save(sharp));
    m_host->picture = QImage(bitmap);
    s.PlayerPicturePath = bitmap;
    QCOMPARE(m_view->frontSheet().photo.size(), QSize(638, 844));
    QFile file(bitmap);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                             QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(m_view->frontSheet().photo.size(), QSize(206, 272));
    // A photo path that names another picture has no print photo.
    s.PlayerPicturePath = s.ApplicationPath + "elsewhere.jpg";
    QCOMPARE(m_view->frontSheet().photo.size(), QSize(206, 272));
}

namespace {

// Every operation with the state it was drawn in, in a form two recordings can be compared by.
QStringList dump(const QVector<CanvasOp> &ops)
{
    QStringList lines;
    for (const CanvasOp &o : ops) {
        const CanvasState &st = o.state;
        lines.append(QStringLiteral("%1 %2 %3,%4 %5 %6 %7 %8 %9 %10 %11 %12 %13 %14")
                         .arg(int(o.kind))
                         .arg(o.text)
                         .arg(st.currentX)
                         .arg(st.currentY)
                         .arg(st.fontName)
                         .arg(st.fontSize)
                         .arg(st.fontBold)
                         .arg(st.foreColor)
                         .arg(st.drawWidth)
                         .arg(st.drawWidthTwips)
                         .arg(int(st.colorMode))
                         .arg(QString::number(o.rect.x()) + ',' + QString::number(o.rect.y()) +
                              ',' + QString::number(o.rect.width()) + ',' +
                              QString::number(o.rect.height()))
                         .arg(o.color)
                         .arg(o.pictureSize.width()));
    }
    return lines;
}

} // namespace

// With the options in force, the preview draws page for page what the two prints draw.
void TestCards::previewPagesAreTheTwoPrints()
{
    MainState &s = m_host->s;
    s.CardsPerPage = 4;
    s.Alignment = -3;
    s.ShowBatting = false;
    s.PrintGrayscale = true;
    s.PlayerPicturePath = "photo.bmp";
    m_host->picture = solid(204, 270, Qt::blue);
    m_view->Timer1Tick();

    const CardSheet::FrontSheet front = m_view->frontSheet();
    const Outcome<CardSheet::BackSheet> back = m_view->backSheet();
    QVERIFY(back.ok());
    RecordingCanvas preview;
    CardSheet::drawBothSheets(preview, front, *back);
    RecordingCanvas fronts;
    CardSheet::drawFronts(fronts, front);
    RecordingCanvas backs;
    CardSheet::drawBacks(backs, *back);

    const QVector<CanvasOp> &ops = preview.ops;
    const auto pageBreak = std::find_if(
        ops.cbegin(), ops.cend(), [](const CanvasOp &o) { return o.kind == CanvasOp::NewPage; });
    QVERIFY(pageBreak != ops.cend());
    QCOMPARE(dump(QVector<CanvasOp>(ops.cbegin(), pageBreak)), dump(fronts.ops));
    QCOMPARE(dump(QVector<CanvasOp>(pageBreak + 1, ops.cend())), dump(backs.ops));
    QCOMPARE(front.cards, 4);
    QCOMPARE(back->alignment, -3);
    QVERIFY(!back->showBatting && front.grayscale && back->grayscale);
}

// Through the button: two pages, the fronts and then the backs, each with the printable area
// outlined; without the logo there is nothing to preview.
void TestCards::previewShowsBothSheets()
{
    frmViewCard &view = *m_view;
    QCOMPARE(view.cmdPreview->text(), QString("Pre&view"));
    QCOMPARE(view.cmdPreview->geometry(), twipsRect(3840, 6240, 975, 375));
    MainState &s = m_host->s;
    s.PlayerName = "Casey";
    s.CardsPerPage = 2;
    view.Timer1Tick();
    const QString pdf = m_dir->filePath("preview.pdf");
    m_host->d.previewAnswers.enqueue(pdf);
    view.cmdPreview->click();
    QCOMPARE(m_host->d.previews, QStringList{"Casey - Card Sheets"});
    QCOMPARE(m_host->d.messages.size(), 0);
    QCOMPARE(pdfPageCount(pdf), 2);
    const auto has = [](const QVector<PdfWord> &words, const QString &text) {
        return std::any_of(words.cbegin(), words.cend(),
                           [&text](const PdfWord &w) { return w.text == text; });
    };
    QVERIFY(has(pdfWords(pdf, 1), "Casey"));
    QVERIFY(!has(pdfWords(pdf, 1), "Hometown:"));
    QVERIFY(has(pdfWords(pdf, 2), "Hometown:"));
    // The outline runs along the page's edge here, where the test printer's printable area ends.
    const QImage page = renderPdfPage(pdf, m_dir->filePath("preview"), 72, 2);
    QVERIFY(qGray(page.pixel(300, 0)) < 230);
    QVERIFY(qGray(page.pixel(300, 10)) > 250);

    QFile::remove(s.ShippedPath + "logo2.bmp");
    view.cmdPreview->click();
    QCOMPARE(m_host->d.previews.size(), 1);
    QCOMPARE(m_host->d.messages.size(), 1);
}

void TestCards::keysWorkAsInADialog_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

// Enter and Esc both press Exit, even while Print Card Front has the focus.
void TestCards::keysWorkAsInADialog()
{
    QFETCH(int, key);
    frmViewCard &view = *m_view;
    view.show();
    QSignalSpy exitClicks(view.cmdExit, &QPushButton::clicked);
    view.cmdPrintFront->setFocus();
    QTest::keyClick(view.cmdPrintFront, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(exitClicks.count(), 1);
    QVERIFY(!view.isVisible());
    QCOMPARE(m_host->d.printerDialogs, 0);
}

QTEST_MAIN(TestCards)
#include "tst_cards.moc"
