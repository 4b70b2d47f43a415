#include "frmTeamBattingStats.h"

namespace {

TableLayout battingLayout()
{
    TableLayout layout;
    layout.caption = "Team Batting Stats";
    layout.width = 10920;
    layout.height = 7515;
    layout.heading = "Team Batting Statistics";
    layout.headingLeft = 4215;
    layout.headingWidth = 2655;
    layout.nameLabel = "lblTeamName";
    layout.nameCaption = "Player Name";
    layout.nameLeft = 1440;
    layout.nameWidth = 2625;
    layout.nameHeight = 360;
    layout.seasonCaption = "Season";
    layout.lineLeft = 1200;
    layout.lineRight = 9960;
    layout.columns =
        QVector<TableColumn>{{"PlayerLabel", "Player", 1440, "lblPlayer", 1440, 0},
                             {"PositionLabel", "Pos.", 3000, "lblPosition1", 3000, 375, 0, false},
                             {"GamesLabel", "G", 3600, "lblBGames", 3480, 375}} +
        battingCountColumns();
    layout.rows = RosterSlots + 1;
    layout.firstRowTop = 800;
    layout.lastRowTop = 6315;
    layout.lastRowNameLeft = 1440;
    layout.lineY = 6270;
    layout.printLeft = 8520;
    layout.closeLeft = 9720;
    layout.buttonsTop = 6960;
    layout.buttonWidth = 975;
    return layout;
}

} // namespace

frmTeamBattingStats::frmTeamBattingStats(frmMain &main) : TeamTableWindow(main, battingLayout())
{
    setObjectName("frmTeamBattingStats");
    FillTeamBattingTable();
}

void frmTeamBattingStats::FillTeamBattingTable()
{
    fill(PitchingGames::WithInnings, TeamTables::battingTable);
}
