#pragma once

#include "TeamTableWindow.h"

// The table's captions and places; the export takes its column captions from here too.
TableLayout teamPitchingLayout();

// The season pitching line of every roster player who pitched, and the team's.
class frmTeamPitchingStats : public TeamTableWindow
{
    Q_OBJECT

public:
    explicit frmTeamPitchingStats(WindowHost &main);
    void FillTeamPitchingTable();
};
