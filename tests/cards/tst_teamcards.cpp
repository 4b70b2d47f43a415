// Cards for the whole team, and backs that land behind their fronts on any paper: the sheets on the
// recording canvas, the Team Cards window printing real PDFs, the suggested alignment, the vertical
// offset, the short-edge flip and the test pages' scale check.

#include "cards/AlignmentTestPages.h"
#include "cards/CardSheet.h"
#include "cards/TeamCardSheets.h"
#include "cards/frmCardOptions.h"
#include "cards/frmTeamCards.h"
#include "core/Options.h"
#include "core/RecordFiles.h"
#include "platform/Fonts.h"
#include "platform/PrintJobs.h"
#include "support/FakeHost.h"
#include "support/PdfPages.h"
#include "support/RecordingCanvas.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QString playerName(int n)
{
    return QStringLiteral("Player%1").arg(n, 2, 10, QLatin1Char('0'));
}

CardSheet::TeamSheets twelveCards(int rows)
{
    CardSheet::TeamSheets sheets;
    for (int n = 1; n <= 12; ++n)
        sheets.cards.append({{{"lblPlayer", playerName(n)},
                              {"lblTeam", "Cubs"},
                              {"lblBackPlayer", playerName(n) + " - SS"}},
                             QImage()});
    sheets.placement.rows = rows;
    return sheets;
}

// The pages of a recording: each page's ops.
QVector<QVector<CanvasOp>> pagesOf(const RecordingCanvas &canvas)
{
    QVector<QVector<CanvasOp>> pages(1);
    for (const CanvasOp &o : canvas.ops) {
        if (o.kind == CanvasOp::NewPage)
            pages.append(QVector<CanvasOp>());
        else
            pages.last().append(o);
    }
    return pages;
}

// Where each text stands on a page: its text by its top-left corner.
QMap<QString, QPoint> textsAt(const QVector<CanvasOp> &page)
{
    QMap<QString, QPoint> at;
    for (const CanvasOp &o : page)
        if (o.kind == CanvasOp::Text)
            at.insert(o.text, QPoint(o.state.currentX, o.state.currentY));
    return at;
}

} // namespace

class TestTeamCards : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup();

    void twelveCardsFillTheRowsThatFit_data();
    void twelveCardsFillTheRowsThatFit();
    void backsFollowTheOffsetAndTheFlip();
    void suggestedAlignmentFitsThePaper_data();
    void suggestedAlignmentFitsThePaper();
    void backOptionsAreKeptInTheOptionsFile();
    void testPagesCheckTheScale();
    void windowPrintsTheTeam();
    void unreadablePlayersAreNamedFirst();

private:
    void writePlayers(int count);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeHost> m_host;
};

void TestTeamCards::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_host = std::make_unique<FakeHost>();
    CubsFolder::setUp(m_host->s, m_dir->path() + "/");
    writeBytes(m_host->s.ShippedPath + "logo2.bmp",
               readBytes(QStringLiteral(SCOREBINDER_ASSETS "/logo2.bmp")));
}

void TestTeamCards::cleanup()
{
    m_host.reset();
    m_dir.reset();
}

void TestTeamCards::writePlayers(int count)
{
    const QString &app = m_host->s.ApplicationPath;
    TeamFile team = *RecordFiles::ReadTeamFile(app, "Cubs");
    for (int n = 1; n <= count; ++n) {
        const QString name = playerName(n);
        team.roster[n - 1] = {name, 6};
        PlayerProfile profile;
        profile.PlayerName = name;
        profile.TeamName = "Cubs";
        profile.Position1 = 6;
        QVERIFY(RecordFiles::WritePlayerFile(app, "Cubs", name, profile).ok());
        QVERIFY(RecordFiles::CreateStatsFile(app, "Cubs", name).ok());
    }
    QVERIFY(RecordFiles::WriteTeamFile(app, "Cubs", team).ok());
}

void TestTeamCards::twelveCardsFillTheRowsThatFit_data()
{
    QTest::addColumn<int>("printableHeight");
    QTest::addColumn<int>("rows");
    QTest::newRow("Letter without margins: three rows") << 15840 << 3;
    QTest::newRow("exactly three rows") << 15480 << 3;
    QTest::newRow("A4 with margins: two rows") << 15479 << 2;
}

// 12 players, one copy each: 9 + 3 cards where three rows fit, 6 + 6 where two do; every front in
// reading order, every back in the mirrored cell of its own front on the same sheet.
void TestTeamCards::twelveCardsFillTheRowsThatFit()
{
    QFETCH(int, printableHeight);
    QFETCH(int, rows);
    QCOMPARE(CardSheet::rowsFor(printableHeight), rows);
    const CardSheet::TeamSheets sheets = twelveCards(rows);
    QCOMPARE(CardSheet::sheetCount(sheets), 2);
    RecordingCanvas fronts, backs;
    CardSheet::drawTeamFronts(fronts, sheets);
    CardSheet::drawTeamBacks(backs, sheets);
    const QVector<QVector<CanvasOp>> frontPages = pagesOf(fronts);
    const QVector<QVector<CanvasOp>> backPages = pagesOf(backs);
    QCOMPARE(frontPages.size(), 2);
    QCOMPARE(backPages.size(), 2);
    const int perSheet = 3 * rows;
    for (int sheet = 0; sheet < 2; ++sheet) {
        const QMap<QString, QPoint> front = textsAt(frontPages[sheet]);
        const QMap<QString, QPoint> back = textsAt(backPages[sheet]);
        const int onSheet = sheet == 0 ? perSheet : 12 - perSheet;
        for (int i = 1; i <= onSheet; ++i) {
            const QString name = playerName(sheet * perSheet + i);
            QVERIFY2(front.contains(name) && back.contains(name + " - SS"), qPrintable(name));
            // The name stands 4325 below its cell's top; the back's name line 240.
            const QPoint frontCell = QPoint(CardSheet::frontOrigin(i).x(), front[name].y() - 4325);
            QCOMPARE(frontCell, CardSheet::frontOrigin(i));
            const QPoint backCell(CardSheet::backOrigin(i, 0).x(), back[name + " - SS"].y() - 240);
            QCOMPARE(backCell, CardSheet::backOrigin(i, 0));
            // Mirrored about x = 6120: the cells' middles are as far either side of it.
            QCOMPARE(frontCell.x() + 1800 - 6120, 6120 - (backCell.x() + 1800));
            QCOMPARE(backCell.y(), frontCell.y());
        }
        // Nothing of another sheet's players here, and cut lines around the used cells only.
        QCOMPARE(QStringList(front.keys()).filter("Player").size(), onSheet);
        QVector<QLine> cuts;
        for (const CanvasOp &o : frontPages[sheet])
            if (o.kind == CanvasOp::Line)
                cuts.append(QLine(o.rect.topLeft(), o.rect.bottomRight()));
        QCOMPARE(cuts, CardSheet::cutLines(onSheet));
    }
}

// The offset moves every back 90 twips down per sixteenth; the short-edge flip keeps the column
// and mirrors the row.
void TestTeamCards::backsFollowTheOffsetAndTheFlip()
{
    CardSheet::BackSheet sheet;
    sheet.texts = {{"lblBackPlayer", "Smith - SS"}};
    sheet.cards = 6;
    const auto boxes = [](const CardSheet::BackSheet &s) {
        RecordingCanvas canvas;
        CardSheet::drawBacks(canvas, s);
        QVector<QRect> found;
        for (const CanvasOp &o : canvas.ops)
            if (o.kind != CanvasOp::Text)
                found.append(o.rect);
        return found;
    };
    const QVector<QRect> plain = boxes(sheet);
    for (const int offset : {3, -16, 16}) {
        CardSheet::BackSheet moved = sheet;
        moved.offsetDown = offset;
        const QVector<QRect> shifted = boxes(moved);
        QCOMPARE(shifted.size(), plain.size());
        for (int i = 0; i < plain.size(); ++i)
            QCOMPARE(shifted[i], plain[i].translated(0, 90 * offset));
    }
    // Turned about the short edge: card 1's back under card 1's column, in the last row.
    for (int card = 1; card <= 9; ++card) {
        const QPoint front = CardSheet::frontOrigin(card);
        const QPoint back = CardSheet::backOrigin(card, {2, 1, true, 3});
        QCOMPARE(back.x(), front.x() + 180);
        QCOMPARE(back.y() + 5040 / 2 - 7920, 7920 - (front.y() + 5040 / 2) + 90);
    }
    QCOMPARE(CardSheet::backOrigin(1, {0, 0, true, 2}), QPoint(720, 5400));
    // The back test page goes where the first back goes.
    RecordingCanvas page;
    CardSheet::drawBackTestPage(page, {5, 2, true});
    const QVector<CanvasOp> texts = page.texts();
    const auto back = std::find_if(texts.cbegin(), texts.cend(),
                                   [](const CanvasOp &o) { return o.text == "BACK"; });
    QCOMPARE(QPoint(back->state.currentX, back->state.currentY),
             QPoint(720 + 1800 - 200, 10440 + 180 + 4325)); // the alignment is not the page's
}

void TestTeamCards::suggestedAlignmentFitsThePaper_data()
{
    QTest::addColumn<int>("paper");  // QPageSize::PageSizeId
    QTest::addColumn<int>("margin"); // twips
    QTest::addColumn<int>("suggested");
    QTest::newRow("A4, 200-twip margin") << int(QPageSize::A4) << 200 << -8;
    QTest::newRow("US Letter, no margin") << int(QPageSize::Letter) << 0 << 0;
    QTest::newRow("US Letter, quarter-inch margin") << int(QPageSize::Letter) << 360 << -8;
}

// Suggest takes the chosen printer's paper width and left margin; turned over about its vertical
// edge (x -> W - x on the paper), a sheet printed with it has every back within 45 twips of its
// front's cell.
void TestTeamCards::suggestedAlignmentFitsThePaper()
{
    QFETCH(int, paper);
    QFETCH(int, margin);
    ScriptedDialogs &d = m_host->d;
    d.printerLayout = QPageLayout(
        QPageSize(QPageSize::PageSizeId(paper)), QPageLayout::Portrait,
        QMarginsF(margin / 20.0, margin / 20.0, margin / 20.0, margin / 20.0), QPageLayout::Point);
    frmCardOptions options(*m_host);
    d.printerAnswers.enqueue(m_dir->filePath("unused.pdf"));
    options.cmdSuggest->click();
    QTEST(options.HScroll1->value(), "suggested");
    QCOMPARE(d.printedNames, QStringList({"Card Back Alignment"}));

    const double width = QPageSize(QPageSize::PageSizeId(paper)).sizePoints().width() * 20;
    for (int card = 1; card <= 6; ++card) {
        const int front = margin + CardSheet::frontOrigin(card).x();
        const int back = margin + CardSheet::backOrigin(card, options.HScroll1->value()).x();
        // The back cell's right edge, turned over, lies on the front cell's left edge.
        const double turned = width - (back + 3600);
        QVERIFY2(qAbs(turned - front) <= 45, qPrintable(QString::number(turned - front)));
    }
    // Cancelled: the bar stays.
    options.HScroll1->setValue(3);
    options.cmdSuggest->click();
    QCOMPARE(options.HScroll1->value(), 3);
}

// The offset and the flip are kept in the options file on Submit, not in settings.dft, and read
// back by the next window; the one-player back sheet uses them.
void TestTeamCards::backOptionsAreKeptInTheOptionsFile()
{
    const QString &app = m_host->s.ApplicationPath;
    writePlayers(0);
    PlayerProfile smith;
    smith.PlayerName = "Smith";
    smith.TeamName = "Cubs";
    QVERIFY(RecordFiles::WritePlayerFile(app, "Cubs", "Smith", smith).ok());
    {
        frmCardOptions options(*m_host);
        QCOMPARE(options.spnBackOffset->value(), 0);
        QVERIFY(!options.checkShortEdge->isChecked());
        QVERIFY(!options.hasUnsavedEdits());
        options.spnBackOffset->setValue(-4);
        options.checkShortEdge->setChecked(true);
        QVERIFY(options.hasUnsavedEdits());
        options.cmdSubmit->click();
    }
    QCOMPARE(Options::readCardPrinting(app).printing, (Options::CardPrinting{-4, true}));
    QVERIFY(!QFile::exists(app + "settings.dft"));
    frmCardOptions again(*m_host);
    QCOMPARE(again.spnBackOffset->value(), -4);
    QVERIFY(again.checkShortEdge->isChecked());
    QCOMPARE(m_host->d.messages.size(), 0);

    writeBytes(app + "Scorebinder.ini", "[Cards]\nBackOffsetDown=far\n");
    frmCardOptions damaged(*m_host);
    QCOMPARE(damaged.spnBackOffset->value(), 0);
    QCOMPARE(m_host->d.messages.size(), 1);
    QVERIFY2(m_host->d.messages[0].text.contains("BackOffsetDown"),
             qPrintable(m_host->d.messages[0].text));
}

// The front test page's bars measure 1 inch and 10 cm on a real PDF (at 288 dpi, 5 twips a pixel),
// with the sentence under them; the back page's vertical ruler stands beside its top edge.
void TestTeamCards::testPagesCheckTheScale()
{
    const QString pdf = m_dir->filePath("front.pdf");
    m_host->d.printerAnswers.enqueue(pdf);
    QVERIFY(printDrawing(m_host->d, "Card Front Test Page", CardSheet::drawFrontTestPage).ok());
    const QImage page = renderPdfPage(pdf, m_dir->filePath("front"), 288);
    QVERIFY(!page.isNull());
    // The dark run from the cell's left edge at 720, where each bar starts.
    const auto barLength = [&page](int yTwips) {
        int x = 720 / 5;
        while (x < page.width() && qGray(page.pixel(x, yTwips / 5)) < 100)
            ++x;
        return (x - 720 / 5) * 5;
    };
    // The bars are 60 twips high, 360 and 720 under the cell's bottom at 5400.
    QVERIFY2(qAbs(barLength(5760 + 30) - 1440) <= 10, qPrintable(QString::number(barLength(5790))));
    QVERIFY2(qAbs(barLength(6120 + 30) - 5669) <= 10, qPrintable(QString::number(barLength(6150))));
    QString words;
    for (const PdfWord &w : pdfWords(pdf))
        words += w.text + ' ';
    QVERIFY2(
        words.contains("Print at 100 % (actual size). These bars must measure 1 inch and 10 cm."),
        qPrintable(words));

    RecordingCanvas back;
    CardSheet::drawBackTestPage(back);
    QVector<int> ticks;
    for (const CanvasOp &o : back.ops)
        if (o.kind == CanvasOp::Box && o.rect.top() == o.rect.bottom() && o.rect.width() == 201)
            ticks.append(o.rect.top());
    QCOMPARE(ticks, QVector<int>({450, 540, 630, 720, 810, 900, 990, 1080, 1170, 1260}));
}

// Eleven of twelve players on real sheets: Letter without margins holds three rows, so 9 + 2 cards;
// each player's back on the same sheet, in the mirrored cell; the player left out is on none.
void TestTeamCards::windowPrintsTheTeam()
{
    writePlayers(12);
    frmTeamCards window(*m_host);
    QCOMPARE(window.windowTitle(), QString("Team Cards"));
    QCOMPARE(window.lstPlayers->count(), 12);
    QCOMPARE(window.spnCopies->value(), 1);
    QCOMPARE(window.spnCopies->maximum(), 9);
    window.lstPlayers->item(4)->setCheckState(Qt::Unchecked); // Player05
    const QString fronts = m_dir->filePath("fronts.pdf");
    const QString backs = m_dir->filePath("backs.pdf");
    m_host->d.printerAnswers.enqueue(fronts);
    window.cmdPrintFronts->click();
    m_host->d.printerAnswers.enqueue(backs);
    window.cmdPrintBacks->click();
    QCOMPARE(m_host->d.messages.size(), 0);
    QCOMPARE(m_host->d.printedNames,
             QStringList({"Cubs - Team Card Fronts", "Cubs - Team Card Backs"}));
    QCOMPARE(pdfPageCount(fronts), 2);
    QCOMPARE(pdfPageCount(backs), 2);
    QStringList printed;
    for (int n = 1; n <= 12; ++n)
        if (n != 5)
            printed.append(playerName(n));
    for (int sheet = 0; sheet < 2; ++sheet) {
        const QVector<PdfWord> front = pdfWords(fronts, sheet + 1);
        const QVector<PdfWord> back = pdfWords(backs, sheet + 1);
        const int first = sheet * 9;
        const int count = sheet == 0 ? 9 : 2;
        for (int i = 1; i <= count; ++i) {
            const QString name = printed[first + i - 1];
            const auto find = [&name](const QVector<PdfWord> &words) {
                return std::find_if(words.cbegin(), words.cend(),
                                    [&name](const PdfWord &w) { return w.text == name; });
            };
            const auto f = find(front);
            const auto b = find(back);
            QVERIFY2(f != front.cend() && b != back.cend(), qPrintable(name));
            const QPoint frontCell = CardSheet::frontOrigin(i);
            const QPoint backCell = CardSheet::backOrigin(i, 0);
            QVERIFY(qAbs((f->xMin + f->xMax) / 2 - (frontCell.x() + 1800) / 20.0) <= 1);
            QVERIFY(qAbs(f->yMin - (frontCell.y() + 4325) / 20.0) <= 4);
            QVERIFY(b->xMin > backCell.x() / 20.0 && b->xMax < (backCell.x() + 3600) / 20.0);
            QVERIFY(qAbs(b->yMin - (backCell.y() + 240) / 20.0) <= 4);
        }
        for (const PdfWord &w : front + back)
            QVERIFY(w.text != "Player05");
    }

    // Two copies of three players fit one sheet; the preview shows the fronts, then the backs.
    for (int row = 3; row < 12; ++row)
        window.lstPlayers->item(row)->setCheckState(Qt::Unchecked);
    window.spnCopies->setValue(2);
    const QString preview = m_dir->filePath("preview.pdf");
    m_host->d.previewAnswers.enqueue(preview);
    window.cmdPreview->click();
    QCOMPARE(m_host->d.previews, QStringList({"Cubs - Team Cards"}));
    QCOMPARE(pdfPageCount(preview), 2);
    int names = 0;
    for (const PdfWord &w : pdfWords(preview, 1))
        names += w.text.startsWith("Player0") ? 1 : 0;
    QCOMPARE(names, 6);
}

// A player whose file cannot be read is named before anything prints: No prints nothing, Yes the
// others.
void TestTeamCards::unreadablePlayersAreNamedFirst()
{
    writePlayers(3);
    writeBytes(RecordFiles::statsFilePath(m_host->s.ApplicationPath, "Cubs", "Player02"),
               "not a stats file\r\n");
    frmTeamCards window(*m_host);
    ScriptedDialogs &d = m_host->d;
    d.printerAnswers.enqueue(m_dir->filePath("never.pdf"));
    d.messageAnswers.enqueue(MessageAnswer::No);
    window.cmdPrintFronts->click();
    QCOMPARE(d.messages.size(), 1);
    QVERIFY2(d.messages[0].text.contains("Player02") && !d.messages[0].text.contains("Player01"),
             qPrintable(d.messages[0].text));
    QCOMPARE(d.messages[0].buttons, MessageButtons::YesNo);
    QCOMPARE(d.printerDialogs, 0);

    const QString pdf = m_dir->filePath("others.pdf");
    d.printerAnswers.clear();
    d.printerAnswers.enqueue(pdf);
    d.messageAnswers.enqueue(MessageAnswer::Yes);
    window.cmdPrintFronts->click();
    QStringList words;
    for (const PdfWord &w : pdfWords(pdf))
        words.append(w.text);
    QVERIFY(words.contains("Player01") && words.contains("Player03"));
    QVERIFY(!words.contains("Player02"));
}

QTEST_MAIN(TestTeamCards)
#include "tst_teamcards.moc"
