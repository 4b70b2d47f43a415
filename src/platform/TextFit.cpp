#include "TextFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRect>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Narrower than half their width, letters are no longer read at a glance.
constexpr int NarrowestStretch = 50;

QFont stretched(QFont font, int stretch)
{
    font.setStretch(stretch == 100 ? int(QFont::AnyStretch) : stretch);
    return font;
}

// The width a text takes when drawn on one line, whole pixels rounded up as a label draws it.
int drawnWidth(const QFont &font, const QString &text)
{
    return QFontMetrics(font).boundingRect(QRect(), 0, text).width();
}

// The lines `text` wraps into at its spaces within `room` pixels; a word wider than the room is
// broken only where `anywhere` allows it.
QStringList wrapped(const QFont &font, const QString &text, int room, bool anywhere)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(anywhere ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                : QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room);
        if (!anywhere && std::ceil(line.naturalTextWidth()) > room)
            return {};
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

bool fits(const QFont &font, const QString &text, int room, int lines)
{
    if (drawnWidth(font, text) <= room)
        return true;
    if (lines == 1)
        return false;
    const QStringList wrappedLines = wrapped(font, text, room, false);
    return !wrappedLines.isEmpty() && wrappedLines.size() <= lines;
}

// The first `lines` - 1 lines as they wrap, and the rest cut short with "…" on the last line.
QString shortened(const QFont &font, const QString &text, int room, int lines)
{
    const QStringList all = wrapped(font, text, room, true);
    QStringList kept = all.mid(0, lines - 1);
    const QString rest = QStringList(all.mid(lines - 1)).join(QLatin1Char(' '));
    kept << QFontMetrics(font).elidedText(rest, Qt::ElideRight, room);
    return kept.join(QLatin1Char('\n'));
}

} // namespace

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

void showWithin(QLabel *label, const QString &text, int room, int lines)
{
    const QFont font = label->font();
    int stretch = 100;
    if (!fits(stretched(font, stretch), text, room, lines)) {
        // The widest letters that fit: the largest stretch from the narrowest up that still fits.
        int low = NarrowestStretch, high = 99;
        stretch = fits(stretched(font, low), text, room, lines) ? low : 0;
        while (stretch && low < high) {
            const int middle = (low + high + 1) / 2;
            if (fits(stretched(font, middle), text, room, lines))
                low = middle;
            else
                high = middle - 1;
            stretch = low;
        }
    }
    const QFont shown = stretched(font, stretch ? stretch : NarrowestStretch);
    if (shown != font)
        label->setFont(shown);
    label->setToolTip(stretch ? QString() : text);
    label->setText(stretch ? text : shortened(shown, text, room, lines));
    fitToText(label);
    if (!stretch) {
        label->resize(label->width(), std::max(label->minimumHeight(), label->sizeHint().height()));
    } else if (drawnWidth(shown, text) > room) {
        label->setWordWrap(true);
        label->resize(std::max(label->minimumWidth(), room),
                      std::max(label->minimumHeight(), label->heightForWidth(room)));
    }
}
