#include "frmLogoBlit.h"

#include "platform/Pictures.h"

frmLogoBlit::frmLogoBlit(QWidget *parent)
    : QWidget(parent), m_logo(QStringLiteral(":/logo36.bmp")),
      m_mask(QStringLiteral(":/logo36mask.bmp"))
{
    setObjectName("frmLogoBlit");
    hide();
    const auto box = [this](const char *name, const QImage &picture) {
        auto *label = new QLabel(this);
        label->setObjectName(name);
        label->setPixmap(QPixmap::fromImage(picture));
        label->resize(picture.size());
        return label;
    };
    picSmLogo = box("picSmLogo", m_logo);
    picSmLogoMask = box("picSmLogoMask", m_mask);
}

void frmLogoBlit::drawOn(QImage &surface, QPoint at) const
{
    bitBlt(surface, at, m_mask, RasterOp::And);
    bitBlt(surface, at, m_logo, RasterOp::Or);
}
