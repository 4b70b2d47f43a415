#include "platform/Fonts.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scorebinder"));
    installFontSubstitutions();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Scorebinder"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
