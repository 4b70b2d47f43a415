#pragma once

// The state every window shares through the main window: the current team and player, the
// player's profile and season totals, the card options and the flags that tell a window how it
// was opened.

#include "SeasonTotals.h"

#include <QString>

struct MainState
{
    QString ApplicationPath; // the data folder, with a trailing "/"
    QString ShippedPath;     // the folder of the shipped files (tips, help, logo), with a "/"
    QString TeamName;        // "" = no team
    QString PlayerName;      // "" = no player
    QString TeamPath;        // the team file chosen in the open-team dialog

    bool NewTeam = true;
    bool NewPlayer = true;
    bool CameFromMain = false;
    qint16 PlayerCount = 0;

    qint16 Position1 = 0;
    qint16 Position2 = 0;
    qint16 Jersey = 0;
    QString HomeTown;
    QString HomeState;
    qint16 Age = 0;
    qint16 Bats = 0;
    qint16 Throws = 0;
    QString PlayerPicturePath;

    qint32 TeamBorderColor = 0; // RGB Long
    qint16 Alignment = 0;
    qint16 CardsPerPage = 1;
    bool ShowBatting = true;
    bool ShowPitching = true;
    // Lasts only while the program runs; never saved.
    bool PrintGrayscale = false;

    QString Coach;
    QString Asst;
    QString Season;
    QString Position1Label;
    QString Position2Label;

    SeasonTotals totals;
};
