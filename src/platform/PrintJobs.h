#pragma once

#include "Canvas.h"
#include "Dialogs.h"
#include "core/Outcome.h"

#include <functional>

#include <QPrinter>
#include <QWidget>

// Prints the window's client area with its controls as drawing, at screen size, at the page's
// top-left, on one page.
Outcome<void> PrintForm(QWidget &window, QPrinter &printer);

// The print action of a report window: the print dialog, then the window. A cancelled dialog
// prints nothing and is no error.
Outcome<void> printWindow(Dialogs &dialogs, QWidget &window);

// The print dialog, then one page drawn by `draw` on the chosen printer. A cancelled dialog prints
// nothing and is no error.
Outcome<void> printDrawing(Dialogs &dialogs, const std::function<void(Canvas &)> &draw);
