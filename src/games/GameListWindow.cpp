#include "GameListWindow.h"

#include "core/RecordFiles.h"
#include "platform/BusyPointer.h"
#include "platform/Fonts.h"
#include "platform/Units.h"
#include "platform/WindowHost.h"

#include <algorithm>

using namespace GameLists;

namespace {

const QColor Navy(0, 0, 128);

TableLayout listLayout(const QString &caption, const QString &heading, int headingLeft,
                       int headingWidth, const QVector<TableColumn> &columns, int seasonTop,
                       int seasonGameLeft)
{
    TableLayout layout;
    layout.caption = caption;
    layout.heading = heading;
    layout.headingLeft = headingLeft;
    layout.headingWidth = headingWidth;
    layout.nameLabel = "lblPlayerName";
    layout.nameCaption = "Player Name";
    layout.nameLeft = 1320;
    layout.nameWidth = 2625;
    layout.nameHeight = 345;
    layout.columns = columns;
    layout.rows = RowsPerPage + 1;
    layout.firstRowTop = rowTop(0);
    layout.lastRowTop = seasonTop;
    layout.lastRowNameLeft = seasonGameLeft;
    layout.lineY = 5820;
    return layout;
}

} // namespace

GameListWindow::GameListWindow(WindowHost &main, const QString &caption, const QString &heading,
                               int headingLeft, int headingWidth,
                               const QVector<TableColumn> &columns, int seasonTop,
                               int seasonGameLeft)
    : StatsTableWindow(main, listLayout(caption, heading, headingLeft, headingWidth, columns,
                                        seasonTop, seasonGameLeft)),
      m_team(main.state().TeamName), m_player(main.state().PlayerName)
{
    setFixedSize(size());
    lblPlayerName = nameLabel;
    const QFont arrowFont = windowFont("MS Sans Serif", 12, true);
    const auto arrow = [&](const char *name, const QString &text, int left) {
        auto *a = new ClickLabel(text, this);
        a->setObjectName(name);
        a->setFont(arrowFont);
        setTextColour(a, Navy);
        a->move(twipsToPixels(left), twipsToPixels(7030));
        a->adjustSize();
        a->setEnabled(false);
        return a;
    };
    lblPrevious = arrow("lblPrevious", "<", 4600);
    lblNext = arrow("lblNext", ">", 5950);
    lblPage = new QLabel("Page 1", this);
    lblPage->setObjectName("lblPage");
    lblPage->setFont(windowFont("MS Sans Serif", 9.75, true));
    setTextColour(lblPage, Navy);
    lblPage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblPage->setGeometry(twipsRect(4920, 7080, 975, 255));
    connect(lblNext, &ClickLabel::clicked, this, [this] {
        ++m_pageNumber;
        showPage();
    });
    connect(lblPrevious, &ClickLabel::clicked, this, [this] {
        if (m_pageNumber >= 2) {
            --m_pageNumber;
            showPage();
        }
    });
}

void GameListWindow::load(const std::function<Outcome<void>(const GameRecords &)> &compute)
{
    m_compute = compute;
    refill();
}

void GameListWindow::refill()
{
    const QString &app = m_main.state().ApplicationPath;
    Outcome<void> computed = [&]() -> Outcome<void> {
        BusyPointer busy;
        Outcome<TeamFile> team = RecordFiles::ReadTeamFile(app, m_team);
        if (!team)
            return team.failure();
        const QString &folder = team->header.TeamName;
        Outcome<GameRecords> records = RecordFiles::ReadGameRecords(app, folder, m_player);
        if (!records)
            return records.failure();
        if (Outcome<void> done = m_compute(*records); !done)
            return Failure{
                QStringLiteral("Cannot total \"%1\": %2")
                    .arg(RecordFiles::statsFilePath(app, folder, m_player), done.error())};
        showSeason(team->header.Season);
        return {};
    }();
    if (!computed) {
        showNoFigures(computed.error());
        return;
    }
    showPage();
}

void GameListWindow::showPage()
{
    BusyPointer busy;
    // A refill may leave fewer pages than the one shown.
    m_pageNumber = std::min(m_pageNumber, std::max(1, (int(m_rows.size()) + 24) / 25));
    const Page p = page(m_pageNumber, int(m_rows.size()));
    for (int j = p.first; j <= p.last; ++j)
        setRow(j - p.first, m_rows[j - 1].cells);
    clearRows(std::max(0, p.last - p.first + 1), lastRow() - 1);
    setRow(lastRow(), m_season.cells);
    placeLastRow(p.seasonTop, p.lineY);
    placeExtras(p);
    showName(m_player);
    lblPage->setText(QStringLiteral("Page %1").arg(m_pageNumber));
    lblNext->setEnabled(p.hasNext);
    lblPrevious->setEnabled(p.hasPrevious);
}
