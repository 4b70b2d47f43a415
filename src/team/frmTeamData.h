#pragma once

// The team window: coaches, season and the roster of 27 slots in three columns. Adds players
// through the player window, imports them from another team, deletes them with their files, and
// makes a clicked name the current player.

#include "RosterRules.h"
#include "core/Outcome.h"
#include "platform/ClickLabel.h"
#include "platform/Dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>

class frmMain;

class frmTeamData : public QWidget
{
    Q_OBJECT

public:
    // The window with the current team loaded, or nothing when the team file cannot be read
    // (the user is told why).
    static frmTeamData *open(frmMain &main);

    // The player window created a player: show him in the next free slot.
    void UpdateWithNewPlayer();
    // The player window is done: roster clicks and Submit work again.
    void EnableTeamFeatures();

    const Roster &roster() const { return m_roster; }
    bool rosterActive() const { return m_rosterActive; }

    QLabel *lblTeamName;
    QLineEdit *txtCoach;
    QLineEdit *txtAsst;
    QLineEdit *txtSeason;
    std::array<ClickLabel *, RosterSlots> lblPlayer{};
    std::array<QLabel *, RosterSlots> lblPosition{};
    std::array<QPushButton *, RosterSlots> cmdDelete{};
    QPushButton *cmdAddPlayer;
    QPushButton *cmdImport;
    QPushButton *cmdSubmit;

private:
    explicit frmTeamData(frmMain &main);
    bool LoadTeam();
    bool SaveTeam();
    void showSlot(int slot);
    void submit();
    void selectPlayer(int slot);
    void addPlayer();
    void importPlayer();
    Outcome<void> importFrom(const QString &path);
    void deletePlayer(int slot);
    bool rosterIsFull();
    void tell(const QString &text, MessageIcon icon = MessageIcon::Exclamation);

    frmMain &m_main;
    Roster m_roster;
    QString m_teamReserved;
    bool m_rosterActive = true;
};
