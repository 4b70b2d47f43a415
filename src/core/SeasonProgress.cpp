#include "SeasonProgress.h"

#include "SeasonTotals.h"

namespace SeasonProgress {

Outcome<Lines> linesOf(const GameRecords &records)
{
    Outcome<QVector<SeasonTotals>> running = runningSeasonTotals(records);
    if (!running)
        return running.failure();
    Lines lines;
    for (int game = 1; game <= running->size(); ++game) {
        const SeasonTotals &after = running->at(game - 1);
        lines.average.append({game, after.BTotalAverage});
        lines.slugging.append({game, after.BTotalSlugging});
        if (records[game].PInnings > 0)
            lines.era.append({game, after.PTotalERA});
    }
    return lines;
}

} // namespace SeasonProgress
