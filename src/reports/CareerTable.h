#pragma once

// The Career Totals tables: a row per season (team, season text, his figures as the summary shows
// them) and the career row last.

#include "core/Career.h"

#include <QStringList>
#include <QVector>

namespace CareerTable {

struct Table
{
    QStringList headings;
    QVector<QStringList> rows; // the seasons, then "Career" when it could be summed
};

Table batting(const Career &career);
Table pitching(const Career &career);

} // namespace CareerTable
