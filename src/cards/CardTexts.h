#pragma once

// What the trading card shows of the current player: every text element of the card view, by
// objectName, and whether each statistics block shows or is covered white. The prints read the
// same texts back from the view, so a card prints as it shows.

#include "core/MainState.h"

#include <QHash>
#include <QString>

// Element texts by objectName ("lblPlayer", "lblPERA", …).
using CardElementTexts = QHash<QString, QString>;

enum class Shield
{
    Transparent, // the block shows
    SolidWhite   // the block is blank
};

struct CardFill
{
    // Every text element; "lblPInnings" is left out for an innings total that is not in thirds
    // notation, so the element keeps what it showed.
    CardElementTexts texts;
    Shield sBat = Shield::Transparent;
    Shield sPit = Shield::Transparent;
};

CardFill FillCard(const MainState &state);
