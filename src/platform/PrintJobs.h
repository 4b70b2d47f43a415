#pragma once

#include "Canvas.h"
#include "Dialogs.h"
#include "core/Outcome.h"

#include <functional>

#include <QPrinter>
#include <QWidget>

// Prints the window's information (its buttons left out) as drawing on one page, from the top-left
// of the printable area, scaled to fill its width: the same factor on both axes, at most 2, and
// never past the page's height.
Outcome<void> PrintForm(QWidget &window, QPrinter &printer);

// The name a print job and its suggested file get: what is printed, after whose it is when that
// is known ("Smith - Card Fronts").
QString printDocumentName(const QString &whose, const QString &what);

// The print action of a report window: the print dialog, then the window. A cancelled dialog
// prints nothing and is no error.
Outcome<void> printWindow(Dialogs &dialogs, QWidget &window, const QString &documentName);

// The print dialog, then one page drawn by `draw` on the chosen printer. A cancelled dialog prints
// nothing and is no error.
Outcome<void> printDrawing(Dialogs &dialogs, const QString &documentName,
                           const std::function<void(Canvas &)> &draw);

// The same, for a drawing that fits itself to the printable area it is given, in twips.
Outcome<void> printFittedDrawing(Dialogs &dialogs, const QString &documentName,
                                 const std::function<void(Canvas &, const QSize &)> &draw);
