#include "frmSeasonBattingStats.h"

QVector<TableColumn> seasonBattingColumns()
{
    // The date cells stand 120 twips wider on each side than 795 about the same centre: a full date
    // in the substitute font needs it.
    return QVector<TableColumn>{{"DateLabel", "Date", 2040, "lblDate", 1785, 1035},
                                {"GameLabel", "Game", 2880, "lblGame", 3000, 0}} +
           battingCountColumns();
}

frmSeasonBattingStats::frmSeasonBattingStats(WindowHost &main)
    : GameListWindow(main, "Season Batting Stats", "Player Batting Statistics", 4170, 2745,
                     seasonBattingColumns(), 5870, 2970)
{
    setObjectName("frmSeasonBattingStats");
    load([this](const GameRecords &records) -> Outcome<void> {
        Outcome<GameLists::BattingList> list = GameLists::battingList(records);
        if (!list)
            return list.failure();
        m_rows = list->games;
        m_season = list->season;
        return {};
    });
}
