#pragma once

// The batting and the pitching list by game: 25 game rows a page under the season row, paged with
// two arrow labels.

#include "GameLists.h"
#include "core/Outcome.h"
#include "core/Records.h"
#include "platform/ClickLabel.h"
#include "tables/StatsTableWindow.h"

#include <functional>

class GameListWindow : public StatsTableWindow
{
    Q_OBJECT

public:
    int PageNumber() const { return m_pageNumber; }
    const QString &player() const { return m_player; }
    void refill() override;

    QLabel *lblPlayerName;
    ClickLabel *lblPrevious;
    QLabel *lblPage;
    ClickLabel *lblNext;

protected:
    // `columns` left to right; the season row's design top, and the left of its game cell.
    GameListWindow(WindowHost &main, const QString &caption, const QString &heading,
                   int headingLeft, int headingWidth, const QVector<TableColumn> &columns,
                   int seasonTop, int seasonGameLeft);

    // Reads the team header and the player's games, lets `compute` fill the rows, and shows page 1;
    // on failure tells the user and shows no figures.
    void load(const std::function<Outcome<void>(const GameRecords &)> &compute);
    void showPage();
    virtual void placeExtras(const GameLists::Page &) {}

    QVector<GameLists::Row> m_rows;
    GameLists::Row m_season;

private:
    // The team and player it was opened for: a refill shows them, whoever is current by then.
    const QString m_team;
    const QString m_player;
    std::function<Outcome<void>(const GameRecords &)> m_compute;
    int m_pageNumber = 1;
};
