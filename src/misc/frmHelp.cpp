#include "frmHelp.h"

#include "platform/DialogKeys.h"

#include <QUrl>
#include <QVBoxLayout>

frmHelp::frmHelp(const QString &helpFile, QWidget *parent) : QWidget(parent)
{
    setObjectName("frmHelp");
    setWindowTitle("Scorebinder Help");
    resize(720, 600);
    browser = new QTextBrowser(this);
    browser->setObjectName("browser");
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl::fromLocalFile(helpFile));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    behaveLikeDialog(*this, nullptr, nullptr);
}
