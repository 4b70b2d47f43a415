#pragma once

// The current team and player in the shared state: taken from the settings at start-up, from a
// team file chosen in Open Team, from a refresh of the summary; and remembered in the settings at
// exit. Only this file fills the state from a team header and a player file.

#include "MainState.h"
#include "Outcome.h"
#include "Records.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the team header and the player file give the state.
void takeTeamHeader(MainState &state, const TeamHeader &header);
void takeTeamProfile(MainState &state, const TeamHeader &header); // coach, assistant and season
void takePlayerProfile(MainState &state, const PlayerProfile &profile);
// Another player becomes current: his name, and none of the previous player's fields, so no window
// shows or writes them before his own are read.
void choosePlayer(MainState &state, const QString &player);
// Why a roster name cannot become the current player: his files are found by it, so it must be a
// plain name of a file.
std::optional<QString> cannotBeCurrent(const QString &player);

// The current player as the summary shows him: read from the team header, the player file and
// the stats file, with his season summed.
struct PlayerPage
{
    TeamHeader header;
    PlayerProfile profile;
    SeasonTotals totals;
    QString photoPath; // the stored photo, or the team folder's copy when the stored one is gone
};
// Nothing is read into the state when any of the three files cannot be read.
Outcome<PlayerPage> readPlayerPage(const QString &appPath, const QString &team,
                                   const QString &player);
// The same with the team header already read.
Outcome<PlayerPage> readPlayerPage(const QString &appPath, const TeamHeader &header,
                                   const QString &player);
void takePlayerPage(MainState &state, const PlayerPage &page);

// A team file chosen in Open Team, checked and read with its first player's page before anything
// changes.
struct TeamToOpen
{
    QString path;
    TeamFile teamFile;
    Outcome<PlayerPage> firstPlayer = Failure{QString()}; // a failure with no words: no player
};

// What crashes left in the program's folder: every team folder's interrupted group of saves
// finished (or put back), then the temporary files of interrupted saves removed. What the user is
// told, once.
QStringList finishInterruptedSaves(const QString &appPath);

class CurrentTeam
{
public:
    explicit CurrentTeam(const QString &applicationPath);

    MainState &state() { return m_state; }
    const MainState &state() const { return m_state; }

    // Finishes what crashes left, then takes the remembered team and player from the settings
    // file; what was finished and what could not be read, each in words for the user. A
    // remembered team or player that cannot be read is not current.
    QStringList startUp();

    // Reads the current player's page into the state; on failure the state is as it was. `header`,
    // when given, is the current team's header the caller has just read.
    Outcome<void> refreshPlayer(const std::optional<TeamHeader> &header = std::nullopt);

    // Fails, saying why, for a team file that cannot be read, that names its team with a name no
    // folder can have, or whose team has no folder in the program's folder.
    Outcome<TeamToOpen> readTeamToOpen(const QString &teamFilePath) const;
    // The team becomes current with its first player, or with none when his files cannot be read;
    // then the words for the user.
    std::optional<QString> open(const TeamToOpen &team);

    // The settings written at exit. A remembered team or player that could not be read is written
    // back unchanged until the user chooses another; an unreadable settings file stays as it is
    // until another team is current.
    Outcome<void> writeSettings() const;

private:
    MainState m_state;
    std::optional<Settings> m_unusedSettings;
    bool m_keepSettingsFile = false;
    QString m_startTeam;
    QString m_startPlayer;
};
