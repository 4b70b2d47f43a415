#pragma once

// Ends the program as soon as the watched window has painted, as the start-up benchmark's two
// programs do: what is timed is the start up to the first paint, not the closing down.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

class EndAtFirstPaint : public QObject
{
public:
    // `last` runs once the paint is done, just before the end.
    explicit EndAtFirstPaint(std::function<void()> last = {}) : m_last(std::move(last)) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [this] {
                if (m_last)
                    m_last();
                std::fflush(stdout);
                std::_Exit(0);
            });
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_last;
};
