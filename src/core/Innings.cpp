#include "Innings.h"

#include "SingleText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Innings {

namespace {

int wholeOfTenths(int value)
{
    int quotient = std::abs(value) / 10;
    const int remainder = std::abs(value) % 10;
    if (remainder > 5 || (remainder == 5 && quotient % 2 == 1))
        ++quotient;
    return value < 0 ? -quotient : quotient;
}

float fromTenths(int value)
{
    return float(value) / 10.0f;
}

// The tenths digit of a value in thirds notation, in -5..5 (0, 1 or 2 when well formed).
int fraction(float innings)
{
    const int value = tenths(innings);
    return value - 10 * wholeOfTenths(value);
}

} // namespace

int tenths(float innings)
{
    // A hand-edited file may hold any Single; keep the arithmetic defined for it. Rounded half away
    // from zero by hand, as std::round does but without its library call at every game of every
    // season totalled: a Single times ten is exact in a double, and adding a half to it stays
    // exact or only loses what no rounding can turn.
    const double value = std::clamp(double(innings) * 10.0, -1e9, 1e9);
    return int(value < 0 ? -qint64(0.5 - value) : qint64(value + 0.5));
}

int whole(float innings)
{
    return wholeOfTenths(tenths(innings));
}

float add(float total, float game)
{
    const int t = tenths(total);
    const int g = tenths(game);
    const int wholeT = wholeOfTenths(t);
    const int wholeG = wholeOfTenths(g);
    const int thirds = t + g - 10 * (wholeT + wholeG);
    if (thirds < 3)
        return fromTenths(t + g);
    if (thirds == 3)
        return fromTenths(10 * (wholeT + wholeG + 1));
    if (thirds == 4)
        return fromTenths(10 * (wholeT + wholeG + 1) + 1);
    return total;
}

qint64 outs(float innings)
{
    return 3 * qint64(whole(innings)) + fraction(innings);
}

std::optional<QString> FormatInnings(float innings)
{
    switch (fraction(innings)) {
    case 0: return Stats::formatSingle(innings);
    case 1: return QString::number(whole(innings)) + QStringLiteral("   1 / 3");
    case 2: return QString::number(whole(innings)) + QStringLiteral("   2 / 3");
    default: return std::nullopt;
    }
}

std::optional<QString> formatThirdsNotation(float innings)
{
    switch (fraction(innings)) {
    case 0: return Stats::formatSingle(innings);
    case 1: return QString::number(whole(innings)) + QStringLiteral(".1");
    case 2: return QString::number(whole(innings)) + QStringLiteral(".2");
    default: return std::nullopt;
    }
}

QString formatOneDecimal(float innings)
{
    const int value = tenths(innings);
    const QString digits =
        QStringLiteral("%1.%2").arg(std::abs(value) / 10).arg(std::abs(value) % 10);
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace Innings
