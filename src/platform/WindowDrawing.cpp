#include "WindowDrawing.h"

#include "Units.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPaintDevice>
#include <QPainter>
#include <QStyle>

namespace {

// The window's fonts are sized for the screen's 96 dpi; the painter's scale already maps a screen
// pixel onto the page, so a font must not grow with the device's own resolution as well.
QFont pageFont(const QFont &font, const QPainter &painter)
{
    QFont scaled = font;
    const double screenDpi = double(TwipsPerInch) / TwipsPerPixel;
    const int deviceDpi = painter.device()->logicalDpiY();
    if (font.pointSizeF() > 0)
        scaled.setPointSizeF(font.pointSizeF() * screenDpi / deviceDpi);
    else
        scaled.setPointSizeF(font.pixelSize() * 72.0 / deviceDpi);
    return scaled;
}

QPalette::ColorGroup groupOf(const QWidget &widget)
{
    return widget.isEnabled() ? QPalette::Active : QPalette::Disabled;
}

void drawLabel(QPainter &painter, const QLabel &label)
{
    if (!label.pixmap().isNull()) {
        QRect area = label.contentsRect();
        const QSize size = label.pixmap().deviceIndependentSize().toSize();
        area = QStyle::alignedRect(label.layoutDirection(), label.alignment(), size, area);
        painter.drawPixmap(area, label.pixmap());
        return;
    }
    if (label.text().isEmpty())
        return;
    painter.setFont(pageFont(label.font(), painter));
    painter.setPen(label.palette().color(groupOf(label), label.foregroundRole()));
    int flags = int(QStyle::visualAlignment(label.layoutDirection(), label.alignment()));
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    const int margin = label.margin();
    painter.drawText(QRectF(label.contentsRect().adjusted(margin, margin, -margin, -margin)), flags,
                     label.text());
}

constexpr int TextOverhang = 4;

bool shownInformation(const QWidget *widget)
{
    return widget && !widget->isWindow() && !widget->isHidden() &&
           !qobject_cast<const QAbstractButton *>(widget);
}

QRect informationOf(QWidget &widget, QPoint at)
{
    QRect area;
    for (QObject *child : widget.children()) {
        auto *childWidget = qobject_cast<QWidget *>(child);
        if (!shownInformation(childWidget))
            continue;
        const QPoint corner = at + childWidget->pos();
        area |= QRect(corner, childWidget->size());
        area |= informationOf(*childWidget, corner);
    }
    return area;
}

void drawWidget(QPainter &painter, QWidget &widget, bool isWindow)
{
    if (widget.autoFillBackground() || isWindow)
        painter.fillRect(widget.rect(),
                         widget.palette().color(groupOf(widget), widget.backgroundRole()));
    if (auto *label = qobject_cast<QLabel *>(&widget))
        drawLabel(painter, *label);
    for (QObject *child : widget.children()) {
        auto *childWidget = qobject_cast<QWidget *>(child);
        if (!shownInformation(childWidget))
            continue;
        painter.save();
        painter.translate(childWidget->pos());
        drawWidget(painter, *childWidget, false);
        painter.restore();
    }
}

} // namespace

QRect informationRect(QWidget &window)
{
    // A few pixels above and below for the letters a label's text reaches past its label by.
    return informationOf(window, QPoint(0, 0)).adjusted(0, -TextOverhang, 0, TextOverhang);
}

void drawWindow(QPainter &painter, QWidget &window)
{
    painter.save();
    painter.setClipRect(window.rect());
    drawWidget(painter, window, true);
    painter.restore();
}
