#include "LightLook.h"

#include <QApplication>

QPalette lightPalette()
{
    // From the button face Qt derives the light, dark, shadow and disabled shades.
    QPalette palette(QColor(240, 240, 240));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, QColor(0, 120, 215));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(204, 204, 204));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Link, QColor(0, 0, 238));
    palette.setColor(QPalette::LinkVisited, QColor(85, 26, 139));
    palette.setColor(QPalette::PlaceholderText, QColor(120, 120, 120));
    return palette;
}

void useLightLook()
{
    QApplication::setPalette(lightPalette());
}
