#pragma once

// A player's career: every team folder whose roster holds a player of his name, each with his
// season as the summary sums it, and the career total from the summed counts.

#include "Outcome.h"
#include "SeasonTotals.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct CareerSeason
{
    QString team;
    QString season; // the team's season text
    SeasonTotals totals;
};

struct Career
{
    QVector<CareerSeason> seasons; // by team name, numbers by value
    SeasonTotals total;            // counts summed, rates from the sums
    QStringList problems;          // a listed player's stats that could not be read, in words
};

// Fails only when a career total would pass what a total can hold.
Outcome<Career> readCareer(const QString &appPath, const QString &player);
