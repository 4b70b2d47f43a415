#include "Statistics.h"

#include "Innings.h"

#include <cmath>
#include <cstdlib>

namespace Stats {

namespace {

// Exact quotient rounded to a whole number, halves to even.
qint64 divideHalfEven(qint64 numerator, qint64 denominator)
{
    const bool negative = numerator < 0;
    const qint64 magnitude = negative ? -numerator : numerator;
    qint64 quotient = magnitude / denominator;
    const qint64 twiceRemainder = 2 * (magnitude % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 == 1))
        ++quotient;
    return negative ? -quotient : quotient;
}

qint64 thousandths(float rate)
{
    return std::llround(double(rate) * 1000.0);
}

qint64 powerOfTen(int decimals)
{
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return scale;
}

// A value counted in units of 10^-decimals as text with that many decimals.
QString formatScaled(qint64 value, int decimals, bool leadingZero)
{
    const qint64 scale = powerOfTen(decimals);
    const qint64 magnitude = std::llabs(value);
    const qint64 whole = magnitude / scale;
    QString text =
        decimals > 0 ? QStringLiteral(".%1").arg(magnitude % scale, decimals, 10, QLatin1Char('0'))
                     : QString();
    if (whole > 0 || leadingZero || decimals == 0)
        text.prepend(QString::number(whole));
    if (value < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString formatThousandths(qint64 value, bool leadingZero)
{
    return formatScaled(value, 3, leadingZero);
}

} // namespace

float roundedRate(qint64 numerator, qint64 denominator)
{
    return float(double(divideHalfEven(numerator * 1000, denominator)) / 1000.0);
}

float battingAverage(int hits, int atBats)
{
    return atBats < 1 ? 0.0f : roundedRate(hits, atBats);
}

Outcome<float> slugging(qint16 hits, qint16 atBats, qint16 walks, qint16 doubles, qint16 triples,
                        qint16 homers)
{
    const auto overflow = [] {
        return Failure{QStringLiteral("the bases counted for slugging pass 32767.")};
    };
    qint16 chances = walks;
    if (!addInt16(chances, atBats))
        return Failure{QStringLiteral("the at bats and walks counted for slugging pass 32767.")};
    if (chances < 1)
        return 0.0f;
    qint16 bases = walks;
    qint16 tripleBases = 0;
    qint16 homerBases = 0;
    if (!addInt16(bases, hits) || !addInt16(bases, doubles) ||
        !addInt16(tripleBases, 2 * triples) || !addInt16(bases, tripleBases) ||
        !addInt16(homerBases, 3 * homers) || !addInt16(bases, homerBases))
        return overflow();
    return roundedRate(bases, chances);
}

float earnedRunAverage(int earnedRuns, float innings)
{
    if (innings <= 0.0f)
        return 0.0f;
    // Nine runs per inning are 27 per out.
    const qint64 outs = Innings::outs(innings);
    return outs < 1 ? 0.0f : roundedRate(27 * qint64(earnedRuns), outs);
}

QString formatQuotient(qint64 numerator, qint64 denominator, int decimals, bool leadingZero)
{
    return formatScaled(divideHalfEven(numerator * powerOfTen(decimals), denominator), decimals,
                        leadingZero);
}

QString formatRate(float rate)
{
    return formatThousandths(thousandths(rate), false);
}

QString formatRateLeadingZero(float rate)
{
    return formatThousandths(thousandths(rate), true);
}

} // namespace Stats
