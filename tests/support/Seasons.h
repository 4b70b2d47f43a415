#pragma once

// A stats file's records made from the games a test names: record 0, then the games numbered
// from 1.

#include "core/Records.h"

inline GameRecords season(const QVector<GameRecord> &games)
{
    GameRecords records{GameRecord{}};
    for (int i = 0; i < games.size(); ++i) {
        records.append(games[i]);
        records.last().GameNumber = qint16(i + 1);
    }
    return records;
}
