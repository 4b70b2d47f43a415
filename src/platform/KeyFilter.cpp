#include "KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStringEncoder>

#include <algorithm>

namespace {

// Backspace, tab, return, escape and control shortcuts carry a single C0 control character or
// DEL as their text; they edit rather than type, and the box does not insert them.
bool isEditingKeyText(const QString &text)
{
    return text.size() == 1 && (text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F);
}

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control; // C0, DEL and C1 (U+0080 to U+009F)
}

// The same test the record writer applies, so a name box drops exactly what it would refuse.
bool fitsWindows1252(const QString &text)
{
    QStringEncoder encoder("windows-1252");
    (void)QByteArray(encoder.encode(text));
    return !encoder.hasError();
}

} // namespace

KeyFilter::KeyFilter(QObject *target, std::function<bool(const QString &)> accepts)
    : QObject(target), m_accepts(std::move(accepts))
{
    target->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (!text.isEmpty() && !isEditingKeyText(text) && !m_accepts(text))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void filterKeys(QLineEdit *box, std::function<bool(QChar)> accepts)
{
    new KeyFilter(box, [accepts = std::move(accepts)](const QString &text) {
        return std::all_of(text.begin(), text.end(), accepts);
    });
}

bool isNameText(const QString &text)
{
    return std::none_of(text.begin(), text.end(), isControl) && fitsWindows1252(text);
}

void filterNameKeys(QLineEdit *box)
{
    new KeyFilter(box, isNameText);
}
