#pragma once

// The texts of the summary page's value labels, from the current player in the shared state.

#include "core/MainState.h"

#include <QPair>
#include <QString>
#include <QVector>

#include <optional>

// The value labels of the summary page by objectName, with their texts from the state: always the
// same labels in the same order, so a page can find its labels once. A label whose code has no
// text (a side code out of the tables, innings past what can be shown) gets none: it keeps what it
// showed before.
using LabelTexts = QVector<QPair<const char *, std::optional<QString>>>;
LabelTexts summaryTexts(const MainState &state);
