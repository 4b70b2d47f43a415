#pragma once

// The layout of a table window in twips: its size, heading, name and season labels, columns of
// cells and buttons. The per-game lists and the team tables give theirs; the CSV export takes the
// team tables' captions from them.

#include <QString>
#include <QVector>

struct TableColumn
{
    const char *headerName;
    const char *header;
    int headerLeft;
    const char *cellName;
    int cellLeft;
    int cellWidth;            // 0: left-aligned, at least 1560 wide (game numbers, names)
    int lastRowTop = 0;       // design-time top of its last-row cell; 0: the layout's
    bool lastRowMoves = true; // whether its last-row cell follows the rows shown
};

// The layout of one table window; the defaults are what most of them share.
struct TableLayout
{
    QString caption;
    int width = 10920;
    int height = 7515;
    QString heading;
    int headingLeft = 0;
    int headingWidth = 0;
    const char *nameLabel = "lblTeamName"; // or lblPlayerName
    QString nameCaption;
    int nameLeft = 0;
    int nameWidth = 0;
    int nameHeight = 360;
    QString seasonCaption = QStringLiteral("Season");
    int lineLeft = 1200;
    int lineRight = 9960;
    QVector<TableColumn> columns;
    int rows = 0;            // cells per column, the last row included
    int firstRowTop = 800;   // row 0; the rows after it are 200 twips apart from 800
    int lastRowTop = 0;      // design-time top of the last row
    int lastRowNameLeft = 0; // the last row's first auto-sized cell may stand a little left
    int lineY = 0;           // design-time Y of Line2
    int printLeft = 8520;
    int closeLeft = 9720;
    int buttonsTop = 6960;
    int buttonWidth = 975;
};

// The batting count columns, AB to Slug, as the per-game list and the team table both place them.
QVector<TableColumn> battingCountColumns();
