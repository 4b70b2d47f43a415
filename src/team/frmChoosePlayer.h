#pragma once

// The current team's roster as a list, in roster order, to make a player current from the
// keyboard: type to jump to a name, Enter (or a double click) chooses him.

#include <QListWidget>
#include <QPushButton>
#include <QWidget>

class WindowHost;

class frmChoosePlayer : public QWidget
{
    Q_OBJECT

public:
    // The window with the roster of the current team, or nothing when the team file cannot be
    // read (the user is told why).
    static frmChoosePlayer *open(WindowHost &main);

    QListWidget *lstPlayers;
    QPushButton *cmdChoose;
    QPushButton *cmdCancel;

private:
    explicit frmChoosePlayer(WindowHost &main);
    void choose();

    WindowHost &m_main;
};
