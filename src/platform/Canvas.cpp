#include "Canvas.h"

#include "Pictures.h"

void Canvas::setColorMode(ColorMode mode)
{
    m_state.colorMode = mode;
    colorModeChanged();
}

QRect Canvas::naturalRect(const QImage &picture)
{
    return QRect(QPoint(0, 0), naturalSizeTwips(picture));
}
