#pragma once

// Pitch Counts: for every player who has pitched, his outings newest first, the rest his last
// outing requires and the first day he may pitch again, as of a day the coach chooses.

#include "core/PitchCounts.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

class WindowHost;

class frmPitchCounts : public QWidget
{
    Q_OBJECT

public:
    explicit frmPitchCounts(WindowHost &main);

    // Reads the rules and the team's files again and shows what they hold now.
    void refill();

    QDateEdit *dteAsOf;
    QLabel *lblLeague;
    QTreeWidget *trePitchers;
    QPushButton *cmdRules;
    QPushButton *cmdClose;

private:
    void showPitchers();
    void editRules();

    WindowHost &m_main;
    PitchCounts::Rules m_rules;
    QString m_toldProblem;
    struct Player
    {
        QString name;
        int age = 0;
        GameRecords games;
    };
    QVector<Player> m_players;
};
