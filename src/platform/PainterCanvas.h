#pragma once

// A canvas that paints with QPainter on a printer, a PDF writer or an image. Painting starts with
// the first drawing, so a colour mode chosen before it reaches the printer.

#include "Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <optional>
#include <tuple>

class PainterCanvas : public Canvas
{
public:
    explicit PainterCanvas(QPaintDevice &device);
    ~PainterCanvas() override;

    int textWidth(const QString &text) override;
    int textHeight(const QString &text) override;
    Outcome<void> endDoc() override;

protected:
    void colorModeChanged() override;
    void startPage() override;
    void drawText(const QString &text) override;
    void drawLine(const QLine &line, qint32 rgb) override;
    void drawBox(const QRect &rect, qint32 rgb, bool filled) override;
    void drawCircle(const QPoint &centre, int radius, qint32 rgb) override;
    void drawPicture(const QImage &picture, const QRect &target, const QRect &source) override;

private:
    QPainter *painter(); // nullptr when the device cannot be painted on
    struct Font
    {
        std::tuple<QString, double, bool, bool, int> key; // name, size, bold, italic, stretch
        QFont font;
        QFontMetricsF metrics;
    };
    const Font &currentFont();
    QColor color(qint32 rgb) const;
    QPen pen(qint32 rgb) const;

    QPaintDevice &m_device;
    QPainter m_painter;
    bool m_beginFailed = false;
    QImage m_grey; // the last picture drawn in grey tones, and the picture it was made of
    qint64 m_greyOf = 0;
    std::optional<Font> m_font;
};
