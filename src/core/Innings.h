#pragma once

// Innings pitched in thirds notation: whole innings plus 0.1 per third, so 5.1 is 5 1/3 and
// 5.2 is 5 2/3. The rules work on the value rounded to one decimal, in exact tenths.

#include <QString>

#include <optional>

namespace Innings {

// The value in tenths (5.1 gives 51) and its whole innings, rounded to the nearest whole number
// with halves to even (which for this notation is the integer part).
int tenths(float innings);
int whole(float innings);

// Adds one game's innings to a running total, carrying three thirds into a whole inning:
// 5.1 + 2.2 = 8, 5.2 + 2.2 = 8.1, 5.1 + 2.1 = 7.2. A value whose tenths digit is above 2 cannot
// be carried: the total stays as it was.
float add(float total, float game);

// The number of outs the innings stand for (5.1 gives 16); the basis of the earned run average.
qint64 outs(float innings);

// The summary page's text: 12, "12   1 / 3", "0   2 / 3". Nothing for a tenths digit other than
// 0, 1 or 2 (the caller keeps its previous text).
std::optional<QString> FormatInnings(float innings);

// Thirds notation as stored: 7, 5.1, 0.2; nothing for another tenths digit.
std::optional<QString> formatThirdsNotation(float innings);

// One decimal always ("0.0"): 6.2, 7.0.
QString formatOneDecimal(float innings);

} // namespace Innings
