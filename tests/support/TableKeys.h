#pragma once

// Enter and Esc in a list or table window: sent while Print has the focus, either presses Close,
// and nothing is printed.

#include "support/ScriptedDialogs.h"
#include "tables/StatsTableWindow.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// Rows "pitching" and "key": Return and Esc in the batting window, keypad Enter and Esc in the
// pitching one.
inline void addTableKeyRows()
{
    QTest::addColumn<bool>("pitching");
    QTest::addColumn<int>("key");
    QTest::newRow("batting, Return") << false << int(Qt::Key_Return);
    QTest::newRow("batting, Esc") << false << int(Qt::Key_Escape);
    QTest::newRow("pitching, keypad Enter") << true << int(Qt::Key_Enter);
    QTest::newRow("pitching, Esc") << true << int(Qt::Key_Escape);
}

inline void checkKeyPressesClose(StatsTableWindow &window, int key, const ScriptedDialogs &dialogs)
{
    window.show();
    QSignalSpy closeClicks(window.cmdClose, &QPushButton::clicked);
    window.cmdPrint->setFocus();
    QTest::keyClick(window.cmdPrint, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(closeClicks.count(), 1);
    QVERIFY(!window.isVisible());
    QCOMPARE(dialogs.printerDialogs, 0);
}
