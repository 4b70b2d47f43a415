// The card options window: what it loads, what Submit and Cancel store, the files it rewrites,
// and the two alignment test pages, recorded and printed.

#include "cards/AlignmentTestPages.h"
#include "cards/CardSheet.h"
#include "cards/frmCardOptions.h"
#include "core/RecordFiles.h"
#include "platform/Fonts.h"
#include "platform/PrintJobs.h"
#include "platform/Units.h"
#include "support/FakeHost.h"
#include "support/PdfPages.h"
#include "support/RecordingCanvas.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

constexpr qint32 Red = CubsFolder::Red;
constexpr qint32 Green = 0x008000;

QVector<CanvasOp> opsOf(const QVector<CanvasOp> &ops, CanvasOp::Kind kind)
{
    QVector<CanvasOp> found;
    std::copy_if(ops.cbegin(), ops.cend(), std::back_inserter(found),
                 [kind](const CanvasOp &o) { return o.kind == kind; });
    return found;
}

QPoint at(const CanvasOp &o)
{
    return QPoint(o.state.currentX, o.state.currentY);
}

// A line or a zero-width box as drawn, from its first corner to its second.
QLine lineOf(const CanvasOp &o)
{
    return QLine(o.rect.topLeft(), o.rect.bottomRight());
}

} // namespace

class TestCardOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup();

    void layout();
    void loadShowsTheOptions_data();
    void loadShowsTheOptions();
    void switchesToggleTheirBlock();
    void submitStoresWhatTheWindowShows();
    void submitWithoutChangesKeepsEverything();
    void colourDialogAndCancel();
    void alignmentBarReachesItsEnds();
    void submitRewritesThePlayerFileAndKeepsTheColour();
    void filesThatCannotBeRewritten_data();
    void filesThatCannotBeRewritten();
    void withoutAPlayerOrTeam();
    void askedBeforeClosingWithChanges();
    void keysWorkAsInADialog_data();
    void keysWorkAsInADialog();

    void frontTestPage();
    void backTestPage();
    void printedTestPages();

private:
    frmCardOptions &openWindow();
    QString playerFile() const { return RecordFiles::playerFilePath(m_app, "Cubs", "Smith"); }
    QString teamFile() const { return RecordFiles::teamFilePath(m_app, "Cubs"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<frmCardOptions> m_window;
};

void TestCardOptions::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_app = m_dir->path() + QLatin1Char('/');
    m_host = std::make_unique<FakeHost>();
    CubsFolder::setUp(m_host->s, m_app);
    // A photo path in the old notation, as older files hold it, must come back byte for byte.
    writeBytes(playerFile(), "\"Smith\",\"Cubs\",6,0,1,2,7,\"Springfield\",\"IL\",12,"
                             "\"C:\\Scorebinder\\Cubs\\Smith.bmp\"\r\n");
}

void TestCardOptions::cleanup()
{
    m_window.reset();
    m_host.reset();
    m_dir.reset();
}

frmCardOptions &TestCardOptions::openWindow()
{
    m_window = std::make_unique<frmCardOptions>(*m_host);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->show();
    return *m_window;
}

void TestCardOptions::layout()
{
    frmCardOptions &w = openWindow();
    QCOMPARE(w.windowTitle(), QString("Card Options"));
    // The seed's 5190 twips, and a column for the backs' offset and flip.
    QCOMPARE(w.size(), QSize(twipsToPixels(7680), twipsToPixels(4275)));
    const struct
    {
        const char *name;
        QString caption;
        QRect twips;
    } controls[] = {{"Label1", "Cards Per Page:", {1080, 285, 1155, 195}},
                    {"CBCardsPerPage", "", {2400, 240, 735, 315}},
                    {"lblColor", "", {2400, 720, 735, 255}},
                    {"cmdBatting", "Show", {2400, 1080, 735, 255}},
                    {"cmdPitching", "Show", {2400, 1440, 735, 255}},
                    {"Label7", "Print Grayscale:", {1080, 1920, 1110, 195}},
                    {"checkGrayscale", "", {2640, 1920, 255, 195}},
                    {"lblAlignValue", "0", {2550, 2355, 600, 255}},
                    {"Label5", "Card Back Alignment:", {480, 2640, 1530, 195}},
                    {"HScroll1", "", {2160, 2640, 1335, 255}},
                    {"Label6", "Alignment Test Print:", {600, 3240, 1455, 195}},
                    {"cmdPrintTestFront", "Print &Front", {2280, 3120, 975, 375}},
                    {"cmdPrintTestBack", "Print &Back", {3360, 3120, 975, 375}},
                    {"cmdCancel", "&Cancel", {2880, 3840, 975, 375}},
                    {"cmdSubmit", "&Submit", {4080, 3840, 975, 375}}};
    for (const auto &c : controls) {
        auto *widget = w.findChild<QWidget *>(c.name);
        QVERIFY2(widget, c.name);
        const QRect expected =
            twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height());
        if (QByteArray(c.name).startsWith("Label")) {
            // A caption keeps its place and grows only where its text needs more room.
            QCOMPARE(widget->pos(), expected.topLeft());
            QCOMPARE(widget->height(), expected.height());
            QCOMPARE(widget->width(), std::max(expected.width(), widget->sizeHint().width()));
        } else {
            QCOMPARE(widget->geometry(), expected);
        }
        if (!c.caption.isEmpty())
            QCOMPARE(widget->property("text").toString(), c.caption);
    }
    QCOMPARE(w.lblAlignValue->palette().color(QPalette::WindowText), QColor(64, 64, 64));
    QCOMPARE(w.HScroll1->minimum(), -16);
    QCOMPARE(w.HScroll1->maximum(), 16);
    QStringList items;
    for (int i = 0; i < w.CBCardsPerPage->count(); ++i)
        items.append(w.CBCardsPerPage->itemText(i));
    QCOMPARE(items, QStringList({"1", "2", "3", "4", "5", "6"}));
}

void TestCardOptions::loadShowsTheOptions_data()
{
    QTest::addColumn<int>("cardsPerPage");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("barValue");
    QTest::newRow("none per page") << 0 << -5 << true << "1" << -5;
    QTest::newRow("one per page") << 1 << 0 << false << "1" << 0;
    QTest::newRow("four per page") << 4 << 16 << true << "4" << 16;
    // Only a hand-edited settings file holds these; the bar shows its nearer end.
    QTest::newRow("alignment beyond the right end") << 6 << 40 << false << "6" << 16;
    QTest::newRow("alignment beyond the left end") << 2 << -17 << true << "2" << -16;
}

void TestCardOptions::loadShowsTheOptions()
{
    QFETCH(int, cardsPerPage);
    QFETCH(int, alignment);
    QFETCH(bool, shown);
    QFETCH(QString, selected);
    QFETCH(int, barValue);
    MainState &s = m_host->s;
    s.CardsPerPage = qint16(cardsPerPage);
    s.Alignment = qint16(alignment);
    s.ShowBatting = shown;
    s.ShowPitching = !shown;
    s.PrintGrayscale = shown;
    frmCardOptions &w = openWindow();
    QCOMPARE(w.CBCardsPerPage->currentText(), selected);
    QCOMPARE(w.HScroll1->value(), barValue);
    QCOMPARE(w.lblAlignValue->text(), QString::number(barValue));
    QCOMPARE(w.cmdBatting->text(), QString(shown ? "Show" : "Hide"));
    QCOMPARE(w.cmdPitching->text(), QString(shown ? "Hide" : "Show"));
    QCOMPARE(w.checkGrayscale->isChecked(), shown);
    QCOMPARE(w.lblColor->palette().color(QPalette::Window), QColor(Qt::red));
    QCOMPARE(w.PendingBorderColor, Red);

    // Submit stores what the window shows.
    w.cmdSubmit->click();
    QCOMPARE(int(s.CardsPerPage), selected.toInt());
    QCOMPARE(int(s.Alignment), barValue);
    QVERIFY(!w.isVisible());
}

void TestCardOptions::switchesToggleTheirBlock()
{
    frmCardOptions &w = openWindow();
    w.cmdBatting->click();
    QCOMPARE(w.cmdBatting->text(), QString("Hide"));
    QVERIFY(!w.PendingShowBatting);
    QCOMPARE(w.focusWidget(), w.cmdSubmit);
    w.cmdBatting->click();
    QCOMPARE(w.cmdBatting->text(), QString("Show"));
    QVERIFY(w.PendingShowBatting);
    w.cmdPitching->click();
    QCOMPARE(w.cmdPitching->text(), QString("Hide"));
    QVERIFY(!w.PendingShowPitching);
    QVERIFY(w.PendingShowBatting);
    // Pending only: nothing is stored before Submit.
    QVERIFY(m_host->s.ShowPitching);
}

void TestCardOptions::submitStoresWhatTheWindowShows()
{
    frmCardOptions &w = openWindow();
    w.CBCardsPerPage->setCurrentIndex(2);
    w.cmdBatting->click();
    w.checkGrayscale->setChecked(true);
    w.HScroll1->setValue(-3);
    QCOMPARE(w.lblAlignValue->text(), QString("-3"));
    m_host->d.colorAnswers.enqueue(Green);
    QTest::mouseClick(w.lblColor, Qt::LeftButton);
    w.cmdSubmit->click();

    const MainState &s = m_host->s;
    QCOMPARE(int(s.CardsPerPage), 3);
    QVERIFY(!s.ShowBatting);
    QVERIFY(s.ShowPitching);
    QVERIFY(s.PrintGrayscale);
    QCOMPARE(int(s.Alignment), -3);
    QCOMPARE(s.TeamBorderColor, Green);
    QVERIFY(!w.isVisible());
    QCOMPARE(m_host->d.messages.size(), 0);
}

void TestCardOptions::submitWithoutChangesKeepsEverything()
{
    for (bool grayscale : {false, true}) {
        MainState &s = m_host->s;
        s.CardsPerPage = 5;
        s.Alignment = 7;
        s.ShowBatting = false;
        s.PrintGrayscale = grayscale;
        const QByteArray player = readBytes(playerFile());
        const QByteArray team = readBytes(teamFile());
        openWindow().cmdSubmit->click();
        QCOMPARE(int(s.CardsPerPage), 5);
        QCOMPARE(int(s.Alignment), 7);
        QVERIFY(!s.ShowBatting);
        QVERIFY(s.ShowPitching);
        QCOMPARE(s.TeamBorderColor, Red);
        QCOMPARE(s.PrintGrayscale, grayscale);
        QCOMPARE(readBytes(playerFile()), player);
        QCOMPARE(readBytes(teamFile()), team);
    }
}

void TestCardOptions::colourDialogAndCancel()
{
    frmCardOptions &w = openWindow();
    // A cancelled colour dialog changes nothing.
    QTest::mouseClick(w.lblColor, Qt::LeftButton);
    QCOMPARE(m_host->d.colorDialogs, 1);
    QCOMPARE(w.PendingBorderColor, Red);

    m_host->d.colorAnswers.enqueue(Green);
    QTest::mouseClick(w.lblColor, Qt::LeftButton);
    QCOMPARE(w.PendingBorderColor, Green);
    QCOMPARE(w.lblColor->palette().color(QPalette::Window), QColor(0, 128, 0));
    w.cmdBatting->click();
    w.HScroll1->setValue(4);
    w.cmdCancel->click();
    QVERIFY(!w.isVisible());
    QCOMPARE(m_host->s.TeamBorderColor, Red);
    QVERIFY(m_host->s.ShowBatting);
    QCOMPARE(int(m_host->s.Alignment), 0);
    QCOMPARE(RecordFiles::ReadTeamHeader(m_app, "Cubs")->TeamBorderColor, Red);
}

void TestCardOptions::alignmentBarReachesItsEnds()
{
    frmCardOptions &w = openWindow();
    w.HScroll1->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(w.lblAlignValue->text(), QString("-16"));
    w.HScroll1->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(w.lblAlignValue->text(), QString("16"));
    w.HScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(w.lblAlignValue->text(), QString("15"));
    w.cmdSubmit->click();
    QCOMPARE(int(m_host->s.Alignment), 15);
}

// The player file is read and written back as it was; the border colour goes into the team file,
// where the summary's next refresh reads it again.
void TestCardOptions::submitRewritesThePlayerFileAndKeepsTheColour()
{
    const QByteArray player = readBytes(playerFile());
    const QDateTime written = QFileInfo(playerFile()).lastModified();
    QTest::qWait(20);
    frmCardOptions &w = openWindow();
    m_host->d.colorAnswers.enqueue(Green);
    QTest::mouseClick(w.lblColor, Qt::LeftButton);
    w.cmdSubmit->click();
    QCOMPARE(readBytes(playerFile()), player);
    QVERIFY(QFileInfo(playerFile()).lastModified() > written);
    const Outcome<TeamFile> team = RecordFiles::ReadTeamFile(m_app, "Cubs");
    QCOMPARE(team->header.TeamBorderColor, Green);
    QCOMPARE(team->header.Coach, QString("Coach Ray"));
    QCOMPARE(team->roster[0].RosterPlayer, QString("Smith"));
    QCOMPARE(m_host->d.messages.size(), 0);
}

void TestCardOptions::filesThatCannotBeRewritten_data()
{
    QTest::addColumn<QString>("broken");
    QTest::newRow("player file missing") << "player";
    QTest::newRow("team file damaged") << "team";
}

// The options are in force all the same; the file is left as it was and the user is told which.
void TestCardOptions::filesThatCannotBeRewritten()
{
    QFETCH(QString, broken);
    const QString path = broken == "player" ? playerFile() : teamFile();
    if (broken == "player")
        QFile::remove(path);
    else
        writeBytes(path, "\"Cubs\",\"Coach\"\r\n");
    const QByteArray before = QFile::exists(path) ? readBytes(path) : QByteArray();
    frmCardOptions &w = openWindow();
    m_host->d.colorAnswers.enqueue(Green);
    QTest::mouseClick(w.lblColor, Qt::LeftButton);
    w.HScroll1->setValue(2);
    w.cmdSubmit->click();

    QCOMPARE(m_host->d.messages.size(), 1);
    const AskedMessage &told = m_host->d.messages[0];
    QVERIFY2(told.text.contains(path), qPrintable(told.text));
    QCOMPARE(told.title, QString("Card Options"));
    QCOMPARE(int(m_host->s.Alignment), 2);
    QCOMPARE(m_host->s.TeamBorderColor, Green);
    QCOMPARE(QFile::exists(path), broken != "player");
    if (broken != "player")
        QCOMPARE(readBytes(path), before);
    QVERIFY(!w.isVisible());
}

// The menu item works before any team exists, and with a team but no current player: the options
// change, and only files of what the window was opened for are touched.
void TestCardOptions::withoutAPlayerOrTeam()
{
    QFile::remove(playerFile());
    MainState &s = m_host->s;
    s.PlayerName.clear();
    frmCardOptions &withTeam = openWindow();
    m_host->d.colorAnswers.enqueue(Green);
    QTest::mouseClick(withTeam.lblColor, Qt::LeftButton);
    withTeam.cmdSubmit->click();
    QCOMPARE(RecordFiles::ReadTeamHeader(m_app, "Cubs")->TeamBorderColor, Green);

    s.TeamName.clear();
    const QByteArray team = readBytes(teamFile());
    frmCardOptions &noTeam = openWindow();
    m_host->d.colorAnswers.enqueue(Red);
    QTest::mouseClick(noTeam.lblColor, Qt::LeftButton);
    noTeam.cmdSubmit->click();
    QCOMPARE(s.TeamBorderColor, Red);
    QCOMPARE(readBytes(teamFile()), team);
    QCOMPARE(m_host->d.messages.size(), 0);
    QVERIFY(!QFile::exists(playerFile()));
}

void TestCardOptions::askedBeforeClosingWithChanges()
{
    frmCardOptions &w = openWindow();
    QVERIFY(!w.hasUnsavedEdits());
    w.cmdPitching->click();
    QVERIFY(w.hasUnsavedEdits());
    QVERIFY(w.saveEdits());
    QVERIFY(!m_host->s.ShowPitching);
    QVERIFY(!w.hasUnsavedEdits());
}

void TestCardOptions::frontTestPage()
{
    RecordingCanvas canvas;
    CardSheet::drawFrontTestPage(canvas);
    const QVector<CanvasOp> texts = canvas.texts();
    QCOMPARE(texts.size(), 4); // FRONT, then the scale check's
    const CanvasOp &front = texts[0];
    QCOMPARE(front.text, QString("FRONT"));
    // The recording canvas makes "FRONT" 5 x 100 twips wide at 10 points.
    QCOMPARE(at(front), QPoint(2520 - 250, 4685));
    QCOMPARE(front.state.fontName, QString("ms sans serif"));
    QCOMPARE(front.state.fontSize, 10.0);
    QVERIFY(!front.state.fontBold && !front.state.fontItalic);
    QCOMPARE(front.state.foreColor, 0);

    const QVector<CanvasOp> lines = opsOf(canvas.ops, CanvasOp::Line);
    QVector<QLine> drawn;
    for (const CanvasOp &o : lines) {
        drawn.append(lineOf(o));
        QCOMPARE(o.color, 0);
        QCOMPARE(o.state.drawWidthTwips, CardSheet::CutLineTwips);
    }
    QCOMPARE(drawn, QVector<QLine>({{720, 360, 720, 5400},
                                    {4320, 360, 4320, 5400},
                                    {720, 360, 4320, 360},
                                    {720, 5400, 4320, 5400}}));
    QCOMPARE(canvas.ops.size(), 10); // the text, the four lines, then the scale check's bars
    QCOMPARE(canvas.ops.last().state.colorMode, ColorMode::Color);

    // The very cell a front sheet of one card cuts out.
    QVector<QLine> sheet = CardSheet::cutLines(1);
    std::sort(sheet.begin(), sheet.end(),
              [](const QLine &a, const QLine &b) { return a.x1() + a.y1() < b.x1() + b.y1(); });
    std::sort(drawn.begin(), drawn.end(),
              [](const QLine &a, const QLine &b) { return a.x1() + a.y1() < b.x1() + b.y1(); });
    QCOMPARE(drawn, sheet);
}

void TestCardOptions::backTestPage()
{
    RecordingCanvas canvas;
    CardSheet::drawBackTestPage(canvas);
    const QVector<CanvasOp> boxes = opsOf(canvas.ops, CanvasOp::Box);
    const QVector<CanvasOp> texts = canvas.texts();
    QCOMPARE(boxes.size(), 24); // the vertical ruler's ten ticks after the outline
    QCOMPARE(texts.size(), 11);

    // The ruler: ten ticks a sixteenth of an inch apart, 0 nearest the cell, 9 farthest; every
    // other one numbered, the number centred under it (80 twips wide on this canvas).
    for (int i = 1; i <= 10; ++i) {
        const int x = 7920 - 90 * i;
        const CanvasOp &tick = boxes[i - 1];
        QCOMPARE(lineOf(tick), QLine(x, 3240, x, 3440));
        QCOMPARE(tick.state.drawWidthTwips, 10);
        if (i % 2 == 0)
            continue;
        const CanvasOp &number = texts[(i - 1) / 2];
        QCOMPARE(number.text, QString::number(i - 1));
        QCOMPARE(at(number), QPoint(x - 40, 3440));
        QCOMPARE(number.state.fontName, QString("arial"));
        QCOMPARE(number.state.fontSize, 8.0);
        QVERIFY(!number.state.fontBold);
    }
    QCOMPARE(texts[4].text, QString("8"));

    // The cell of the first back at alignment 0: top, right, left, bottom.
    QVector<QLine> outline;
    for (int i = 10; i < 14; ++i) {
        outline.append(lineOf(boxes[i]));
        QCOMPARE(boxes[i].state.drawWidthTwips, 10);
        QCOMPARE(boxes[i].color, 0);
    }
    QCOMPARE(outline, QVector<QLine>({{7920, 360, 11520, 360},
                                      {11520, 360, 11520, 5400},
                                      {7920, 360, 7920, 5400},
                                      {7920, 5400, 11520, 5400}}));
    QCOMPARE(CardSheet::backOrigin(1, 0), QPoint(7920, 360));

    const CanvasOp &back = texts[5];
    QCOMPARE(back.text, QString("BACK"));
    QCOMPARE(at(back), QPoint(9720 - 200, 4685));
    QCOMPARE(back.state.fontName, QString("arial"));
    QCOMPARE(back.state.fontSize, 10.0);
    QVERIFY(back.state.fontBold && !back.state.fontItalic);
    QCOMPARE(canvas.ops.last().state.colorMode, ColorMode::Color);
}

// Printed through the window's buttons on a Letter page without margins; options in force do not
// move either page.
void TestCardOptions::printedTestPages()
{
    MainState &s = m_host->s;
    s.Alignment = 5;
    s.CardsPerPage = 4;
    s.PrintGrayscale = true;
    frmCardOptions &w = openWindow();
    ScriptedDialogs &d = m_host->d;
    d.printerAnswers.enqueue(std::nullopt); // cancelled: silent, nothing printed
    w.cmdPrintTestFront->click();
    const QString frontPdf = m_dir->filePath("front test.pdf");
    const QString backPdf = m_dir->filePath("back test.pdf");
    const QString sheetPdf = m_dir->filePath("sheet.pdf");
    d.printerAnswers.enqueue(frontPdf);
    w.cmdPrintTestFront->click();
    d.printerAnswers.enqueue(backPdf);
    w.cmdPrintTestBack->click();
    QCOMPARE(d.printerDialogs, 3);
    // The test pages belong to no player: named after what they are.
    QCOMPARE(d.printedNames,
             QStringList({"Card Front Test Page", "Card Front Test Page", "Card Back Test Page"}));
    QCOMPARE(d.messages.size(), 0);
    QVERIFY(w.isVisible());

    // A point is 20 twips.
    const auto find = [](const QVector<PdfWord> &words, const QString &text) {
        const auto it = std::find_if(words.cbegin(), words.cend(),
                                     [&text](const PdfWord &w) { return w.text == text; });
        return it == words.cend() ? std::optional<PdfWord>() : std::optional<PdfWord>(*it);
    };
    const auto centredAt = [](const PdfWord &w, double x, double top) {
        return qAbs((w.xMin + w.xMax) / 2 - x) <= 1.0 && w.yMin >= top - 1 && w.yMin <= top + 4;
    };
    const std::optional<PdfWord> front = find(pdfWords(frontPdf), "FRONT");
    QVERIFY2(front && centredAt(*front, 2520 / 20.0, 4685 / 20.0), "FRONT is not in its place");
    const QVector<PdfWord> backWords = pdfWords(backPdf);
    const std::optional<PdfWord> back = find(backWords, "BACK");
    QVERIFY2(back && centredAt(*back, 9720 / 20.0, 4685 / 20.0), "BACK is not in its place");
    // Every other number, each a word of its own centred under its tick, left to right.
    QVector<PdfWord> ruler;
    std::copy_if(backWords.cbegin(), backWords.cend(), std::back_inserter(ruler),
                 [](const PdfWord &w) { return w.text != "BACK" && w.yMin > 3000 / 20.0; });
    std::sort(ruler.begin(), ruler.end(),
              [](const PdfWord &a, const PdfWord &b) { return a.xMin < b.xMin; });
    QStringList numbers;
    for (const PdfWord &word : ruler) {
        numbers.append(word.text);
        QVERIFY2(qAbs(word.yMin - 3440 / 20.0) <= 4, qPrintable(word.text));
        const int tick = 7920 - 90 * (word.text.toInt() + 1);
        QVERIFY2(qAbs((word.xMin + word.xMax) / 2 - tick / 20.0) <= 1.0, qPrintable(word.text));
    }
    QCOMPARE(numbers, QStringList({"8", "6", "4", "2", "0"}));

    // Pixels at 288 dpi, 5 twips a pixel.
    const QImage frontPage = renderPdfPage(frontPdf, m_dir->filePath("front"), 288);
    const QImage backPage = renderPdfPage(backPdf, m_dir->filePath("back"), 288);
    QVERIFY(!frontPage.isNull() && !backPage.isNull());
    const auto ink = [](const QImage &page, int x, int y) {
        return qGray(page.pixel(x / 5, y / 5)) < 200;
    };
    QVERIFY(ink(backPage, 7830, 3340) && ink(backPage, 7020, 3340)); // first and last tick
    QVERIFY(!ink(backPage, 7875, 3340) && !ink(backPage, 6975, 3340));
    QVERIFY(ink(backPage, 7920, 3000) && ink(backPage, 11520, 3000));
    QVERIFY(ink(backPage, 9000, 360) && ink(backPage, 9000, 5400));
    QVERIFY(!ink(backPage, 9000, 3000));

    // A front sheet of one card, printed with the same settings, outlines the same cell: the same
    // black pixels along a row and a column through the cell's margin.
    CardSheet::FrontSheet sheet;
    sheet.texts = {{"lblPlayer", "Smith"}, {"lblTeam", "Cubs"}, {"lblPosition", "SS"}};
    sheet.borderColor = Red;
    d.printerAnswers.enqueue(sheetPdf);
    QVERIFY(printDrawing(d, "Card Fronts", [&sheet](Canvas &c) {
                CardSheet::drawFronts(c, sheet);
            }).ok());
    const QImage sheetPage = renderPdfPage(sheetPdf, m_dir->filePath("sheet"), 288);
    const auto blackAlong = [](const QImage &page, bool row, int at) {
        QVector<int> black;
        const int length = row ? page.width() : page.height();
        // Down to the cell's bottom: the scale check stands under it.
        for (int i = 0; i < length && (row || i * 5 <= 5500); ++i) {
            const QColor c = row ? page.pixelColor(i, at / 5) : page.pixelColor(at / 5, i);
            if (c.red() < 100 && c.green() < 100 && c.blue() < 100)
                black.append(i);
        }
        return black;
    };
    for (const auto &[row, at] : {std::pair{true, 3000}, std::pair{false, 800}}) {
        const QVector<int> outline = blackAlong(frontPage, row, at);
        QVERIFY(!outline.isEmpty());
        QCOMPARE(outline, blackAlong(sheetPage, row, at));
    }
    QVERIFY(blackAlong(frontPage, true, 3000).contains(720 / 5));
    QVERIFY(blackAlong(frontPage, true, 3000).contains(4320 / 5));
}

void TestCardOptions::keysWorkAsInADialog_data()
{
    QTest::addColumn<QString>("control"); // the key goes there
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Return in the cards list")
        << "CBCardsPerPage" << int(Qt::Key_Return) << "cmdSubmit";
    QTest::newRow("keypad Enter on the alignment bar")
        << "HScroll1" << int(Qt::Key_Enter) << "cmdSubmit";
    // Esc closes as the frame does: it asks about the edits, here answered Discard.
    QTest::newRow("Esc in the cards list") << "CBCardsPerPage" << int(Qt::Key_Escape) << "";
}

// Enter submits the options through their button; Esc asks before it drops them.
void TestCardOptions::keysWorkAsInADialog()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, pressed);
    frmCardOptions &w = openWindow();
    QSignalSpy clicks(w.cmdSubmit, &QPushButton::clicked);
    m_host->d.messageAnswers.enqueue(MessageAnswer::Discard);
    w.CBCardsPerPage->setCurrentIndex(3);
    w.HScroll1->setValue(-2);
    auto *target = w.findChild<QWidget *>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    const bool submitted = pressed == "cmdSubmit";
    QCOMPARE(clicks.count(), submitted ? 1 : 0);
    QCOMPARE(m_host->d.messages.size(), submitted ? 0 : 1);
    if (!submitted)
        QCOMPARE(m_host->d.messages[0].text,
                 QString("Card Options holds changes that are not saved yet. Save them?"));
    QVERIFY(!w.isVisible());
    QCOMPARE(m_host->s.CardsPerPage, qint16(submitted ? 4 : 1));
    QCOMPARE(m_host->s.Alignment, qint16(submitted ? -2 : 0));
}

QTEST_MAIN(TestCardOptions)
#include "tst_cardoptions.moc"
