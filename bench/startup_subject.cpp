// The program's start as bench_startup times it: the very steps of the executable up to the main
// window, without the splash's wait, ending once the main window has painted. Prints the number
// of the window's labels, for the floor to make as many.

#include "app/ProgramStart.h"
#include "mainwindow/frmMain.h"
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

// Ends the program after the watched window's first paint.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtDialogs dialogs;
    const ProgramStart start = startProgram(dialogs);
    if (!start.lock->held())
        return 1;
    FirstPaint painted;
    const std::unique_ptr<frmMain> window = showMainWindow(start.folders, dialogs);
    window->installEventFilter(&painted);
    const int result = app.exec();
    std::printf("%d\n", int(window->findChildren<QLabel *>().size()));
    return result;
}
