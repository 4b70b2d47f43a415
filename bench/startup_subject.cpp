// The program's start as bench_startup times it: the very steps of the executable up to the main
// window, without the splash's wait, ending once the main window has painted. Prints the number
// of the window's labels, for the floor to make as many.

#include "EndAtFirstPaint.h"
#include "app/ProgramStart.h"
#include "mainwindow/frmMain.h"
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QLabel>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtDialogs dialogs;
    const ProgramStart start = startProgram(dialogs);
    if (!start.lock->held())
        return 1;
    const std::unique_ptr<frmMain> window = showMainWindow(start.folders, dialogs);
    EndAtFirstPaint painted(
        [&] { std::printf("%d\n", int(window->findChildren<QLabel *>().size())); });
    window->installEventFilter(&painted);
    return app.exec();
}
