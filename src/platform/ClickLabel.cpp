#include "ClickLabel.h"

#include <QMouseEvent>

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        emit clicked();
    QLabel::mousePressEvent(event);
}
