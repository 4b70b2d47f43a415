#include "frmTeamPitchingStats.h"

TableLayout teamPitchingLayout()
{
    TableLayout layout;
    layout.caption = "Team Pitching Stats";
    layout.height = 7590;
    layout.heading = "Team Pitching Statistics";
    layout.headingLeft = 4155;
    layout.headingWidth = 2775;
    layout.nameCaption = "Team Pitching Statistics";
    layout.nameLeft = 720;
    layout.nameWidth = 2745;
    layout.seasonCaption.clear();
    layout.lineLeft = 600;
    layout.lineRight = 9840;
    layout.columns = {{"PlayerLabel", "Player", 720, "lblPlayer", 720, 0},
                      {"GamesLabel", "G", 2400, "lblPGames", 2265, 375},
                      {"WinsLabel", "W", 2850, "lblPWins", 2745, 375},
                      {"LossesLabel", "L", 3360, "lblPLosses", 3240, 375},
                      {"SavesLabel", "SA", 3765, "lblPSaves", 3720, 375},
                      {"InningsLabel", "IP", 4320, "lblPInnings", 4200, 615},
                      {"AtBatsLabel", "AB", 4920, "lblPAtBats", 4920, 375},
                      {"HitsLabel", "H", 5490, "lblPHits", 5400, 375},
                      {"WalksLabel", "BB", 5880, "lblPWalks", 5880, 375},
                      {"RunsLabel", "R", 6510, "lblPRuns", 6360, 375},
                      {"SOsLabel", "SO", 6840, "lblPSOs", 6840, 375},
                      {"StrikesLabel", "S", 7425, "lblPStrikes", 7320, 375},
                      {"BallsLabel", "B", 7890, "lblPBalls", 7800, 375},
                      {"WPLabel", "WP", 8280, "lblPwildpitches", 8280, 375},
                      {"AVGLabel", "AVG", 8805, "lblPAVG", 8760, 495},
                      {"ERALabel", "ERA", 9405, "lblPERA", 9360, 495}};
    layout.printLeft = 9000;
    layout.closeLeft = 9960;
    layout.buttonsTop = 7080;
    layout.buttonWidth = 855;
    return layout;
}

frmTeamPitchingStats::frmTeamPitchingStats(WindowHost &main)
    : TeamTableWindow(main, teamPitchingLayout())
{
    setObjectName("frmTeamPitchingStats");
    FillTeamPitchingTable();
}

void frmTeamPitchingStats::FillTeamPitchingTable()
{
    fill(SeasonView::Pitching, TeamTables::pitchingTable);
}
