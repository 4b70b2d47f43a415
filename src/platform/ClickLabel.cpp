#include "ClickLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget *parent) : ClickLabel(QString(), parent) {}

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setStyleSheet(QStringLiteral("ClickLabel:focus { border: 1px dotted palette(highlight); }"));
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    const bool press = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                       event->key() == Qt::Key_Space;
    if (press && event->modifiers() == Qt::NoModifier && isEnabled()) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        emit clicked();
    QLabel::mousePressEvent(event);
}
