#pragma once

// The rates coaches know from other stat programs, beside the program's own: on-base, slugging
// from total bases, OPS, WHIP and the per-nine rates, from a season's summed counts. A rate whose
// divisor is 0 is "—".

#include "SeasonTotals.h"

#include <QStringList>

namespace MoreStats {

inline const QString NoRate = QStringLiteral("—");

// G, AB, H, TB, 2B, 3B, HR, BB, SO, SB, AVG, OBP*, SLG, OPS*, ISO, BB/K
const QStringList &battingColumns();
QStringList battingFigures(const SeasonTotals &batting);

// G, IP, W, L, SV, W-L %, H, ER, BB, SO, ERA, ERA7, WHIP, K/9, BB/9, H/9, K/BB, pitches, strike %
const QStringList &pitchingColumns();
QStringList pitchingFigures(const SeasonTotals &pitching);

// Innings in thirds notation as true innings with two decimals: 14.2 is "14.67", 0.1 is "0.33".
QString decimalInnings(float innings);

} // namespace MoreStats
