// Pages drawn on a canvas: the recorded operations, and where a real PDF page puts them.

#include "platform/Fonts.h"
#include "platform/PainterCanvas.h"
#include "support/PdfPages.h"
#include "support/RecordingCanvas.h"

#include <QApplication>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

constexpr qint32 Red = 255;
constexpr qint32 White = 0xFFFFFF;

// Draws the same small page on any canvas: a text at one inch by two inches, a filled red box
// and a circle.
void drawSamplePage(Canvas &canvas)
{
    canvas.setFontName("Arial");
    canvas.setFontSize(10);
    canvas.setFontBold(true);
    canvas.setCurrentX(1440);
    canvas.setCurrentY(2880);
    canvas.print("Scorebinder");
    canvas.filledBox(1440, 4320, 2880, 5760, Red);
    canvas.setFillStyle(FillStyle::Solid);
    canvas.setFillColor(White);
    canvas.circle(5760, 5040, 200, 0);
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void stateAppliesToLaterDrawing();
    void pdfPageHasItsContentWhereTheTwipsSay();
    void monochromeTurnsColoursGrey();
    void lineWidthInTwipsFollowsTheResolution();
};

void TestCanvas::stateAppliesToLaterDrawing()
{
    RecordingCanvas canvas;
    drawSamplePage(canvas);
    QCOMPARE(canvas.ops.size(), 3);
    const CanvasOp &text = canvas.ops[0];
    QCOMPARE(text.text, QString("Scorebinder"));
    QCOMPARE(text.state.fontName, QString("Arial"));
    QVERIFY(text.state.fontBold);
    QCOMPARE(QPoint(text.state.currentX, text.state.currentY), QPoint(1440, 2880));
    QCOMPARE(canvas.ops[1].kind, CanvasOp::FilledBox);
    QCOMPARE(canvas.ops[1].rect.topLeft(), QPoint(1440, 4320));
    QCOMPARE(canvas.ops[1].rect.bottomRight(), QPoint(2880, 5760));
    QCOMPARE(canvas.ops[2].state.fillStyle, FillStyle::Solid);
    QCOMPARE(canvas.ops[2].radius, 200);
    QCOMPARE(canvas.textWidth("abcd"), 400); // 10 pt: 100 twips a character
}

void TestCanvas::pdfPageHasItsContentWhereTheTwipsSay()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(36, 18, 36, 18),
                           QPageLayout::Point); // printable area starts here
    {
        PainterCanvas canvas(printer);
        drawSamplePage(canvas);
        QVERIFY(canvas.endDoc().ok());
    }

    // Text: 1440 twips = 72 pt right of the printable area, 2880 = 144 pt below it.
    const QVector<PdfWord> words = pdfWords(pdf);
    const auto word = std::find_if(words.cbegin(), words.cend(),
                                   [](const PdfWord &w) { return w.text == "Scorebinder"; });
    QVERIFY2(word != words.cend(), "the text is not on the page");
    QVERIFY2(qAbs(word->xMin - (36 + 72)) < 2, qPrintable(QString::number(word->xMin)));
    QVERIFY2(word->yMin >= 18 + 144 - 1 && word->yMin < 18 + 144 + 4,
             qPrintable(QString::number(word->yMin)));

    // Box: twips 1440..2880 across and 4320..5760 down, red inside, white just outside.
    const QImage page = renderPdfPage(pdf, dir.filePath("page"), 72);
    QVERIFY(!page.isNull());
    const auto at = [&](int xTwips, int yTwips) {
        return page.pixelColor(36 + xTwips / 20, 18 + yTwips / 20);
    };
    QCOMPARE(at(2160, 5040), QColor(Qt::red));
    QCOMPARE(at(1440 + 40, 4320 + 40), QColor(Qt::red));
    QCOMPARE(at(1440 - 60, 5040), QColor(Qt::white));
    QCOMPARE(at(2880 + 60, 5040), QColor(Qt::white));
    QCOMPARE(at(2160, 5760 + 60), QColor(Qt::white));
}

void TestCanvas::monochromeTurnsColoursGrey()
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780); // 96 dpi: 15 twips a pixel
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    {
        PainterCanvas canvas(image);
        canvas.filledBox(0, 0, 1500, 1500, Red);
        canvas.setColorMode(ColorMode::Monochrome);
        canvas.filledBox(1500, 0, 3000, 1500, Red);
        QVERIFY(canvas.endDoc().ok());
    }
    QCOMPARE(image.pixelColor(50, 50), QColor(Qt::red));
    const QColor grey = image.pixelColor(150, 50);
    QCOMPARE(grey.red(), grey.green());
    QCOMPARE(grey.green(), grey.blue());
    QVERIFY(grey.red() < 255);
}

void TestCanvas::lineWidthInTwipsFollowsTheResolution()
{
    // A horizontal line 150 twips wide: 10 pixels at 96 dpi, 20 at 192 dpi; a width in pixels
    // stays the same on both.
    const auto thickness = [](int dotsPerMeter, bool inTwips) {
        QImage image(400, 400, QImage::Format_RGB32);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
        PainterCanvas canvas(image);
        if (inTwips)
            canvas.setDrawWidthTwips(150);
        else
            canvas.setDrawWidth(4);
        canvas.line(0, 1500, 1500, 1500, 0);
        if (!canvas.endDoc().ok())
            return -1;
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(50, y)) < 128)
                ++dark;
        return dark;
    };
    QCOMPARE(thickness(3780, true), 10);
    QCOMPARE(thickness(7559, true), 20);
    QCOMPARE(thickness(3780, false), 4);
    QCOMPARE(thickness(7559, false), 4);
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
