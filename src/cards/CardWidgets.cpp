#include "CardWidgets.h"

#include "platform/Pictures.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

CardSurface::CardSurface(const char *name, const QRect &geometry, QWidget *parent,
                         const QColor &background)
    : QWidget(parent), m_image(screenPicture(geometry.size(), background)), m_background(background)
{
    setObjectName(name);
    setGeometry(geometry);
}

void CardSurface::clear()
{
    m_image.fill(m_background);
    update();
}

void CardSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

CropGrip::CropGrip(const char *name, const QRect &geometry, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setCursor(Qt::SizeAllCursor);
}

void CropGrip::mousePressEvent(QMouseEvent *event)
{
    m_dragging = true;
    emit pressed(event->position().toPoint());
}

void CropGrip::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        emit dragged(mapTo(window(), event->position().toPoint()));
}

void CropGrip::mouseReleaseEvent(QMouseEvent *event)
{
    // The drag ends with the first button let go, whichever began it.
    if (!std::exchange(m_dragging, false))
        return;
    emit dropped(mapTo(window(), event->position().toPoint()));
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
