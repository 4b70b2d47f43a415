#pragma once

#include "TeamTableWindow.h"

// The table's captions and places; the export takes its column captions from here too.
TableLayout teamBattingLayout();

// Every roster player's season batting line, and the team's.
class frmTeamBattingStats : public TeamTableWindow
{
    Q_OBJECT

public:
    explicit frmTeamBattingStats(WindowHost &main);
    void FillTeamBattingTable();
};
