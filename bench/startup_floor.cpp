// The floor of bench_startup: a bare Qt main window with a menu bar and as many labels as the
// program's main window (the first argument), ending once it has painted.

#include "EndAtFirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int labels = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    QMainWindow window;
    for (const char *title : {"&File", "&Profiles", "&Stats", "&Trading Card", "&Help"}) {
        QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int item = 0; item < 8; ++item)
            menu->addAction(QStringLiteral("Item %1").arg(item));
    }
    auto *page = new QWidget(&window);
    for (int i = 0; i < labels; ++i)
        (new QLabel(QStringLiteral("Label %1").arg(i), page))->move(10 * (i % 40), 20 * (i / 40));
    window.setCentralWidget(page);
    window.resize(720, 600);
    EndAtFirstPaint painted;
    window.installEventFilter(&painted);
    window.show();
    return app.exec();
}
