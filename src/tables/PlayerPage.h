#pragma once

// The summary page of a player: its captions and the texts of its value labels, from the current
// player in the shared state. The summary window and the printed season report show the same.

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

struct SummaryHeaderRow
{
    const char *caption;
    const char *captionName;
    const char *value;
};
// Player, Team, Position, Bats, Throws; the season stands under them without a caption.
const QVector<SummaryHeaderRow> &summaryHeaderRows();

struct SummaryPair
{
    const char *caption;
    const char *value;
};
inline const QString SummaryBattingTitle = QStringLiteral("Batting Stats:");
inline const QString SummaryPitchingTitle = QStringLiteral("Pitching Stats:");
// Rows of four caption/value pairs; an empty caption leaves the column free.
const QVector<QVector<SummaryPair>> &summaryBattingRows();
const QVector<QVector<SummaryPair>> &summaryPitchingRows();
