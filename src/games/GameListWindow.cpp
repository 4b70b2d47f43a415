#include "GameListWindow.h"

#include "core/RecordFiles.h"
#include "mainwindow/frmMain.h"
#include "platform/BusyPointer.h"
#include "platform/ClickLabel.h"
#include "platform/Fonts.h"
#include "platform/PrintJobs.h"
#include "platform/Units.h"

using namespace GameLists;

namespace {

const QColor DarkBlue(0, 0, 192);
const QColor Navy(0, 0, 128);
constexpr int SeasonRow = RowsPerPage;
constexpr int LineLeft = 1200;
constexpr int LineRight = 9960;

// The text colour of an enabled widget; a disabled arrow keeps the greyed look.
void colour(QWidget *widget, const QColor &c)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, c);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, c);
    widget->setPalette(palette);
}

QWidget *line(QWidget *parent, const char *name, int y)
{
    auto *l = new QWidget(parent);
    l->setObjectName(name);
    l->setAutoFillBackground(true);
    QPalette palette = l->palette();
    palette.setColor(QPalette::Window, Qt::black);
    l->setPalette(palette);
    l->setGeometry(twipsToPixels(LineLeft), twipsToPixels(y), twipsToPixels(LineRight - LineLeft), 2);
    return l;
}

} // namespace

GameListWindow::GameListWindow(frmMain &main, const ListLayout &layout) : m_main(main), m_layout(layout)
{
    setWindowTitle(layout.caption);
    setFixedSize(twipsToPixels(10920), twipsToPixels(7515));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setFont(windowFont("MS Sans Serif", 8.25));

    const auto label = [&](const char *name, const QString &text, const QFont &font, const QColor &c,
                           Qt::Alignment align, const QRect &twips) {
        auto *l = new QLabel(text, this);
        l->setObjectName(name);
        l->setFont(font);
        colour(l, c);
        l->setAlignment(align | Qt::AlignTop);
        l->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        return l;
    };
    const QFont boldSmall = windowFont("MS Sans Serif", 9.75, true);
    label("Label1", layout.heading, windowFont("Arial", 12, true), DarkBlue, Qt::AlignHCenter,
          QRect(layout.headingLeft, 120, layout.headingWidth, 285));
    lblPlayerName = label("lblPlayerName", "Player Name", boldSmall, DarkBlue, Qt::AlignLeft, QRect(1320, 120, 2625, 345));
    lblSeason = label("lblSeason", "Season", boldSmall, DarkBlue, Qt::AlignRight, QRect(7920, 120, 1905, 360));
    line(this, "Line1", 720);
    Line2 = line(this, "Line2", 5820);

    const QFont headerFont = windowFont("MS Sans Serif", 8.25, true);
    const QFont seasonFont = windowFont("MS Sans Serif", 8.25, true);
    for (const ListColumn &column : layout.columns) {
        auto *header = new QLabel(column.header, this);
        header->setObjectName(column.headerName);
        header->setFont(headerFont);
        colour(header, DarkBlue);
        header->move(twipsToPixels(column.headerLeft), twipsToPixels(480));
        header->adjustSize();
        QVector<QLabel *> cells;
        for (int row = 0; row <= SeasonRow; ++row) {
            auto *c = new QLabel(this);
            c->setObjectName(QStringLiteral("%1%2").arg(column.cellName).arg(row));
            const bool season = row == SeasonRow;
            const int top = !season ? rowTop(row) : column.seasonTop ? column.seasonTop : layout.seasonTop;
            if (column.cellWidth == 0) {
                c->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                c->setGeometry(twipsRect(season ? layout.seasonGameLeft : column.cellLeft, top, 600, 195));
            } else {
                // A cell may be wider than its column for the substitute font: widen it about its
                // centre so a full date still shows.
                const int widen = column.cellWidth >= 795 ? 120 : 0;
                c->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
                c->setGeometry(twipsRect(column.cellLeft - widen, top, column.cellWidth + 2 * widen, 255));
            }
            if (season) {
                c->setFont(seasonFont);
                colour(c, DarkBlue);
            }
            cells.append(c);
        }
        m_cells.append(cells);
    }

    const QFont arrowFont = windowFont("MS Sans Serif", 12, true);
    const auto arrow = [&](const char *name, const QString &text, int left) {
        auto *a = new ClickLabel(text, this);
        a->setObjectName(name);
        a->setFont(arrowFont);
        colour(a, Navy);
        a->move(twipsToPixels(left), twipsToPixels(7030));
        a->adjustSize();
        a->setEnabled(false);
        return a;
    };
    lblPrevious = arrow("lblPrevious", "<", 4600);
    lblNext = arrow("lblNext", ">", 5950);
    lblPage = label("lblPage", "Page 1", boldSmall, Navy, Qt::AlignHCenter, QRect(4920, 7080, 975, 255));
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

    cmdPrint = new QPushButton("&Print", this);
    cmdPrint->setObjectName("cmdPrint");
    cmdPrint->setGeometry(twipsRect(8520, 6960, 975, 375));
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        if (Outcome<void> printed = printWindow(m_main.dialogs(), *this); !printed)
            m_main.dialogs().message(printed.error(), windowTitle(), MessageButtons::OK, MessageIcon::Exclamation);
    });
    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");
    cmdClose->setGeometry(twipsRect(9720, 6960, 975, 375));
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

QLabel *GameListWindow::cell(const QString &column, int row) const
{
    for (int c = 0; c < m_layout.columns.size(); ++c)
        if (column == QLatin1String(m_layout.columns[c].cellName))
            return m_cells[c][row];
    return nullptr;
}

void GameListWindow::load(const std::function<Outcome<void>(const GameRecords &)> &compute)
{
    const MainState &state = m_main.state();
    const auto fail = [&](const QString &error) {
        clearCells();
        m_main.dialogs().message(error, windowTitle(), MessageButtons::OK, MessageIcon::Exclamation);
    };
    Outcome<void> computed = [&]() -> Outcome<void> {
        BusyPointer busy;
        Outcome<TeamFile> team = RecordFiles::ReadTeamFile(state.ApplicationPath, state.TeamName);
        if (!team)
            return Failure{team.error()};
        Outcome<GameRecords> records =
            RecordFiles::ReadGameRecords(state.ApplicationPath, team->header.TeamName, state.PlayerName);
        if (!records)
            return Failure{records.error()};
        lblSeason->setText(team->header.Season);
        const QString path = RecordFiles::statsFilePath(state.ApplicationPath, team->header.TeamName, state.PlayerName);
        if (Outcome<void> done = compute(*records); !done)
            return Failure{QStringLiteral("Cannot total \"%1\": %2").arg(path, done.error())};
        return {};
    }();
    if (!computed) {
        fail(computed.error());
        return;
    }
    showPage();
}

void GameListWindow::clearCells()
{
    for (const QVector<QLabel *> &column : std::as_const(m_cells))
        for (QLabel *c : column)
            c->clear();
    lblPlayerName->clear();
    lblSeason->clear();
    lblPrevious->setEnabled(false);
    lblNext->setEnabled(false);
}

void GameListWindow::showPage()
{
    BusyPointer busy;
    for (const QVector<QLabel *> &column : std::as_const(m_cells))
        for (int row = 0; row < SeasonRow; ++row)
            column[row]->clear();
    const Page p = page(m_pageNumber, int(m_rows.size()));
    for (int j = p.first; j <= p.last; ++j)
        for (int c = 0; c < m_cells.size(); ++c)
            m_cells[c][j - p.first]->setText(m_rows[j - 1].cells[c]);
    for (int c = 0; c < m_cells.size(); ++c)
        m_cells[c][SeasonRow]->setText(m_season.cells[c]);
    moveSeasonRow(p.seasonTop);
    Line2->move(Line2->x(), twipsToPixels(p.lineY));
    placeExtras(p);
    lblPlayerName->setText(m_main.state().PlayerName);
    lblPage->setText(QStringLiteral("Page %1").arg(m_pageNumber));
    lblNext->setEnabled(p.hasNext);
    lblPrevious->setEnabled(p.hasPrevious);
}

void GameListWindow::moveSeasonRow(int top)
{
    for (int c = 0; c < m_cells.size(); ++c) {
        QLabel *seasonCell = m_cells[c][SeasonRow];
        if (m_layout.columns[c].seasonMoves)
            seasonCell->move(seasonCell->x(), twipsToPixels(top));
    }
}
