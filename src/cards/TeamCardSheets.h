#pragma once

// Sheets of cards for a whole team: every chosen player's card in the grid's cells in roster order,
// row by row, as many rows of three as the printable area holds, as many sheets as it takes. Each
// front and back is drawn as a one-player sheet draws it; each back lies behind its own front.

#include "CardSheet.h"

#include <QVector>

namespace CardSheet {

struct TeamCard
{
    CardElementTexts texts;
    QImage photo; // at natural size; null when he has none
};

struct TeamSheets
{
    QVector<TeamCard> cards; // in print order, each copy once
    qint32 borderColor = 0;
    bool grayscale = false;
    QImage logo;
    bool showBatting = true;
    bool showPitching = true;
    BackPlacement placement; // its rows: rowsFor() the printer
};

// Three rows where the printable area is at least 15480 twips high, else two.
int rowsFor(int printableHeight);
int sheetCount(const TeamSheets &sheets);

// Every sheet, each on its own page.
void drawTeamFronts(Canvas &canvas, const TeamSheets &sheets);
void drawTeamBacks(Canvas &canvas, const TeamSheets &sheets);

} // namespace CardSheet
