#pragma once

// The main window: the menus, the summary page of the current player and the registry of open
// windows. The current team (start-up, Open Team, the settings at exit) is CurrentTeam's.

#include "core/CurrentTeam.h"
#include "core/MainState.h"
#include "core/Outcome.h"
#include "core/ProgramFolders.h"
#include "core/RegularFile.h"
#include "platform/Dialogs.h"
#include "platform/WindowHost.h"
#include "platform/WindowRegistry.h"

#include <QHash>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

class QAction;

class frmMain : public QMainWindow, public WindowHost
{
    Q_OBJECT

public:
    frmMain(const ProgramFolders &folders, Dialogs &dialogs, QWidget *parent = nullptr);

    MainState &state() override { return m_state; }
    Dialogs &dialogs() override { return m_dialogs; }
    bool UpdateMainPage() override;
    void filesChanged() override;
    const QImage &playerPicture() const override { return m_playerPicture; }
    void clearPlayerPicture() override;
    QWidget *showWindow(const QMetaObject &key, const WindowOwner &owner,
                        const std::function<QWidget *()> &create) override;
    QWidget *openedWindow(const QMetaObject &key) const override;
    using WindowHost::openedWindow;
    using WindowHost::showWindow;
    bool releaseWindows(const QString &team, const QString &player = QString()) override;

    void enableTeamItems();
    void enablePlayerItems();

    QTimer Timer1; // opens the tip window once, half a second after start-up

public slots:
    void newTeam();
    void openTeam();
    void newSeason();
    void backUpTeam();
    void restoreTeam();
    void editTeam();
    void editPlayer();
    void choosePlayerFromList();
    void importRoster();
    // Makes the roster player `step` places on current.
    void choosePlayerBeside(int step);
    void enterGames();
    void enterBoxScore();
    void battingByGame();
    void pitchingByGame();
    void teamBatting();
    void teamPitching();
    void moreStatistics();
    void pitchCounts();
    void seasonProgress();
    void careerTotals();
    void exportStatistics();
    void seasonReport();
    void editPicture();
    void viewCard();
    void cardOptions();
    void teamCards();
    void exitProgram();
    void showTip();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void buildSummaryPage();
    void startUp();
    void tellStartUpProblems();
    // The page read anew; `header`, when given, is the team header just read.
    Outcome<void> refreshPage(const std::optional<TeamHeader> &header = std::nullopt);
    // UpdateMainPage with the team header just read.
    bool updateMainPage(const std::optional<TeamHeader> &header);
    void showPage();
    void showPhoto();
    void clearPlayerPage();
    void showHelp();
    // The team read makes the current team (its first player current), and the page shows it.
    void makeCurrent(const TeamToOpen &team);
    // The team window hears of a player form's new player and of a roster import, whichever opened
    // first.
    void connectTeamWindow();
    bool releaseBeforeClosing();
    // Opens a per-game list, team table or statistics window for `owner`, or shows the open one
    // filled anew; one open for another player gives way.
    template <class Report>
    void showReport(const WindowOwner &owner);
    // The team and player a window for the current player belongs to; nothing, after telling the
    // user to choose a player, when there is none.
    std::optional<WindowOwner> currentPlayerOwner();
    WindowOwner currentTeamOwner() const { return {m_state.TeamName, QString()}; }
    void tell(const QString &text, MessageIcon icon = MessageIcon::Exclamation);

    CurrentTeam m_current;
    MainState &m_state;
    const QString &m_appPath; // with its trailing "/"
    Dialogs &m_dialogs;
    QImage m_playerPicture;
    // The photo file the page shows, as it was when read: the same file unchanged is not decoded
    // and scaled again.
    struct ShownPhoto
    {
        QString path;
        FileStamp stamp;
    };
    std::optional<ShownPhoto> m_shownPhoto;
    bool m_exiting = false;
    // What start-up could not read, told once the window is on screen rather than over the splash.
    QStringList m_startUpProblems;

    QHash<QString, QAction *> m_items;
    QHash<QString, QLabel *> m_values;
    QVector<QLabel *> m_summaryLabels; // in the order of summaryTexts()
    QLabel *picPlayer = nullptr;
    WindowRegistry m_windows;
};
