#pragma once

// The main window: owner of the shared state, the menus, the summary page of the current player,
// start-up with the remembered team and player, and shut-down with the settings file.

#include "core/MainState.h"
#include "core/Outcome.h"
#include "core/Records.h"
#include "platform/Dialogs.h"

#include <QHash>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

class QAction;

class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    frmMain(const QString &applicationPath, Dialogs &dialogs, QWidget *parent = nullptr);

    MainState &state() { return m_state; }
    Dialogs &dialogs() { return m_dialogs; }

    // Rereads the current team header, player file and stats file, recomputes the season and
    // redraws the summary. On failure the user is told which file and why, and the page and the
    // state keep their previous values. Returns whether the page was refreshed.
    bool UpdateMainPage();

    // The current player's photo as loaded, at its natural size (the card prints paint from it).
    const QImage &playerPicture() const { return m_playerPicture; }

    // Opens the window under `key`, or raises it unchanged when it is open already. `create` may
    // give nothing (a window that could not load); then nothing opens.
    QWidget *showWindow(const QString &key, const std::function<QWidget *()> &create);
    QWidget *openedWindow(const QString &key) const;
    void closeWindow(const QString &key);

    // Empties the photo box, for a player saved without a photo.
    void clearPlayerPicture();

    void enableTeamItems();
    void enablePlayerItems();

    QTimer Timer1; // opens the tip window once, half a second after start-up

public slots:
    void newTeam();
    void openTeam();
    void editTeam();
    void editPlayer();
    void enterGames();
    void battingByGame();
    void pitchingByGame();
    void teamBatting();
    void teamPitching();
    void exitProgram();
    void showTip();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildSummaryPage();
    void startUp();
    Outcome<void> refreshPage();
    void showPage();
    void showPhoto();
    void clearPlayerPage();
    void showHelp();
    Outcome<void> writeSettings();
    void tell(const QString &text, MessageIcon icon = MessageIcon::Exclamation);

    QString m_appPath;
    Dialogs &m_dialogs;
    MainState m_state;
    QString m_teamReserved; // kept as read from the team header
    QImage m_playerPicture;
    bool m_exiting = false;
    // The remembered team or player could not be read at start-up: the settings are written back
    // unchanged until the user picks another team or player.
    std::optional<Settings> m_unusedSettings;
    QString m_startTeam;
    QString m_startPlayer;

    QHash<QString, QAction *> m_items;
    QHash<QString, QLabel *> m_values;
    QLabel *picPlayer = nullptr;
    QHash<QString, QPointer<QWidget>> m_openWindows;
};
