#include "SeasonReportPrint.h"

#include "SeasonReport.h"
#include "platform/BusyPointer.h"
#include "platform/PainterCanvas.h"
#include "platform/PrintJobs.h"
#include "platform/Units.h"
#include "platform/WindowHost.h"

#include <QPrinter>

void printSeasonReport(WindowHost &host)
{
    const QString title = QStringLiteral("Season Report");
    const MainState &state = host.state();
    const auto tell = [&](const QString &text) {
        host.dialogs().message(text, title, MessageButtons::OK, MessageIcon::Exclamation);
    };
    Outcome<SeasonReport::Reading> reading = [&] {
        BusyPointer busy;
        return SeasonReport::read(state.ApplicationPath, state.TeamName, state);
    }();
    if (!reading) {
        tell(reading.error());
        return;
    }
    if (!reading->unreadable.isEmpty() &&
        host.dialogs().message(
            QStringLiteral("These players' files cannot be read:\n\n%1\n\nPrint the report "
                           "without them?")
                .arg(reading->unreadable.join(QLatin1Char('\n'))),
            title, MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
        return;
    const SeasonReport::Report &report = reading->report;
    const QDate printed = QDate::currentDate();
    host.dialogs().previewPrint(
        printDocumentName(state.TeamName, title), [&](QPrinter &printer, bool) {
            PainterCanvas canvas(printer);
            SeasonReport::draw(canvas,
                               (printer.pageRect(QPrinter::Inch).size() * TwipsPerInch).toSize(),
                               report, printed);
            if (Outcome<void> printedOut = canvas.endDoc(); !printedOut)
                tell(printedOut.error());
        });
}
