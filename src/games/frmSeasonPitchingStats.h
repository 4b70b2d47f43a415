#pragma once

#include "GameListWindow.h"

// The list's columns; the printed season report takes its captions from here too.
QVector<TableColumn> seasonPitchingColumns();

// The games the current player pitched, 25 a page, with the season row and his won-lost-saved
// record.
class frmSeasonPitchingStats : public GameListWindow
{
    Q_OBJECT

public:
    explicit frmSeasonPitchingStats(WindowHost &main);

    QLabel *Label4;
    QLabel *lblPRecord;

protected:
    void placeExtras(const GameLists::Page &page) override;
};
