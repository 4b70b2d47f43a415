#pragma once

// What the summary page shows of the current player: read from the team header, the player file
// and the stats file, and turned into the texts of the page's value labels.

#include "core/MainState.h"
#include "core/Outcome.h"
#include "core/Records.h"

#include <QPair>
#include <QString>
#include <QVector>

#include <optional>

struct PlayerPage
{
    TeamHeader header;
    PlayerProfile profile;
    SeasonTotals totals;
    QString photoPath; // the stored photo, or the team folder's copy when the stored one is gone
};

// Reads the three files of the current team and player and sums the season. Nothing is changed
// when any of them cannot be read.
Outcome<PlayerPage> readPlayerPage(const QString &appPath, const QString &team,
                                   const QString &player);

// Takes the page into the shared state, as the refresh of the summary does.
void applyPlayerPage(MainState &state, const PlayerPage &page);

// The value labels of the summary page by objectName, with their texts from the state: always the
// same labels in the same order, so a page can find its labels once. A label whose code has no
// text (a side code out of the tables, innings past what can be shown) gets none: it keeps what it
// showed before.
using LabelTexts = QVector<QPair<const char *, std::optional<QString>>>;
LabelTexts summaryTexts(const MainState &state);
