#pragma once

#include "TeamTableWindow.h"

// Every roster player's season batting line, and the team's.
class frmTeamBattingStats : public TeamTableWindow
{
    Q_OBJECT

public:
    explicit frmTeamBattingStats(WindowHost &main);
    void FillTeamBattingTable();
};
