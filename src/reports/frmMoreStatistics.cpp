#include "frmMoreStatistics.h"

#include "MoreTables.h"
#include "core/RecordFiles.h"
#include "platform/BusyPointer.h"
#include "platform/DialogKeys.h"
#include "platform/WindowHost.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("More Statistics");

} // namespace

frmMoreStatistics::frmMoreStatistics(WindowHost &main) : m_main(main)
{
    setObjectName("frmMoreStatistics");
    setWindowTitle(Title);
    resize(1040, 560);

    tabTables = new QTabWidget(this);
    tabTables->setObjectName("tabTables");
    tblBatting = newTable("tblBatting", MoreTables::battingHeadings(), m_batting);
    tblPitching = newTable("tblPitching", MoreTables::pitchingHeadings(), m_pitching);
    tabTables->addTab(tblBatting, "&Batting");
    tabTables->addTab(tblPitching, "&Pitching");

    lblNote = new QLabel(
        QStringLiteral("* OBP* and OPS*: no hit-by-pitch or sacrifice flies are recorded, so "
                       "OBP* counts walks and hits over at bats plus walks."),
        this);
    lblNote->setObjectName("lblNote");
    lblNote->setWordWrap(true);
    QSizePolicy keepsItsPlace = lblNote->sizePolicy();
    keepsItsPlace.setRetainSizeWhenHidden(true);
    lblNote->setSizePolicy(keepsItsPlace);
    // The note concerns the batting columns only.
    connect(tabTables, &QTabWidget::currentChanged, lblNote,
            [this](int tab) { lblNote->setVisible(tab == 0); });
    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblNote, 1);
    bottom->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabTables);
    layout->addLayout(bottom);
    behaveLikeDialog(*this, nullptr, cmdClose);
    refill();
}

QTableWidget *frmMoreStatistics::newTable(const char *name, const QStringList &headings,
                                          Shown &shown)
{
    auto *table = new QTableWidget(0, int(headings.size()), this);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionsClickable(true);
    table->horizontalHeader()->setSortIndicatorShown(false);
    shown.table = table;
    connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this, &shown](int column) { sortBy(shown, column); });
    return table;
}

void frmMoreStatistics::refill()
{
    const MainState &state = m_main.state();
    const auto figures = [&]() -> Outcome<std::pair<TeamTables::Table, TeamTables::Table>> {
        BusyPointer busy;
        Outcome<TeamFile> team = RecordFiles::ReadTeamFile(state.ApplicationPath, state.TeamName);
        if (!team)
            return team.failure();
        Outcome<QVector<TeamTables::PlayerGames>> games =
            TeamTables::readPlayerGames(state.ApplicationPath, *team);
        if (!games)
            return games.failure();
        std::pair<TeamTables::Table, TeamTables::Table> tables;
        for (auto [view, build, into] :
             {std::tuple{SeasonView::Batting, &MoreTables::battingTable, &tables.first},
              std::tuple{SeasonView::Pitching, &MoreTables::pitchingTable, &tables.second}}) {
            Outcome<QVector<TeamTables::PlayerSeason>> seasons =
                TeamTables::seasonsOf(state.ApplicationPath, *team, *games, view);
            if (!seasons)
                return seasons.failure();
            Outcome<TeamTables::Table> table = build(*seasons);
            if (!table)
                return table.failure();
            *into = *table;
        }
        return tables;
    }();
    if (!figures) {
        m_batting.figures = {};
        m_pitching.figures = {};
        m_main.dialogs().message(figures.error(), Title, MessageButtons::OK,
                                 MessageIcon::Exclamation);
    } else {
        m_batting.figures = figures->first;
        m_pitching.figures = figures->second;
    }
    for (Shown *shown : {&m_batting, &m_pitching}) {
        if (shown->sortColumn >= 0)
            MoreTables::sortRows(shown->figures.rows, shown->sortColumn, shown->order);
        showTable(*shown);
    }
}

void frmMoreStatistics::sortBy(Shown &shown, int column)
{
    // A second click on the same heading turns the order round; names start A to Z, figures
    // largest first.
    shown.order =
        shown.sortColumn == column
            ? (shown.order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder)
            : (column == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    shown.sortColumn = column;
    MoreTables::sortRows(shown.figures.rows, column, shown.order);
    shown.table->horizontalHeader()->setSortIndicatorShown(true);
    shown.table->horizontalHeader()->setSortIndicator(column, shown.order);
    showTable(shown);
}

void frmMoreStatistics::showTable(const Shown &shown)
{
    QTableWidget *table = shown.table;
    const TeamTables::Table &figures = shown.figures;
    const bool hasTeam = !figures.team.isEmpty();
    table->setRowCount(int(figures.rows.size()) + (hasTeam ? 1 : 0));
    const auto setRow = [&](int row, const QStringList &cells, bool bold) {
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignRight | Qt::AlignVCenter);
            if (bold) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            table->setItem(row, column, item);
        }
    };
    for (int row = 0; row < figures.rows.size(); ++row)
        setRow(row, figures.rows[row], false);
    if (hasTeam)
        setRow(int(figures.rows.size()), figures.team, true);
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
}
