#pragma once

// The team batting and the team pitching table: a row per listed player and the team row right
// under the last of them.

#include "TeamTables.h"
#include "tables/StatsTableWindow.h"

#include <functional>

class TeamTableWindow : public StatsTableWindow
{
    Q_OBJECT

public:
    QLabel *lblTeamName;

    void refill() override;

protected:
    TeamTableWindow(WindowHost &main, const TableLayout &layout);

    // Reads the team file and every listed player's games and fills the table; on failure tells the
    // user and shows no figures.
    void
    fill(SeasonView view,
         const std::function<Outcome<TeamTables::Table>(const QVector<TeamTables::PlayerSeason> &)>
             &build);

private:
    SeasonView m_view = SeasonView::Batting;
    std::function<Outcome<TeamTables::Table>(const QVector<TeamTables::PlayerSeason> &)> m_build;
};
