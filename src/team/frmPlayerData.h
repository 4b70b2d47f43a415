#pragma once

// The player window: creates a player in the current team (from the team window's Add Player) or
// edits the current player (from the main menu).

#include "core/Records.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>

class frmMain;

class frmPlayerData : public QWidget
{
    Q_OBJECT

public:
    // The window ready for a new player, or with the current player loaded; nothing when his file
    // cannot be read (the user is told why).
    static frmPlayerData *open(frmMain &main);

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

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit frmPlayerData(frmMain &main);
    bool LoadProfile();
    void submit();
    std::optional<QString> refusal(const QString &name) const;
    void tell(const QString &text);

    frmMain &m_main;
    QString m_profilePicturePath;
    bool m_submitted = false;
};
