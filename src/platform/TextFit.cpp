#include "TextFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRect>

#include <algorithm>

void placeFitted(QLabel *label, const QRect &rect)
{
    label->setMinimumSize(rect.size());
    label->setGeometry(rect);
}

void fitToText(QLabel *label)
{
    if (label->wordWrap())
        label->setWordWrap(false);
    const int width = std::max(label->minimumWidth(), label->sizeHint().width());
    // A right-aligned text stands at the right edge, next to what it captions: it keeps that edge.
    const int left =
        label->alignment() & Qt::AlignRight ? label->x() + label->width() - width : label->x();
    label->setGeometry(left, label->y(), width, label->minimumHeight());
}

void showWhole(QLabel *label, const QString &text)
{
    label->setText(text);
    fitToText(label);
}

void fitToLines(QLabel *label, int room)
{
    fitToText(label);
    if (label->width() <= room)
        return;
    const QFontMetrics metrics(label->font());
    const QStringList words = label->text().split(QLatin1Char(' '));
    const bool wraps = std::all_of(words.cbegin(), words.cend(), [&](const QString &word) {
        return metrics.horizontalAdvance(word) <= room;
    });
    if (!wraps)
        return;
    label->setWordWrap(true);
    label->resize(room, std::max(label->minimumHeight(), label->heightForWidth(room)));
}
