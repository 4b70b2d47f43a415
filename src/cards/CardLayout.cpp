#include "CardLayout.h"

namespace CardLayout {

namespace {

// `rows` holds the caption and the element of each cell, row by row, four to a row.
QVector<StatCell> grid(const std::array<int, 3> &tops,
                       const std::array<std::array<const char *, 8>, 3> &rows)
{
    QVector<StatCell> cells;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 3; ++row)
            cells.append({rows[row][2 * column], rows[row][2 * column + 1], column, tops[row]});
    return cells;
}

} // namespace

QVector<ProfileRow> profileRows()
{
    return {{"Hometown:", "lblHomeTown", 840},
            {"Age:", "lblAge", 1080},
            {"Bats:", "lblBats", 1320},
            {"Throws:", "lblThrows", 1560}};
}

StatBlock battingBlock()
{
    return {
        "Batting:", "AVG:", "lblBAverage", 2040,
        grid({2280, 2520, 2760},
             {{{"G:", "lblBGames", "2B:", "lblBDoubles", "R:", "lblBRuns", "SO:", "lblBSOs"},
               {"AB:", "lblBAtBats", "3B:", "lblBTriples", "RBI:", "lblBRBIs", "SB:", "lblBSBs"},
               {"H:", "lblBHits", "HR:", "lblBHomers", "BB:", "lblBWalks",
                "SLUG:", "lblBSlugging"}}})};
}

StatBlock pitchingBlock()
{
    return {
        "Pitching:", "ERA:", "lblPERA", 3240,
        grid({3480, 3720, 3960},
             {{{"W-L:", "lblPWinLoss", "IP:", "lblPInnings", "H:", "lblPHits", "S:", "lblPStrikes"},
               {"SA:", "lblPSaves", "AB:", "lblPAtBats", "BB:", "lblPWalks", "B:", "lblPBalls"},
               {"G:", "lblPGames", "R:", "lblPRuns", "SO:", "lblPSOs", "WP:", "lblPWild"}}})};
}

const StatCell *nextInRow(const StatBlock &block, const StatCell &cell)
{
    for (const StatCell &other : block.grid)
        if (other.column == cell.column + 1 && other.top == cell.top)
            return &other;
    return nullptr;
}

} // namespace CardLayout
