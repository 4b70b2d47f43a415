#include "frmTip.h"

#include "core/RegularFile.h"
#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/Units.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>

namespace {

const QString TipFile = QStringLiteral("TIPOFDAY.TXT");
constexpr qint64 MaxTipFileBytes = 1024 * 1024;

} // namespace

frmTip::frmTip(const QString &shippedPath, QWidget *parent, std::function<double()> random)
    : QWidget(parent), m_random(std::move(random))
{
    setObjectName("frmTip");
    setWindowTitle("Tip of the Day");
    setFixedSize(twipsToPixels(6000), twipsToPixels(3390));
    if (!m_random)
        m_random = [] { return QRandomGenerator::global()->generateDouble(); };

    auto *picture = new QLabel(this);
    picture->setObjectName("Picture1");
    picture->setGeometry(twipsRect(120, 120, 4680, 2640));
    picture->setStyleSheet("background: white; border: 1px solid gray;");

    auto *heading = new QLabel("Did you know...", this);
    heading->setObjectName("Label1");
    heading->setFont(windowFont("MS Sans Serif", 12, true));
    heading->setGeometry(twipsRect(360, 240, 4200, 390));

    lblTipText = new QLabel(this);
    lblTipText->setObjectName("lblTipText");
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setGeometry(twipsRect(360, 780, 4200, 1860));
    lblTipText->setFont(windowFont("MS Sans Serif", 9.75));

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(twipsRect(4920, 120, 960, 375));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);

    cmdNextTip = new QPushButton("&Next Tip", this);
    cmdNextTip->setObjectName("cmdNextTip");
    cmdNextTip->setGeometry(twipsRect(4920, 600, 960, 375));
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::DoNextTip);
    chkShowTips = new QCheckBox("&Show tips at start-up", this);
    chkShowTips->setObjectName("chkShowTips");
    chkShowTips->setGeometry(twipsRect(120, 2880, 4680, 315));
    chkShowTips->setChecked(true);
    behaveLikeDialog(*this, cmdOK, nullptr);

    const QString path = shippedPath + TipFile;
    if (!QFileInfo::exists(path)) {
        lblTipText->setText("That the " + TipFile +
                            " file was not found? \r\n\r\nCreate a text file named " + TipFile +
                            " using a text editor with 1 tip per line. " +
                            "Then place it in the same directory as the application. ");
        return;
    }
    // A pipe, a device or a huge file must not hold up the start.
    Outcome<QByteArray> data = readRegularFile(path, MaxTipFileBytes);
    if (!data) {
        lblTipText->setText("That " + TipFile + " cannot be read? " + data.error() +
                            "\r\n\r\nReplace it with a text file of 1 tip per line, at most "
                            "1 MB, in the same directory as the application.");
        return;
    }
    LoadTips(*data);
}

void frmTip::LoadTips(const QByteArray &data)
{
    QStringDecoder decoder("windows-1252");
    QString text = decoder.decode(data);
    text.replace("\r\n", "\n").replace('\r', '\n');
    if (text.endsWith('\n'))
        text.chop(1);
    if (!data.isEmpty())
        m_tips = text.split('\n');
    DoNextTip();
}

void frmTip::DoNextTip()
{
    m_currentTip = int(m_random() * m_tips.size() + 1);
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip()
{
    if (!m_tips.isEmpty())
        lblTipText->setText(m_tips.at(qBound(1, m_currentTip, int(m_tips.size())) - 1));
}
