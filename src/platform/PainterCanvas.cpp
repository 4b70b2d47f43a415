#include "PainterCanvas.h"

#include "Pictures.h"
#include "Units.h"

#include <QFontMetricsF>
#include <QPrinter>

#include <cmath>

PainterCanvas::PainterCanvas(QPaintDevice &device) : m_device(device) {}

PainterCanvas::~PainterCanvas()
{
    if (m_painter.isActive())
        m_painter.end();
}

QPainter *PainterCanvas::painter()
{
    if (m_painter.isActive())
        return &m_painter;
    if (m_beginFailed || !m_painter.begin(&m_device)) {
        m_beginFailed = true;
        return nullptr;
    }
    // Every coordinate is in twips from the top-left of the printable area.
    m_painter.scale(m_device.logicalDpiX() / double(TwipsPerInch),
                    m_device.logicalDpiY() / double(TwipsPerInch));
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    return &m_painter;
}

void PainterCanvas::colorModeChanged()
{
    if (auto *printer = dynamic_cast<QPrinter *>(&m_device); printer && !m_painter.isActive())
        printer->setColorMode(state().colorMode == ColorMode::Monochrome ? QPrinter::GrayScale
                                                                         : QPrinter::Color);
}

void PainterCanvas::startPage()
{
    auto *printer = dynamic_cast<QPrinter *>(&m_device);
    if (printer && painter())
        printer->newPage();
}

const PainterCanvas::Font &PainterCanvas::currentFont()
{
    const CanvasState &st = state();
    const auto key =
        std::make_tuple(st.fontName, st.fontSize, st.fontBold, st.fontItalic, st.fontStretch);
    // A page sets a few fonts over and over: each is made and measured once.
    if (!m_font || m_font->key != key) {
        QFont font(st.fontName);
        // A point is 20 twips; sized in twips the font scales with the page like everything else.
        font.setPixelSize(std::max(1, int(std::lround(st.fontSize * 20))));
        font.setBold(st.fontBold);
        font.setItalic(st.fontItalic);
        if (st.fontStretch != 100)
            font.setStretch(st.fontStretch);
        m_font.emplace(Font{key, font, QFontMetricsF(font, &m_device)});
    }
    return *m_font;
}

QColor PainterCanvas::color(qint32 rgb) const
{
    const QColor colour = colorFromRgbLong(rgb);
    if (state().colorMode == ColorMode::Color)
        return colour;
    const int grey = qGray(colour.rgb());
    return QColor(grey, grey, grey);
}

QPen PainterCanvas::pen(qint32 rgb) const
{
    QPen pen(color(rgb));
    if (state().drawWidthTwips > 0) {
        pen.setWidth(state().drawWidthTwips); // the painter is scaled to twips
        return pen;
    }
    pen.setCosmetic(true); // the width is in pixels of the device
    pen.setWidth(std::max(1, state().drawWidth));
    return pen;
}

int PainterCanvas::textWidth(const QString &text)
{
    return int(std::lround(currentFont().metrics.horizontalAdvance(text)));
}

int PainterCanvas::textHeight(const QString &)
{
    return int(std::lround(currentFont().metrics.height()));
}

void PainterCanvas::drawText(const QString &text)
{
    QPainter *p = painter();
    if (!p)
        return;
    const Font &font = currentFont();
    p->setFont(font.font);
    p->setPen(color(state().foreColor));
    const QFontMetricsF &metrics = font.metrics;
    p->drawText(QPointF(state().currentX, state().currentY + metrics.ascent()), text);
}

void PainterCanvas::drawLine(const QLine &line, qint32 rgb)
{
    if (QPainter *p = painter()) {
        p->setPen(pen(rgb));
        p->drawLine(line);
    }
}

void PainterCanvas::drawBox(const QRect &rect, qint32 rgb, bool filled)
{
    QPainter *p = painter();
    if (!p)
        return;
    const QRectF area(rect.left(), rect.top(), rect.right() - rect.left(),
                      rect.bottom() - rect.top());
    if (filled) {
        p->fillRect(area, color(rgb));
    } else {
        p->setPen(pen(rgb));
        p->setBrush(Qt::NoBrush);
        p->drawRect(area);
    }
}

void PainterCanvas::drawCircle(const QPoint &centre, int radius, qint32 rgb)
{
    if (QPainter *p = painter()) {
        p->setPen(pen(rgb));
        if (state().fillStyle == FillStyle::Solid)
            p->setBrush(color(state().fillColor));
        else
            p->setBrush(Qt::NoBrush);
        p->drawEllipse(QPointF(centre), radius, radius);
    }
}

void PainterCanvas::drawPicture(const QImage &picture, const QRect &target, const QRect &source)
{
    QPainter *p = painter();
    if (!p || picture.isNull())
        return;
    // The grey version is kept for the next draw of the same picture, so a picture painted in
    // many places stays one picture in a PDF in grey tones too.
    if (state().colorMode == ColorMode::Monochrome && picture.cacheKey() != m_greyOf) {
        m_grey = picture.convertToFormat(QImage::Format_Grayscale8);
        m_greyOf = picture.cacheKey();
    }
    const QImage &shown = state().colorMode == ColorMode::Monochrome ? m_grey : picture;
    p->drawImage(QRectF(target), shown, picturePixels(picture, source));
}

Outcome<void> PainterCanvas::endDoc()
{
    if (!painter())
        return Failure{QStringLiteral("The page could not be started on this printer.")};
    if (!m_painter.end())
        return Failure{QStringLiteral("The page could not be finished on this printer.")};
    return {};
}
