#pragma once

// The player window: creates a player in the current team (from the team window's Add Player, or
// from the main menu after a new team) or edits the current player (from the main menu). It
// writes only into the team and player it was opened for.

#include "core/Records.h"
#include "platform/WindowHost.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>

class frmPlayerData : public QWidget, public EditingWindow
{
    Q_OBJECT

public:
    // The window ready for a new player, or with the current player loaded; nothing when his file
    // cannot be read (the user is told why).
    static frmPlayerData *open(WindowHost &main);

    bool hasUnsavedEdits() const override { return controlTexts() != m_loaded; }
    bool saveEdits() override { return store().has_value(); }

    QLineEdit *txtPlayerName;
    QLabel *lblTeamName;
    std::array<QComboBox *, 2> CBPlayerPos{};
    QComboBox *CBBats;
    QComboBox *CBThrows;
    QLineEdit *txtNumber;
    QLineEdit *txtAge;
    QLineEdit *txtHomeTown;
    QLineEdit *txtHomeState;
    QLabel *picPlayer;
    QPushButton *cmdSubmit;
    QPushButton *cmdCancel;
    QPushButton *cmdRename; // an existing player only

signals:
    // He was renamed; the team file as written.
    void playerRenamed(const TeamFile &teamFile);
    // A new player is in slot `slot` of the roster of `team`, as stored.
    void newPlayerOnRoster(const QString &team, int slot);
    // Cancel, Esc or the window's frame closed the form before a Submit.
    void closedWithoutSubmit();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit frmPlayerData(WindowHost &main);
    bool LoadProfile();
    void submit();
    void rename();
    // Writes the player's files (a new player's onto his team's roster too); the profile stored,
    // or nothing after telling the user why not.
    std::optional<PlayerProfile> store();
    std::optional<QString> refusal(const QString &name) const;
    QStringList controlTexts() const;
    void tell(const QString &text);

    WindowHost &m_main;
    const QString m_team;
    const QString m_player; // the player edited; empty for a new one
    const bool m_creating;
    int m_rosterSlot = -1; // where a new player was put on the roster
    QString m_profilePicturePath;
    QStringList m_loaded; // what the controls held when the window opened
    bool m_submitted = false;
};
