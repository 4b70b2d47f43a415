#pragma once

// A player's career: every team folder whose roster holds a player of his name, each with his
// season as the summary sums it, and the career total from the summed counts.

#include "Outcome.h"
#include "SeasonTotals.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

struct CareerSeason
{
    QString team;
    QString season; // the team's season text
    SeasonTotals totals;
};

struct Career
{
    QVector<CareerSeason> seasons; // by team name, numbers by value
    // Counts summed, rates from the sums; nothing when a sum would pass what a total can hold.
    std::optional<SeasonTotals> total;
    QStringList problems; // stats that could not be read, a sum too large; in words
};

Career readCareer(const QString &appPath, const QString &player);
