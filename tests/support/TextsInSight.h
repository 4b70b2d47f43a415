#pragma once

// Whether a window shows its texts whole: every label's text lies inside the label and inside each
// widget that holds it (no window or page edge cuts it off), and no text shares pixels with another
// text or with a control beside it. Each function returns what it found, one line a text, so a
// failing test names the labels.

#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QStringList>
#include <QTextDocument>
#include <QVector>
#include <QWidget>

namespace TextsInSight {

// The rectangle a label's text covers when drawn, in the label's own coordinates.
inline QRect textRect(const QLabel &label)
{
    int flags = int(label.alignment());
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    const int m = label.margin();
    return QFontMetrics(label.font())
        .boundingRect(label.contentsRect().adjusted(m, m, -m, -m), flags, label.text());
}

inline QString describe(const QWidget &widget)
{
    const auto *label = qobject_cast<const QLabel *>(&widget);
    return QStringLiteral("%1 \"%2\"")
        .arg(widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                           : widget.objectName(),
             label ? label->text() : QString());
}

inline QVector<const QLabel *> shownTexts(const QWidget &window)
{
    QVector<const QLabel *> shown;
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->window() == &window && label->isVisibleTo(&window) && !label->text().isEmpty())
            shown.append(label);
    return shown;
}

// Texts that do not fit in their label, or reach past a widget that holds the label, and texts
// read as markup rather than shown as they stand.
inline QStringList cutTexts(const QWidget &window)
{
    QStringList cut;
    for (const QLabel *label : shownTexts(window)) {
        if (label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
            cut << describe(*label) + " read as markup";
        QRect r = textRect(*label);
        bool whole = label->contentsRect().contains(r);
        for (const QWidget *w = label; whole && w != &window; w = w->parentWidget()) {
            r.translate(w->pos());
            whole = w->parentWidget()->rect().contains(r);
        }
        if (!whole)
            cut << describe(*label);
    }
    return cut;
}

// Pairs of texts that share pixels, and texts that share pixels with a visible control, frame or
// line standing beside their label (a text wholly inside a frame is framed, not crossed).
inline QStringList overlappingTexts(const QWidget &window)
{
    const QVector<const QLabel *> shown = shownTexts(window);
    QVector<QRect> rects;
    for (const QLabel *label : shown) {
        const QRect r = textRect(*label);
        rects.append(QRect(label->mapTo(&window, r.topLeft()), r.size()));
    }
    QStringList found;
    for (int i = 0; i < shown.size(); ++i) {
        for (int j = i + 1; j < shown.size(); ++j)
            if (rects[i].intersects(rects[j]))
                found << describe(*shown[i]) + " / " + describe(*shown[j]);
        const QWidget *parent = shown[i]->parentWidget();
        for (const QWidget *other : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const auto *label = qobject_cast<const QLabel *>(other);
            const bool isText =
                label && (!label->text().isEmpty() ||
                          (label->frameShape() == QFrame::NoFrame && label->pixmap().isNull()));
            if (other == shown[i] || isText || other->isWindow() || !other->isVisibleTo(&window))
                continue;
            const QRect area(other->mapTo(&window, QPoint(0, 0)), other->size());
            if (rects[i].intersects(area) && !area.contains(rects[i]))
                found << describe(*shown[i]) + " / " + describe(*other);
        }
    }
    return found;
}

// Where every label of a window stands, by name (an unnamed caption by its text), to show that
// fitting texts moved no label from the place its layout gives: its top left, or for a
// right-aligned label the top right its text stands against.
inline QHash<QString, QPoint> labelPlaces(const QWidget &window)
{
    QHash<QString, QPoint> places;
    for (const QLabel *label : window.findChildren<QLabel *>())
        places.insert(label->objectName().isEmpty() ? label->text() : label->objectName(),
                      label->alignment() & Qt::AlignRight ? label->geometry().topRight()
                                                          : label->pos());
    return places;
}

} // namespace TextsInSight
