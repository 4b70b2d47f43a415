#pragma once

// What New Season proposes: the team's name and its season text with the next season's year.

#include <QDate>
#include <QString>

struct SeasonNames
{
    QString team;
    QString season;
};

// The year after the one the team's name (or else its season text) ends with, else the year after
// `today`; that year replaces the one the name and the season end with, or is added to them
// ("Tigers" -> "Tigers 2027", "Spring 2026" -> "Spring 2027", "" -> "2027").
SeasonNames proposeNextSeason(const QString &team, const QString &season, const QDate &today);
