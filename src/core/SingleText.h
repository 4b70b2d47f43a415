#pragma once

// A Single as the windows and reports show it, below the statistics and the innings rules that
// both use it.

#include <QString>

namespace Stats {

// The shortest decimal form of a Single, for whole values the plain integer: 3, 0.5.
QString formatSingle(float value);

} // namespace Stats
