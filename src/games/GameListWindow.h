#pragma once

// What the batting and the pitching list by game share: the heading, fourteen columns of 26 cells
// (25 game rows and the season row), the line above the season row, paging with the two arrow
// labels, and printing.

#include "GameLists.h"
#include "platform/ClickLabel.h"

#include <QLabel>
#include <QPushButton>
#include <QVector>
#include <QWidget>

class frmMain;


struct ListColumn
{
    const char *headerName;
    const char *header;
    int headerLeft;
    const char *cellName;
    int cellLeft;
    int cellWidth;          // 0: sized to the text (the game number column)
    int seasonTop = 0;      // design-time top of its season cell; 0: the layout's
    bool seasonMoves = true; // whether its season cell follows the page's last row
};

struct ListLayout
{
    QString caption;
    QString heading;
    int headingLeft;
    int headingWidth;
    QVector<ListColumn> columns;
    int seasonTop;      // design-time top of the season row
    int seasonGameLeft; // the season row's game cell stands a little left of the others
};

class GameListWindow : public QWidget
{
    Q_OBJECT

public:
    QLabel *cell(const QString &column, int row) const;
    int PageNumber() const { return m_pageNumber; }

    QLabel *lblPlayerName;
    QLabel *lblSeason;
    QWidget *Line2;
    ClickLabel *lblPrevious;
    QLabel *lblPage;
    ClickLabel *lblNext;
    QPushButton *cmdPrint;
    QPushButton *cmdClose;

protected:
    GameListWindow(frmMain &main, const ListLayout &layout);

    // Reads the team header and the player's games and shows page 1; on failure tells the user and
    // shows no figures.
    void load(const std::function<Outcome<void>(const GameRecords &)> &compute);
    void showPage();
    void clearCells();
    virtual void placeExtras(const GameLists::Page &) {}

    frmMain &m_main;
    QVector<GameLists::Row> m_rows;
    GameLists::Row m_season;

private:
    void moveSeasonRow(int top);

    ListLayout m_layout;
    QVector<QVector<QLabel *>> m_cells; // [column][row], row 25 the season row
    int m_pageNumber = 1;
};
