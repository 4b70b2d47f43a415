#pragma once

// The pieces the card windows are made of: a picture surface that keeps what is painted on it,
// the decoration shapes (rectangles and circles, outlined and/or filled) that lie above it, and
// the grip of the picture editor's crop frame.

#include <QColor>
#include <QImage>
#include <QWidget>

// A surface whose drawing persists: the photo and the logo are painted into its image, which the
// widget shows at one pixel per pixel (15 twips each). Cleared, it is white or `background`.
class CardSurface : public QWidget
{
    Q_OBJECT

public:
    CardSurface(const char *name, const QRect &geometry, QWidget *parent,
                const QColor &background = Qt::white);

    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    QColor m_background;
};

// The grip of the picture editor's crop frame: transparent, it reports a press of any mouse button
// within it, and where the pointer moves and is let go, in its window's pixels.
class CropGrip : public QWidget
{
    Q_OBJECT

public:
    CropGrip(const char *name, const QRect &geometry, QWidget *parent);

signals:
    void pressed(QPoint within);
    void dragged(QPoint inWindow);
    void dropped(QPoint inWindow);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_dragging = false;
};

class CardShape : public QWidget
{
    Q_OBJECT

public:
    enum Kind
    {
        Rectangle,
        Circle
    };
    CardShape(const char *name, Kind kind, const QRect &geometry, QWidget *parent);

    // An outline `width` pixels wide drawn inside the shape's bounds; width 0 draws none.
    void setBorder(const QColor &colour, int width);
    void setFill(const QColor &colour); // an invalid colour leaves the shape unfilled

    QColor borderColor() const { return m_border; }
    int borderWidth() const { return m_borderWidth; }
    QColor fillColor() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_border;
    int m_borderWidth = 0;
    QColor m_fill;
};
