#include "PrintJobs.h"

#include "PainterCanvas.h"
#include "Units.h"
#include "WindowDrawing.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr double MaxWindowScale = 2.0;

} // namespace

Outcome<void> PrintForm(QWidget &window, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return Failure{
            QStringLiteral("The window could not be printed: the printer did not start the page.")};
    // A screen pixel is 15 twips; the window's information grows to the printable width (at most
    // twice its size, and never past the page's height), the same on both axes.
    const double screenToDevice = printer.resolution() / double(TwipsPerInch / TwipsPerPixel);
    const QRect information = informationRect(window);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    double factor = MaxWindowScale;
    if (!information.isEmpty())
        factor = std::min({MaxWindowScale, page.width() / (information.width() * screenToDevice),
                           page.height() / (information.height() * screenToDevice)});
    painter.scale(screenToDevice * factor, screenToDevice * factor);
    painter.translate(-information.topLeft());
    drawWindow(painter, window);
    if (!painter.end())
        return Failure{
            QStringLiteral("The window could not be printed: the page could not be finished.")};
    return {};
}

QString printDocumentName(const QString &whose, const QString &what)
{
    return whose.isEmpty() ? what : whose + QStringLiteral(" - ") + what;
}

namespace {

// A print that went to a file says where.
Outcome<void> told(Dialogs &dialogs, const QPrinter &printer, Outcome<void> printed)
{
    if (printed && printer.outputFormat() == QPrinter::PdfFormat &&
        !printer.outputFileName().isEmpty())
        dialogs.printedToFile(printer.outputFileName());
    return printed;
}

} // namespace

Outcome<void> printWindow(Dialogs &dialogs, QWidget &window, const QString &documentName)
{
    std::unique_ptr<QPrinter> printer = dialogs.choosePrinter(documentName);
    if (!printer)
        return {};
    return told(dialogs, *printer, PrintForm(window, *printer));
}

Outcome<void> printDrawing(Dialogs &dialogs, const QString &documentName,
                           const std::function<void(Canvas &)> &draw)
{
    return printFittedDrawing(dialogs, documentName,
                              [&draw](Canvas &canvas, const QSize &) { draw(canvas); });
}

Outcome<void> printFittedDrawing(Dialogs &dialogs, const QString &documentName,
                                 const std::function<void(Canvas &, const QSize &)> &draw)
{
    std::unique_ptr<QPrinter> printer = dialogs.choosePrinter(documentName);
    if (!printer)
        return {};
    Outcome<void> printed = [&] {
        PainterCanvas canvas(*printer);
        draw(canvas, (printer->pageRect(QPrinter::Inch).size() * TwipsPerInch).toSize());
        return canvas.endDoc();
    }();
    return told(dialogs, *printer, printed);
}
