// The season report of 27 players with 200 games each, read and printed to a PDF file, against a
// floor of reading the same stats files and drawing the same pages' texts and lines directly with
// QPainter on the same PDF printer.

#include "BenchSupport.h"
#include "Floor.h"
#include "documents/SeasonReport.h"
#include "platform/Fonts.h"
#include "platform/PainterCanvas.h"
#include "support/RecordingCanvas.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPrinter>
#include <QTest>

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    return printer;
}

const QSize LetterTwips(12240, 15840);

} // namespace

class BenchSeasonReport : public QObject
{
    Q_OBJECT

private slots:
    void seasonReport();
};

void BenchSeasonReport::seasonReport()
{
    installFontSubstitutions();
    BenchTeam team;
    MainState state;
    state.ApplicationPath = team.app;
    const QDate printed(2026, 12, 10);
    const QString pdf = team.app + "report.pdf";

    // The floor replays what the report draws: its texts and lines, in the fonts they have.
    Outcome<SeasonReport::Reading> first = SeasonReport::read(team.app, "Team1", state);
    QVERIFY2(first.ok(), qPrintable(first.error()));
    QVERIFY(first->unreadable.isEmpty());
    RecordingCanvas recorded;
    SeasonReport::draw(recorded, LetterTwips, first->report, printed);
    const std::vector<std::string> statsFiles = Floor::nativePaths(team.statsFiles);
    const QString floorPdf = team.app + "floor.pdf";

    const auto subject = [&] {
        Outcome<SeasonReport::Reading> reading = SeasonReport::read(team.app, "Team1", state);
        std::unique_ptr<QPrinter> printer = pdfPrinter(pdf);
        PainterCanvas canvas(*printer);
        SeasonReport::draw(canvas, LetterTwips, reading->report, printed);
        (void)canvas.endDoc();
    };
    const auto floor = [&] {
        Floor::decodeFiles(statsFiles);
        std::unique_ptr<QPrinter> printer = pdfPrinter(floorPdf);
        QPainter painter(printer.get());
        const double scale = printer->resolution() / 1440.0;
        painter.scale(scale, scale);
        for (const CanvasOp &op : recorded.ops) {
            if (op.kind == CanvasOp::NewPage) {
                printer->newPage();
            } else if (op.kind == CanvasOp::Text) {
                QFont font(op.state.fontName);
                font.setPixelSize(int(op.state.fontSize * 20));
                font.setBold(op.state.fontBold);
                painter.setFont(font);
                painter.drawText(QPointF(op.state.currentX, op.state.currentY + 180), op.text);
            } else if (op.kind == CanvasOp::Line) {
                painter.drawLine(op.rect.topLeft(), op.rect.bottomRight());
            }
        }
    };
    QElapsedTimer once;
    once.start();
    subject();
    const qint64 firstRun = once.elapsed();
    const PairedTimes times = timePaired(7, subject, floor);
    qInfo("season report of %d pages: first run %lld ms", SeasonReport::pageCount(first->report),
          firstRun);
    reportRatio("season report", times);
    QVERIFY2(times.subject < 1000, "the season report takes a second or more");
    QVERIFY2(times.ratio() <= 1.5, "the season report takes more than 1.5 times its floor");
}

QTEST_MAIN(BenchSeasonReport)
#include "bench_season_report.moc"
