#pragma once

// What the per-game lists and the team tables share: a white window with a heading, a name and a
// season label, columns of cell labels under their headers, a line above the last row (the season
// or team row), and Print and Close buttons. A cell, the name or the season label whose text is
// wider than its layout widens as far as the text needs (see TextFit.h).

#include "TableLayout.h"

#include <QLabel>
#include <QPushButton>
#include <QVector>
#include <QWidget>

class WindowHost;

class StatsTableWindow : public QWidget
{
    Q_OBJECT

public:
    QLabel *cell(const QString &column, int row) const;
    // Reads its files again and shows what they hold now.
    virtual void refill() = 0;

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

// The text colour of an enabled label; a disabled one is grey.
void setTextColour(QWidget *widget, const QColor &colour);
