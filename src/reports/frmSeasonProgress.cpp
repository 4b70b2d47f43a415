#include "frmSeasonProgress.h"

#include "core/RecordFiles.h"
#include "platform/BusyPointer.h"
#include "platform/DialogKeys.h"
#include "platform/PainterCanvas.h"
#include "platform/PrintJobs.h"
#include "platform/Units.h"
#include "platform/WindowHost.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Season Progress");

} // namespace

ProgressChartView::ProgressChartView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMinimumSize(480, 420);
}

void ProgressChartView::setChart(const ProgressChart::Heading &heading,
                                 const SeasonProgress::Lines &lines, int games)
{
    m_heading = heading;
    m_lines = lines;
    m_games = games;
    update();
}

void ProgressChartView::drawOn(Canvas &canvas, const QRect &area) const
{
    ProgressChart::draw(canvas, area, m_heading, m_lines, m_games);
}

void ProgressChartView::paintEvent(QPaintEvent *)
{
    PainterCanvas canvas(*this);
    const int margin = pixelsToTwips(12);
    drawOn(canvas, QRect(margin, margin, pixelsToTwips(width()) - 2 * margin,
                         pixelsToTwips(height()) - 2 * margin));
    (void)canvas.endDoc();
}

frmSeasonProgress::frmSeasonProgress(WindowHost &main)
    : m_main(main), m_team(main.state().TeamName), m_player(main.state().PlayerName)
{
    setObjectName("frmSeasonProgress");
    setWindowTitle(Title);
    resize(760, 640);

    picChart = new ProgressChartView(this);
    picChart->setObjectName("picChart");
    cmdPrint = new QPushButton("&Print", this);
    cmdPrint->setObjectName("cmdPrint");
    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdPrint, &QPushButton::clicked, this, &frmSeasonProgress::print);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(picChart, 1);
    layout->addLayout(buttons);
    behaveLikeDialog(*this, nullptr, cmdClose);
    refill();
}

void frmSeasonProgress::refill()
{
    const QString &appPath = m_main.state().ApplicationPath;
    Outcome<SeasonProgress::Lines> lines = Failure{};
    Outcome<TeamHeader> header = Failure{};
    int games = 0;
    {
        BusyPointer busy;
        header = RecordFiles::ReadTeamHeader(appPath, m_team);
        Outcome<GameRecords> records = RecordFiles::ReadGameFigures(appPath, m_team, m_player);
        lines = records ? SeasonProgress::linesOf(*records)
                        : Outcome<SeasonProgress::Lines>(records.failure());
        games = records ? int(records->size()) - 1 : 0;
    }
    if (!lines) {
        m_main.dialogs().message(lines.error(), Title, MessageButtons::OK,
                                 MessageIcon::Exclamation);
        picChart->setChart({m_player, m_team, QString()}, {}, 0);
        return;
    }
    picChart->setChart({m_player, m_team, header ? header->Season : QString()}, *lines, games);
}

void frmSeasonProgress::print()
{
    const QString name = printDocumentName(m_player, Title);
    if (Outcome<void> printed = printFittedDrawing(
            m_main.dialogs(), name,
            [this](Canvas &canvas, const QSize &page) {
                // The printable width, and a height of five quarters of it at most.
                picChart->drawOn(canvas, QRect(0, 0, page.width(),
                                               std::min(page.height(), page.width() * 5 / 4)));
            });
        !printed)
        m_main.dialogs().message(printed.error(), Title, MessageButtons::OK,
                                 MessageIcon::Exclamation);
}
