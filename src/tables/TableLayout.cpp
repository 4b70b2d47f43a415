#include "TableLayout.h"

QVector<TableColumn> battingCountColumns()
{
    return {{"AtBatsLabel", "AB", 3960, "lblBAtBats", 3960, 375},
            {"HitsLabel", "H", 4530, "lblBHits", 4440, 375},
            {"DoublesLabel", "2B", 4920, "lblBDoubles", 4920, 375},
            {"TriplesLabel", "3B", 5400, "lblBTriples", 5400, 375},
            {"HomersLabel", "HR", 5880, "lblBHomers", 5880, 375},
            {"WalksLabel", "BB", 6360, "lblBWalks", 6360, 375},
            {"RunsLabel", "R", 6990, "lblBRuns", 6840, 375},
            {"SOsLabel", "SO", 7320, "lblBSOs", 7320, 375},
            {"SBsLabel", "SB", 7800, "lblBSBs", 7800, 375},
            {"RBIsLabel", "RBI", 8280, "lblBRBIs", 8280, 375},
            {"AVGLabel", "AVG", 8760, "lblBAvg", 8760, 495},
            {"SlugLabel", "Slug", 9360, "lblBSlug", 9360, 495}};
}
