#include "TeamTableWindow.h"

#include "core/RecordFiles.h"
#include "platform/BusyPointer.h"
#include "platform/WindowHost.h"

using namespace TeamTables;

namespace {

// Both team tables have a row per roster slot and the team row, at its design place under 27 rows.
TableLayout withTeamRows(TableLayout layout)
{
    layout.rows = RosterSlots + 1;
    layout.lastRowTop = teamRowTop(RosterSlots);
    layout.lineY = teamLineY(RosterSlots);
    layout.lastRowNameLeft = layout.columns.value(0).cellLeft;
    return layout;
}

} // namespace

TeamTableWindow::TeamTableWindow(WindowHost &main, const TableLayout &layout)
    : StatsTableWindow(main, withTeamRows(layout))
{
    lblTeamName = nameLabel;
}

void TeamTableWindow::fill(
    SeasonView view, const std::function<Outcome<Table>(const QVector<PlayerSeason> &)> &build)
{
    m_view = view;
    m_build = build;
    refill();
}

void TeamTableWindow::refill()
{
    const SeasonView view = m_view;
    const auto &build = m_build;
    MainState &state = m_main.state();
    BusyPointer busy;
    Outcome<TeamFile> team = RecordFiles::ReadTeamFile(state.ApplicationPath, state.TeamName);
    if (!team) {
        showNoFigures(team.error());
        return;
    }
    state.PlayerCount = 0;
    for (const RosterEntry &entry : team->roster)
        if (!entry.RosterPlayer.isEmpty())
            ++state.PlayerCount;
    Outcome<QVector<PlayerSeason>> players = readPlayerSeasons(state.ApplicationPath, *team, view);
    Outcome<Table> table = players ? build(*players) : Outcome<Table>(players.failure());
    if (!table) {
        showNoFigures(table.error());
        return;
    }
    const int listed = int(table->rows.size());
    clearRows(listed, lastRow() - 1);
    for (int row = 0; row < listed; ++row)
        setRow(row, table->rows[row]);
    setRow(lastRow(), table->team);
    placeLastRow(teamRowTop(listed), teamLineY(listed));
    showName(team->header.TeamName);
    showSeason(team->header.Season);
}
