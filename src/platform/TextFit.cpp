#include "TextFit.h"

#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QRect>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Narrower than half their width, letters are no longer read at a glance.
constexpr int NarrowestStretch = 50;
// More texts than a few windows show at once; past them the remembered widths start over.
constexpr qsizetype MaxRememberedWidths = 4096;

QFont stretched(QFont font, int stretch)
{
    font.setStretch(stretch == 100 ? int(QFont::AnyStretch) : stretch);
    return font;
}

// The width a text takes on one line, in whole pixels rounded up as a label draws it: its advance
// and whatever its first and last letters reach beyond it. A full layout, as a label's size hint
// makes, is several times slower, which a table of some 450 cells would feel.
int drawnWidth(const QFont &font, const QString &text)
{
    if (text.isEmpty())
        return 0;
    // The tables show the same few figures again and again: each width is measured once a font.
    static QHash<QFont, QHash<QString, int>> known;
    QHash<QString, int> &widths = known[font];
    if (const auto found = widths.constFind(text); found != widths.cend())
        return *found;
    if (widths.size() >= MaxRememberedWidths)
        widths.clear();
    const QFontMetricsF metrics(font);
    const qreal overhang = std::min(0.0, metrics.leftBearing(text.front())) +
                           std::min(0.0, metrics.rightBearing(text.back()));
    const int width = int(std::ceil(metrics.horizontalAdvance(text) - overhang));
    widths.insert(text, width);
    return width;
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

// The width a label's text takes: a shortened text of several lines by its size hint.
int textWidth(const QLabel &label)
{
    const QString text = label.text();
    return text.contains(QLatin1Char('\n')) ? label.sizeHint().width()
                                            : drawnWidth(label.font(), text);
}

} // namespace

void placeFitted(QLabel *label, const QRect &rect)
{
    // What a label shows comes from the user's files: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setMinimumSize(rect.size());
    label->setGeometry(rect);
}

void fitToText(QLabel *label)
{
    if (label->wordWrap())
        label->setWordWrap(false);
    const int width = std::max(label->minimumWidth(), textWidth(*label));
    // A right-aligned text stands at the right edge, next to what it captions: it keeps that edge.
    const int left =
        label->alignment() & Qt::AlignRight ? label->x() + label->width() - width : label->x();
    label->setGeometry(left, label->y(), width, label->minimumHeight());
}

void showWhole(QLabel *label, const QString &text)
{
    // The label was fitted to its text when the text was set: nothing to measure again.
    if (label->text() == text)
        return;
    label->setText(text);
    fitToText(label);
}

void showWithin(QLabel *label, const QString &text, int room, int lines)
{
    // The same text in the same room comes out as it did.
    if (label->text() == text && label->toolTip().isEmpty())
        return;
    // Most texts fit as they are.
    if (label->font().stretch() == QFont::AnyStretch && drawnWidth(label->font(), text) <= room) {
        if (!label->toolTip().isEmpty())
            label->setToolTip(QString());
        showWhole(label, text);
        return;
    }
    const QFont font = label->font();
    // The widest letters that fit, searched from the narrowest up; 0 when none do.
    int stretch = 100;
    if (!fits(stretched(font, stretch), text, room, lines)) {
        stretch = 0;
        for (int low = NarrowestStretch, high = 99; low <= high;) {
            const int middle = (low + high) / 2;
            if (fits(stretched(font, middle), text, room, lines)) {
                stretch = middle;
                low = middle + 1;
            } else {
                high = middle - 1;
            }
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

QFont fontFitting(const QFont &font, const QString &text, int room)
{
    if (drawnWidth(font, text) <= room)
        return font;
    int stretch = NarrowestStretch;
    for (int low = NarrowestStretch, high = 99; low <= high;) {
        const int middle = (low + high) / 2;
        if (drawnWidth(stretched(font, middle), text) <= room) {
            stretch = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return stretched(font, stretch);
}

QString wholeText(const QLabel *label)
{
    return label->toolTip().isEmpty() ? label->text() : label->toolTip();
}

namespace {

constexpr int NarrowestCardStretch = 60;
constexpr double SmallestPoints = 7.0;
constexpr double PointStep = 0.5;

// The widest stretch from `narrowest` to 100 at which the text fits, or 0.
int widestFitting(const QString &text, double points, double room, int narrowest,
                  const TextWidth &width)
{
    int found = 0;
    for (int low = narrowest, high = 100; low <= high;) {
        const int middle = (low + high) / 2;
        if (width(text, points, middle) <= room) {
            found = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return found;
}

} // namespace

TextSetting settingWithin(const QString &text, double points, double room, const TextWidth &width)
{
    if (width(text, points, 100) <= room)
        return {text, points, 100, false};
    if (const int stretch = widestFitting(text, points, room, NarrowestCardStretch, width))
        return {text, points, stretch, false};
    for (double smaller = points - PointStep; smaller >= SmallestPoints - 1e-9;
         smaller -= PointStep)
        if (width(text, smaller, NarrowestCardStretch) <= room)
            return {text, smaller, NarrowestCardStretch, false};
    const double least = std::min(points, SmallestPoints);
    const QString ellipsis = QStringLiteral("…");
    // The longest beginning that fits with the ellipsis.
    qsizetype kept = 0;
    for (qsizetype low = 0, high = text.size(); low <= high;) {
        const qsizetype middle = (low + high) / 2;
        if (width(text.left(middle).trimmed() + ellipsis, least, NarrowestCardStretch) <= room) {
            kept = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return {text.left(kept).trimmed() + ellipsis, least, NarrowestCardStretch, true};
}

void showSetWithin(QLabel *label, const QString &text, const QFont &font, int room)
{
    const auto fontFor = [&font](double points, int stretch) {
        QFont set = stretched(font, stretch);
        set.setPointSizeF(points);
        return set;
    };
    const TextSetting setting = settingWithin(
        text, font.pointSizeF(), room, [&](const QString &t, double points, int stretch) {
            return double(drawnWidth(fontFor(points, stretch), t));
        });
    label->setFont(fontFor(setting.points, setting.stretch));
    label->setText(setting.text);
    label->setToolTip(setting.shortened ? text : QString());
}
