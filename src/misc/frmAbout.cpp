#include "frmAbout.h"

#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "platform/Units.h"

#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget *parent) : QWidget(parent)
{
    setObjectName("frmAbout");
    setWindowTitle("About Scorebinder");
    setFixedSize(twipsToPixels(5640), twipsToPixels(2400));

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setPixmap(smallLogo());
    picIcon->setGeometry(twipsRect(240, 240, 720, 720));
    picIcon->setAlignment(Qt::AlignCenter);

    auto *lblTitle = new QLabel("Scorebinder", this);
    lblTitle->setObjectName("lblTitle");
    lblTitle->setFont(windowFont("Arial", 18, true));
    lblTitle->setGeometry(twipsRect(1200, 240, 4200, 480));

    auto *lblVersion = new QLabel("For Linux    Version 1.1", this);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setGeometry(twipsRect(1200, 840, 4200, 300));

    auto *cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(twipsRect(4200, 1680, 1200, 420));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    behaveLikeDialog(*this, cmdOK, nullptr);
}
