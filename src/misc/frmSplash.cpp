#include "frmSplash.h"

#include "platform/Fonts.h"
#include "platform/Units.h"

#include <QEvent>
#include <QLabel>

namespace {

QLabel *text(QWidget *parent, const char *name, const QString &caption, const QString &family,
             double points, bool bold, const QColor &colour, const QRect &twips)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(windowFont(family, points, bold));
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("frmSplash");
    setFixedSize(twipsToPixels(7320), twipsToPixels(4290));
    setStyleSheet("frmSplash { background: #004000; }");

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(twipsRect(120, 120, 7080, 4050));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setStyleSheet("#Frame1 { background: #004000; border: 3px solid white; }");
    Frame1->installEventFilter(this);

    // The name twice, a shadow under the white, in large type at the top.
    text(Frame1, "Label1", "Scorebinder", "Arial", 40, true, QColor(0, 0, 0),
         QRect(270, 510, 6600, 1200));
    text(Frame1, "lblProductName", "Scorebinder", "Arial", 40, true, Qt::white,
         QRect(240, 480, 6600, 1200));
    auto *line = new QFrame(Frame1);
    line->setObjectName("Line1");
    line->setGeometry(twipsRect(960, 1800, 5160, 30));
    line->setStyleSheet("background: white;");
    text(Frame1, "lblVersion", "Version 1.1", "Arial", 14, true, Qt::white,
         QRect(240, 2040, 6600, 450));
    text(Frame1, "lblPlatform", " For Linux", "Arial", 12, false, QColor(200, 230, 200),
         QRect(240, 2640, 6600, 420));

    Timer1.setObjectName("Timer1");
    Timer1.setSingleShot(true);
    Timer1.setInterval(2000);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::handOver);
    Timer1.start();
}

void frmSplash::handOver()
{
    Timer1.stop();
    if (m_handedOver)
        return;
    m_handedOver = true;
    emit finished();
    close();
}

void frmSplash::keyPressEvent(QKeyEvent *)
{
    handOver();
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1 && event->type() == QEvent::MouseButtonPress)
        handOver();
    return QWidget::eventFilter(watched, event);
}
