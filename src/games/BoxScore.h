#pragma once

// The rules of the box score, on the texts of its cells: which players played, and each one's game
// as game entry would store the same line.

#include "GameEntry.h"

#include <QString>

#include <array>
#include <optional>

namespace BoxScore {

constexpr int BattingCount = 10;
constexpr int PitchingCount = GameEntry::CountBoxCount - BattingCount;

// Game entry's batting boxes, then its pitching boxes, in their order and with their captions.
const GameEntry::CountBox &battingBox(int column);
const GameEntry::CountBox &pitchingBox(int column);

// What one player's rows hold: his batting cells, and his pitching cells when he has a pitching
// row. An empty cell is 0.
struct PlayerRows
{
    QString player;
    std::array<QString, BattingCount> batting;
    bool pitches = false;
    QString innings;
    QString thirds; // "--", "1/3", "2/3" or empty
    std::array<QString, PitchingCount> pitching;
    QString decision;
};

// Texts of the whole game, stored with every player's line.
struct GameTexts
{
    QString date;
    QString opponent;
    QString highlights;
};

// A player with nothing typed in his rows did not play: he gets no game.
bool played(const PlayerRows &rows);

// Where a row cannot be stored, and why.
struct Problem
{
    bool pitching;   // in his pitching row, else his batting row
    QString caption; // of the cell, as game entry's box
    QString message;
};
// His game, numbered later; or the first problem of his rows.
std::optional<Problem> problemOf(const PlayerRows &rows);
GameRecord gameOf(const PlayerRows &rows, const GameTexts &game);

} // namespace BoxScore
