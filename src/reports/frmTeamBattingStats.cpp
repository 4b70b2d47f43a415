#include "frmTeamBattingStats.h"

TableLayout teamBattingLayout()
{
    TableLayout layout;
    layout.caption = "Team Batting Stats";
    layout.heading = "Team Batting Statistics";
    layout.headingLeft = 4215;
    layout.headingWidth = 2655;
    layout.nameCaption = "Player Name";
    layout.nameLeft = 1440;
    layout.nameWidth = 2625;
    layout.columns =
        QVector<TableColumn>{{"PlayerLabel", "Player", 1440, "lblPlayer", 1440, 0},
                             {"PositionLabel", "Pos.", 3000, "lblPosition1", 3000, 375, 0, false},
                             {"GamesLabel", "G", 3600, "lblBGames", 3480, 375}} +
        battingCountColumns();
    return layout;
}

frmTeamBattingStats::frmTeamBattingStats(WindowHost &main)
    : TeamTableWindow(main, teamBattingLayout())
{
    setObjectName("frmTeamBattingStats");
    FillTeamBattingTable();
}

void frmTeamBattingStats::FillTeamBattingTable()
{
    fill(SeasonView::Batting, TeamTables::battingTable);
}
