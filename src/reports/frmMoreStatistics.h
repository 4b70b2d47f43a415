#pragma once

// More Statistics: the rates coaches know from other programs, a row per player and the team row,
// batting and pitching on two tabs. A heading click orders the players by that column; the team
// row stays last.

#include "TeamTables.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

class WindowHost;

class frmMoreStatistics : public QWidget
{
    Q_OBJECT

public:
    explicit frmMoreStatistics(WindowHost &main);

    // Reads the team's files again and shows what they hold now.
    void refill();

    QTabWidget *tabTables;
    QTableWidget *tblBatting;
    QTableWidget *tblPitching;
    QLabel *lblNote;
    QPushButton *cmdClose;

private:
    struct Shown
    {
        QTableWidget *table;
        TeamTables::Table figures;
        int sortColumn = -1;
        Qt::SortOrder order = Qt::AscendingOrder;
    };

    QTableWidget *newTable(const char *name, const QStringList &headings, Shown &shown);
    void sortBy(Shown &shown, int column);
    static void showTable(const Shown &shown);

    WindowHost &m_main;
    Shown m_batting;
    Shown m_pitching;
};
