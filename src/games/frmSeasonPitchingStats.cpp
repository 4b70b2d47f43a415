#include "frmSeasonPitchingStats.h"

#include "platform/Fonts.h"
#include "platform/TextFit.h"
#include "platform/Units.h"

QVector<TableColumn> seasonPitchingColumns()
{
    // The date cells are widened about their centre as in the batting list.
    return {{"DateLabel", "Date", 1920, "lblDate", 1665, 1035},
            {"GameLabel", "Game", 2655, "lblGame", 2760, 0},
            {"Label2", "D", 3360, "lblPDecision", 3240, 375, 5880, false},
            {"Label3", "IP", 3810, "lblPInnings", 3720, 375, 5880},
            {"AtBatsLabel", "AB", 4320, "lblPAtBats", 4320, 375},
            {"HitsLabel", "H", 4890, "lblPHits", 4800, 375},
            {"PWalksLabel", "BB", 5325, "lblPWalks", 5280, 375},
            {"PRunssLabel", "ER", 5805, "lblPRuns", 5760, 375},
            {"PSOsLabel", "SO", 6300, "lblPSOs", 6240, 375},
            {"StrikesLabel", "S", 6825, "lblPStrikes", 6720, 375},
            {"BallsLabel", "B", 7350, "lblPBalls", 7200, 375},
            {"WPLabel", "WP", 7710, "lblPWild", 7680, 375},
            {"AVGLabel", "AVG", 8160, "lblPAvg", 8160, 495},
            {"ERALabel", "ERA", 8805, "lblPERA", 8760, 495}};
}

frmSeasonPitchingStats::frmSeasonPitchingStats(WindowHost &main)
    : GameListWindow(main, "Season Pitching Stats", "Player Pitching Statistics", 4110, 2865,
                     seasonPitchingColumns(), 5865, 2730)
{
    setObjectName("frmSeasonPitchingStats");
    const auto recordLabel = [this](const char *name, const QString &text, const QRect &twips) {
        auto *label = new QLabel(text, this);
        label->setObjectName(name);
        label->setFont(windowFont("MS Sans Serif", 8.25, true));
        setTextColour(label, QColor(0, 0, 192));
        placeFitted(label, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        fitToText(label);
        return label;
    };
    Label4 = recordLabel("Label4", "W-L-S:", QRect(2160, 6360, 705, 345));
    lblPRecord = recordLabel("lblPRecord", "0-0-0", QRect(2880, 6360, 1185, 345));
    load([this](const GameRecords &records) -> Outcome<void> {
        Outcome<GameLists::PitchingList> list = GameLists::pitchingList(records);
        if (!list) {
            showWhole(lblPRecord, QString());
            return list.failure();
        }
        m_rows = list->games;
        m_season = list->season;
        showWhole(lblPRecord, list->record);
        return {};
    });
}

void frmSeasonPitchingStats::placeExtras(const GameLists::Page &page)
{
    Label4->move(Label4->x(), twipsToPixels(page.recordTop));
    lblPRecord->move(lblPRecord->x(), twipsToPixels(page.recordTop));
}
