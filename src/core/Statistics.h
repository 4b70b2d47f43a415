#pragma once

// Rates and number formats shared by the summary page, the per-game lists, the team tables and the
// card: every rate is rounded to three decimals with halves to even, from the exact counts.

#include "Outcome.h"
#include "SingleText.h"

#include <QString>

namespace Stats {

// Adds `value` to a 16-bit total; false, leaving the total as it was, when the sum would leave
// the range -32768..32767.
// Inline: a season adds some 20 counts a game.
inline bool addInt16(qint16 &total, int value)
{
    const int sum = int(total) + value;
    if (sum > 32767 || sum < -32768)
        return false;
    total = qint16(sum);
    return true;
}

// numerator / denominator rounded to three decimals, halves to the even digit, as a Single.
// The denominator must be above 0.
float roundedRate(qint64 numerator, qint64 denominator);

// Hits per at bat; 0 without at bats. Serves as the opponents' average of a pitcher as well.
float battingAverage(int hits, int atBats);

// Bases per chance, where walks count as bases and as chances; 0 without chances. Every step is a
// 16-bit operation, so a count too large fails naming what overflowed.
Outcome<float> slugging(qint16 hits, qint16 atBats, qint16 walks, qint16 doubles, qint16 triples,
                        qint16 homers);

// Nine times the earned runs per true inning (innings in thirds notation); 0 without innings.
float earnedRunAverage(int earnedRuns, float innings);

// numerator / denominator with `decimals` decimals, halves to the even digit, from the exact
// counts; below 1 without the 0 before the point unless `leadingZero`. The denominator must be
// above 0.
QString formatQuotient(qint64 numerator, qint64 denominator, int decimals, bool leadingZero);

QString formatRate(float rate);            // "#.000": .000, .333, 1.500
QString formatRateLeadingZero(float rate); // "0.000": 0.000, 0.500, 4.050

} // namespace Stats
