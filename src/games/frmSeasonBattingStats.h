#pragma once

#include "GameListWindow.h"

// The current player's batting line game by game, 25 games a page, with the season row.
class frmSeasonBattingStats : public GameListWindow
{
    Q_OBJECT

public:
    explicit frmSeasonBattingStats(WindowHost &main);
};
