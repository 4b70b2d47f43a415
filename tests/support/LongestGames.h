#pragma once

// Games whose season comes to the longest texts the lists and the team tables can show: the
// largest counts a season sums without passing 32767 (or the slugging bases without passing it),
// and the rates they give. Each is the only game of its season.

#include <QByteArray>
#include <QString>
#include <QVector>

struct LongestGame
{
    const char *name;
    bool pitching;
    QByteArray fields; // after the game's number, up to its date
    QString cell;      // the column the game is about, in the lists and the team tables
    QString text;      // and the text it shows there, in the game's row and the season's
};

inline const QVector<LongestGame> &longestGames()
{
    static const QVector<LongestGame> games = {
        {"counts", false, "32767,32767,32767,0,0,0,0,32767,32767,32767,0,0,0,0,0,0,0,0,0",
         "lblBAtBats", "32767"},
        {"walks", false, "0,0,0,32767,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0", "lblBWalks", "32767"},
        {"doubles, slugging", false, "0,1,0,0,32767,0,0,0,0,0,0,0,0,0,0,0,0,0,0", "lblBSlug",
         "32767.000"},
        {"triples", false, "0,1,0,0,0,16383,0,0,0,0,0,0,0,0,0,0,0,0,0", "lblBTriples", "16383"},
        {"home runs", false, "0,1,0,0,0,0,10922,0,0,0,0,0,0,0,0,0,0,0,0", "lblBHomers", "10922"},
        {"counts, earned run average", true,
         "0,0,0,0,0,0,0,0,0,0,32767,32767,32767,0.1,32767,32767,32767,32767,32767", "lblPERA",
         "884709.000"},
        {"innings", true,
         "0,0,0,0,0,0,0,0,0,0,32767,32767,32767,32767.2,32767,32767,32767,32767,32767",
         "lblPInnings", "32767.2"},
    };
    return games;
}
