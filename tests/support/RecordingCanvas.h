#pragma once

// A canvas that keeps every drawing operation with the state it was drawn in. Text is measured
// with fixed metrics so positions computed from widths are predictable: each character is as wide
// as the font size times 10 twips (times the stretch), and a line is the font size times 20 twips
// high.

#include "platform/Canvas.h"

#include <QVector>

struct CanvasOp
{
    enum Kind
    {
        Text,
        Line,
        Box,
        FilledBox,
        Circle,
        Picture,
        NewPage,
        EndDoc
    };
    Kind kind;
    CanvasState state; // font, colours, pen and current position when drawn
    QString text;      // Text
    QRect rect;        // Box, FilledBox, Picture target; Line from topLeft to bottomRight
    QRect source;      // Picture
    QPoint centre;     // Circle
    int radius = 0;    // Circle
    qint32 color = 0;  // Line, Box, FilledBox, Circle outline
    QSize pictureSize; // Picture, in pixels
};

class RecordingCanvas : public Canvas
{
public:
    int textWidth(const QString &text) override;
    int textHeight(const QString &text) override;
    Outcome<void> endDoc() override;

    QVector<CanvasOp> ops;
    QVector<CanvasOp> texts() const; // the Text operations only

protected:
    void startPage() override { ops.append(op(CanvasOp::NewPage)); }
    void drawText(const QString &text) override;
    void drawLine(const QLine &line, qint32 rgb) override;
    void drawBox(const QRect &rect, qint32 rgb, bool filled) override;
    void drawCircle(const QPoint &centre, int radius, qint32 rgb) override;
    void drawPicture(const QImage &picture, const QRect &target, const QRect &source) override;

private:
    CanvasOp op(CanvasOp::Kind kind) const;
};
