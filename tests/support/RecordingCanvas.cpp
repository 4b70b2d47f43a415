#include "RecordingCanvas.h"

#include <cmath>

int RecordingCanvas::textWidth(const QString &text)
{
    return int(std::lround(text.size() * state().fontSize * 10 * state().fontStretch / 100.0));
}

int RecordingCanvas::textHeight(const QString &)
{
    return int(std::lround(state().fontSize * 20));
}

Outcome<void> RecordingCanvas::endDoc()
{
    ops.append(op(CanvasOp::EndDoc));
    return {};
}

QVector<CanvasOp> RecordingCanvas::texts() const
{
    QVector<CanvasOp> found;
    for (const CanvasOp &o : ops)
        if (o.kind == CanvasOp::Text)
            found.append(o);
    return found;
}

CanvasOp RecordingCanvas::op(CanvasOp::Kind kind) const
{
    CanvasOp recorded{};
    recorded.kind = kind;
    recorded.state = state();
    return recorded;
}

void RecordingCanvas::drawText(const QString &text)
{
    CanvasOp o = op(CanvasOp::Text);
    o.text = text;
    ops.append(o);
}

void RecordingCanvas::drawLine(const QLine &line, qint32 rgb)
{
    CanvasOp o = op(CanvasOp::Line);
    o.rect = QRect(line.p1(), line.p2());
    o.color = rgb;
    ops.append(o);
}

void RecordingCanvas::drawBox(const QRect &rect, qint32 rgb, bool filled)
{
    CanvasOp o = op(filled ? CanvasOp::FilledBox : CanvasOp::Box);
    o.rect = rect;
    o.color = rgb;
    ops.append(o);
}

void RecordingCanvas::drawCircle(const QPoint &centre, int radius, qint32 rgb)
{
    CanvasOp o = op(CanvasOp::Circle);
    o.centre = centre;
    o.radius = radius;
    o.color = rgb;
    ops.append(o);
}

void RecordingCanvas::drawPicture(const QImage &picture, const QRect &target, const QRect &source)
{
    CanvasOp o = op(CanvasOp::Picture);
    o.rect = target;
    o.source = source;
    o.pictureSize = picture.size();
    ops.append(o);
}
