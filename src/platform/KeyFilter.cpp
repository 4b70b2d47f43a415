#include "KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

KeyFilter::KeyFilter(QObject *target, std::function<bool(QChar)> accepts)
    : QObject(target), m_accepts(std::move(accepts))
{
    target->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() == 1 && text.at(0).isPrint() && !m_accepts(text.at(0)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void filterKeys(QLineEdit *box, std::function<bool(QChar)> accepts)
{
    new KeyFilter(box, std::move(accepts));
}
