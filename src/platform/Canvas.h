#pragma once

// A page or picture surface measured in twips from its top-left corner, with a printer's state:
// the font, colours, pen width and current position set once apply to what is drawn after.

#include "core/Outcome.h"

#include <QImage>
#include <QRect>
#include <QString>

enum class FillStyle
{
    Solid = 0,
    Transparent = 1
};
enum class ColorMode
{
    Color,
    Monochrome
};

struct CanvasState
{
    QString fontName = QStringLiteral("MS Sans Serif");
    double fontSize = 8.25; // points
    bool fontBold = false;
    bool fontItalic = false;
    int fontStretch = 100;  // percent of the letters' width
    qint32 foreColor = 0;   // RGB Long
    int drawWidth = 1;      // pixels of the device
    int drawWidthTwips = 0; // when above 0, lines are this wide on the page instead
    FillStyle fillStyle = FillStyle::Transparent;
    qint32 fillColor = 0;
    int currentX = 0;
    int currentY = 0;
    ColorMode colorMode = ColorMode::Color;
};

class Canvas
{
public:
    virtual ~Canvas() = default;

    void setFontName(const QString &name) { m_state.fontName = name; }
    void setFontSize(double points) { m_state.fontSize = points; }
    void setFontBold(bool bold) { m_state.fontBold = bold; }
    void setFontItalic(bool italic) { m_state.fontItalic = italic; }
    void setFontStretch(int percent) { m_state.fontStretch = percent; }
    void setFont(const QString &name, double points, bool bold, bool italic)
    {
        setFontName(name);
        setFontSize(points);
        setFontBold(bold);
        setFontItalic(italic);
    }
    void setForeColor(qint32 rgb) { m_state.foreColor = rgb; }
    void setDrawWidth(int pixels)
    {
        m_state.drawWidth = pixels;
        m_state.drawWidthTwips = 0;
    }
    // A width that looks the same on every printer, where pixels vary with the resolution.
    void setDrawWidthTwips(int twips) { m_state.drawWidthTwips = twips; }
    void setFillStyle(FillStyle style) { m_state.fillStyle = style; }
    void setFillColor(qint32 rgb) { m_state.fillColor = rgb; }
    void setCurrentX(int x) { m_state.currentX = x; }
    void setCurrentY(int y) { m_state.currentY = y; }
    void setColorMode(ColorMode mode);
    const CanvasState &state() const { return m_state; }

    // The size of a text in the current font, in twips.
    virtual int textWidth(const QString &text) = 0;
    virtual int textHeight(const QString &text) = 0;

    // The text with its top-left corner at the current position, in the fore colour.
    void print(const QString &text) { drawText(text); }
    // The text with its top-left corner at (x, y), which becomes the current position.
    void printAt(const QString &text, int x, int y)
    {
        setCurrentX(x);
        setCurrentY(y);
        drawText(text);
    }
    void line(int x1, int y1, int x2, int y2, qint32 rgb) { drawLine(QLine(x1, y1, x2, y2), rgb); }
    // A rectangle between two opposite corners, outlined or filled.
    void box(int x1, int y1, int x2, int y2, qint32 rgb)
    {
        drawBox(corners(x1, y1, x2, y2), rgb, false);
    }
    void filledBox(int x1, int y1, int x2, int y2, qint32 rgb)
    {
        drawBox(corners(x1, y1, x2, y2), rgb, true);
    }
    // Outlined in `rgb`, filled with the fill colour when the fill style is solid.
    void circle(int x, int y, int radius, qint32 rgb) { drawCircle(QPoint(x, y), radius, rgb); }
    // The whole picture, or its source rectangle in twips of the picture at natural size, scaled
    // into the destination rectangle.
    void paintPicture(const QImage &picture, const QRect &target)
    {
        drawPicture(picture, target, naturalRect(picture));
    }
    void paintPicture(const QImage &picture, const QRect &target, const QRect &source)
    {
        drawPicture(picture, target, source);
    }

    // What is drawn next goes on a new page of the same job, from its top-left corner.
    void newPage()
    {
        startPage();
        m_state.currentX = 0;
        m_state.currentY = 0;
    }

    // Ends the job: everything drawn since the last new page comes out on the last page.
    virtual Outcome<void> endDoc() = 0;

protected:
    virtual void colorModeChanged() {}
    virtual void startPage() = 0;
    virtual void drawText(const QString &text) = 0;
    virtual void drawLine(const QLine &line, qint32 rgb) = 0;
    virtual void drawBox(const QRect &rect, qint32 rgb, bool filled) = 0;
    virtual void drawCircle(const QPoint &centre, int radius, qint32 rgb) = 0;
    virtual void drawPicture(const QImage &picture, const QRect &target, const QRect &source) = 0;

private:
    static QRect corners(int x1, int y1, int x2, int y2)
    {
        return QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    }
    static QRect naturalRect(const QImage &picture);

    CanvasState m_state;
};
