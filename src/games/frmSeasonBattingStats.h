#pragma once

#include "GameListWindow.h"

// The list's columns; the printed season report takes its captions from here too.
QVector<TableColumn> seasonBattingColumns();

// The current player's batting line game by game, 25 games a page, with the season row.
class frmSeasonBattingStats : public GameListWindow
{
    Q_OBJECT

public:
    explicit frmSeasonBattingStats(WindowHost &main);
};
