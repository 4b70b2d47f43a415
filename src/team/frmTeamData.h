#pragma once

// The team window: coaches, season and the roster of 27 slots in three columns. Adds players
// through the player window, imports them from another team, deletes them with their files, and
// makes a clicked name the current player.

#include "core/Outcome.h"
#include "core/Roster.h"
#include "platform/ClickLabel.h"
#include "platform/Dialogs.h"
#include "platform/WindowHost.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>

class frmImportRoster;
class frmPlayerData;

class frmTeamData : public QWidget, public EditingWindow
{
    Q_OBJECT

public:
    // The window with the current team loaded, or nothing when the team file cannot be read
    // (the user is told why).
    static frmTeamData *open(WindowHost &main);

    // A player form tells this window of the new player it put on the roster, and of its closing
    // without one, wherever it was opened from.
    void listenTo(frmPlayerData &form);
    // An import of a roster file tells this window of the roster it wrote.
    void listenTo(frmImportRoster &import);

    const QString &team() const { return m_team; }
    const Roster &roster() const { return m_roster; }
    bool hasUnsavedEdits() const override;
    bool saveEdits() override { return SaveTeam(); }
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
    QPushButton *cmdImportRoster;
    QPushButton *cmdSubmit;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit frmTeamData(WindowHost &main);
    // The player form or the import put the current player into roster slot `slot` of the team
    // file: show him there.
    void UpdateWithNewPlayer(int slot);
    void takeNewPlayer(const QString &team, int slot);
    // The player form is done: roster clicks and Submit work again.
    void EnableTeamFeatures();
    // The current player's slot takes his primary position.
    bool LoadTeam();
    // Writes the boxes and the roster into the team file; a failure is told to the user.
    bool SaveTeam();
    // The header boxes, the border colour in force and `roster`, as the window would store them.
    TeamFile shownTeamFile(const Roster &roster) const;
    void showStored(const TeamFile &stored);
    void showRoster(const Roster &roster);
    void showSlot(int slot);
    void submit();
    void selectPlayer(int slot);
    void addPlayer();
    void importPlayer();
    void importRoster();
    Outcome<void> importFrom(const QString &path);
    void deletePlayer(int slot);
    bool rosterIsFull();
    void tell(const QString &text, MessageIcon icon = MessageIcon::Exclamation);

    WindowHost &m_main;
    const QString m_team;
    Roster m_roster;
    TeamHeader m_stored; // the header as last read or written
    bool m_rosterActive = true;
};
