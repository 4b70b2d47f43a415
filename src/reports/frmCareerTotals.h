#pragma once

// Career Totals: the player's seasons in every team folder that holds him, batting above and
// pitching below, and the career from the summed counts.

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

class WindowHost;

class frmCareerTotals : public QWidget
{
    Q_OBJECT

public:
    explicit frmCareerTotals(WindowHost &main);

    const QString &player() const { return m_player; }
    // Reads every team folder again and shows what they hold now.
    void refill();

    QLabel *lblPlayer;
    QTableWidget *tblBatting;
    QTableWidget *tblPitching;
    QLabel *lblProblems;
    QPushButton *cmdClose;

private:
    WindowHost &m_main;
    const QString m_player;
};
