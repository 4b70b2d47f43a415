#pragma once

// The codes stored in player, team and game records and the texts they stand for.

#include <QString>
#include <QStringList>

namespace Codes {

// Position codes: -1 (nothing chosen) and 0 ("--") are no position, 1 to 10 are "P" to "DH".
// The player window offers positionChoices() in code order, so a code is a choice's index.
QStringList positionChoices();
QString positionShortName(int code); // "P", "1B", …; "" for any other code
QString positionLongName(int code);  // "Pitcher", "First Base", …; "" for any other code

// Side codes: 1 "Left", 2 "Right", and for batting 3 "Both"; any other code reads "".
QStringList batsChoices();
QStringList throwsChoices();
QString batsName(int code);
QString throwsName(int code);

// Decisions as stored in a game record, compared exactly. A game saved without one stores "".
inline const QString NoDecision = QStringLiteral("No Decision");
inline const QString Win = QStringLiteral("Win");
inline const QString Loss = QStringLiteral("Loss");
inline const QString Save = QStringLiteral("Save");
QStringList decisionChoices();

} // namespace Codes
