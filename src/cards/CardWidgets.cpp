#include "CardWidgets.h"

#include "platform/Pictures.h"

#include <QPainter>

CardSurface::CardSurface(const char *name, const QRect &geometry, QWidget *parent)
    : QWidget(parent), m_image(screenPicture(geometry.size(), Qt::white))
{
    setObjectName(name);
    setGeometry(geometry);
}

void CardSurface::clear()
{
    m_image.fill(Qt::white);
    update();
}

void CardSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

CardShape::CardShape(const char *name, Kind kind, const QRect &geometry, QWidget *parent)
    : QWidget(parent), m_kind(kind)
{
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CardShape::setBorder(const QColor &colour, int width)
{
    m_border = colour;
    m_borderWidth = width;
    update();
}

void CardShape::setFill(const QColor &colour)
{
    m_fill = colour;
    update();
}

void CardShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_kind == Circle)
        painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    if (m_borderWidth > 0) {
        QPen pen(m_border);
        pen.setWidth(m_borderWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    // The outline lies inside the bounds: its centre line is half its width in from the edge.
    const double inset = m_borderWidth / 2.0;
    const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (m_kind == Circle)
        painter.drawEllipse(area);
    else
        painter.drawRect(area);
}
