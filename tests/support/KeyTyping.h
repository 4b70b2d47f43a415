#pragma once

// Typing as a keyboard does it: one key press carries the whole text of its character, which for
// a character beyond 16 bits is a surrogate pair (QTest::keyClicks would send each QChar alone).

#include <QTest>

inline void typeKeyText(QWidget *widget, const QString &text, Qt::Key key = Qt::Key_unknown)
{
    QTest::sendKeyEvent(QTest::Press, widget, key, text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, key, text, Qt::NoModifier);
}
