#pragma once

// What the per-game lists and the team tables share: a white window with a heading, a name and a
// season label, columns of cell labels under their headers, a line above the last row (the season
// or team row), and Print and Close buttons. A cell, the name or the season label whose text is
// wider than its layout widens as far as the text needs (see TextFit.h).

#include <QLabel>
#include <QPushButton>
#include <QVector>
#include <QWidget>

class WindowHost;

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

class StatsTableWindow : public QWidget
{
    Q_OBJECT

public:
    QLabel *cell(const QString &column, int row) const;

    QLabel *nameLabel;
    QLabel *lblSeason;
    QWidget *Line2;
    QPushButton *cmdPrint;
    QPushButton *cmdClose;

protected:
    StatsTableWindow(WindowHost &main, const TableLayout &layout);

    int columnCount() const { return int(m_cells.size()); }
    int lastRow() const { return m_layout.rows - 1; }
    void setRow(int row, const QStringList &texts);
    // The name and the season beside the heading.
    void showName(const QString &text);
    void showSeason(const QString &text);
    void clearRows(int from, int to);
    void clearAll();
    // Moves the last row's cells to `top` and Line2 to `lineY`, in twips.
    void placeLastRow(int top, int lineY);
    // Tells the user why the figures cannot be shown and shows none.
    void showNoFigures(const QString &error);

    WindowHost &m_main;

private:
    void showCell(int column, int row, const QString &text);

    TableLayout m_layout;
    QVector<QVector<QLabel *>> m_cells; // [column][row]
    QVector<int> m_textEnds; // [column]: where a left-aligned cell's text must end; 0: free
    int m_nameRoom = 0;
    int m_seasonRoom = 0;
};

// The batting count columns, AB to Slug, as the per-game list and the team table both place them.
QVector<TableColumn> battingCountColumns();

// The text colour of an enabled label; a disabled one is grey.
void setTextColour(QWidget *widget, const QColor &colour);
