#pragma once

// The season report of a team, as one printed document: a title page, the team batting and team
// pitching tables, then for every roster player his summary page and his batting and pitching
// lists, 25 games a page. Every page has a heading line (team · season · what) and "page n of N"
// at its foot, and is laid out for the page it is given. The figures come from the rules the
// windows use.

#include "core/MainState.h"
#include "core/Outcome.h"
#include "core/Records.h"
#include "platform/Canvas.h"
#include "tables/PlayerPage.h"

#include <QDate>
#include <QSize>
#include <QStringList>
#include <QVector>

namespace SeasonReport {

struct Table
{
    QStringList headings;
    QVector<QStringList> rows;
    QStringList last; // the team or season row, under a line
};

struct Player
{
    QString name;
    LabelTexts summary;
    QVector<Table> batting; // a page each
    QVector<Table> pitching;
    QString pitchingRecord; // wins-losses-saves
};

struct Report
{
    TeamHeader header;
    Table teamBatting;
    Table teamPitching;
    QVector<Player> players;
};

// What was read, and who was not: "Smith: why".
struct Reading
{
    Report report;
    QStringList unreadable;
};

// Reads the team file fresh and every roster player's files; `state` gives the options the
// summary shows by. Fails when the team file or a table of the readable players cannot be made.
Outcome<Reading> read(const QString &appPath, const QString &team, const MainState &state);

int pageCount(const Report &report);

// The whole report, a page each, on pages of `page` twips (the printable area).
void draw(Canvas &canvas, const QSize &page, const Report &report, const QDate &printed);

} // namespace SeasonReport
