#include "SeasonReport.h"

#include "core/CurrentTeam.h"
#include "core/RecordFiles.h"
#include "games/GameLists.h"
#include "games/frmSeasonBattingStats.h"
#include "games/frmSeasonPitchingStats.h"
#include "reports/TeamTables.h"
#include "reports/frmTeamBattingStats.h"
#include "reports/frmTeamPitchingStats.h"

#include <QHash>

#include <algorithm>
#include <functional>

namespace SeasonReport {

namespace {

constexpr qint32 Black = 0x000000;
constexpr qint32 Grey = 0x808080;
const QString Font = QStringLiteral("Arial");
constexpr double TableSize = 9.0;
constexpr double LargestTableSize = 11.0;
constexpr int WidestGap = 720;
constexpr double SmallestTableSize = 6.0;
constexpr int CellGap = 180;
constexpr int HeadingRoom = 600; // the heading line and the space under it

QStringList captionsOf(const QVector<TableColumn> &columns)
{
    QStringList captions;
    for (const TableColumn &column : columns)
        captions.append(column.header);
    return captions;
}

// The list's rows in pages of 25, the season row on the last; one page when there is no game.
QVector<Table> listPages(const QStringList &headings, const QVector<GameLists::Row> &games,
                         const GameLists::Row &season)
{
    QVector<Table> pages;
    for (qsizetype first = 0; first < games.size() || pages.isEmpty();
         first += GameLists::RowsPerPage) {
        Table page{headings, {}, {}};
        for (qsizetype i = first; i < std::min(games.size(), first + GameLists::RowsPerPage); ++i)
            page.rows.append(games[i].cells);
        pages.append(page);
    }
    pages.last().last = season.cells;
    return pages;
}

void setFont(Canvas &canvas, double points, bool bold)
{
    canvas.setFont(Font, points, bold, false);
    canvas.setForeColor(Black);
}

// A table across `width` twips from (left, top): each column as wide as its widest text, the first
// left-aligned and the others right-aligned, in the largest size that fits (11 to 6 points), the
// room left shared out between the columns.
int drawTable(Canvas &canvas, const Table &table, int left, int top, int width)
{
    const int columns = int(table.headings.size());
    QVector<QStringList> all{table.headings};
    all += table.rows;
    if (!table.last.isEmpty())
        all.append(table.last);
    double size = LargestTableSize;
    QVector<int> widths;
    int total = 0;
    for (;; size -= 0.5) {
        widths = QVector<int>(columns, 0);
        for (int r = 0; r < all.size(); ++r) {
            setFont(canvas, size, r == 0 || (r == all.size() - 1 && !table.last.isEmpty()));
            for (int c = 0; c < columns && c < all[r].size(); ++c)
                widths[c] = std::max(widths[c], canvas.textWidth(all[r][c]));
        }
        total = 0;
        for (int w : widths)
            total += w + CellGap;
        if (total <= width || size <= SmallestTableSize)
            break;
    }
    const int gap =
        std::min(WidestGap, CellGap + std::max(0, width - total) / std::max(1, columns));
    const int rowHeight = int(canvas.textHeight(QStringLiteral("0")) * 1.35);
    canvas.setDrawWidthTwips(10);
    int y = top;
    for (int r = 0; r < all.size(); ++r) {
        const bool lastRow = r == all.size() - 1 && !table.last.isEmpty();
        if (lastRow)
            canvas.line(left, y - rowHeight / 8, left + width, y - rowHeight / 8, Black);
        setFont(canvas, size, r == 0 || lastRow);
        int x = left;
        for (int c = 0; c < columns; ++c) {
            const QString text = all[r].value(c);
            const int right = x + widths[c];
            canvas.printAt(text, c == 0 ? x : right - canvas.textWidth(text), y);
            x = right + gap;
        }
        y += rowHeight;
        if (r == 0)
            canvas.line(left, y - rowHeight / 8, left + width, y - rowHeight / 8, Grey);
    }
    return y;
}

void drawSummary(Canvas &canvas, const Player &player, int left, int top, int width)
{
    QHash<QString, QString> texts;
    for (const auto &[name, text] : player.summary)
        texts.insert(QString::fromLatin1(name), text.value_or(QString()));
    setFont(canvas, 12, false);
    const int row = int(canvas.textHeight(QStringLiteral("0")) * 1.4);
    int y = top;
    for (const SummaryHeaderRow &header : summaryHeaderRows()) {
        setFont(canvas, 12, false);
        canvas.printAt(header.caption, left, y);
        canvas.printAt(texts.value(header.value), left + 1600, y);
        y += row;
    }
    canvas.printAt(texts.value("lblSeason"), left + 1600, y);
    y += row * 2;
    const int column = width / 4;
    for (const auto &[title, rows] : {std::pair{SummaryBattingTitle, summaryBattingRows()},
                                      std::pair{SummaryPitchingTitle, summaryPitchingRows()}}) {
        setFont(canvas, 12, true);
        canvas.printAt(title, left, y);
        y += row;
        setFont(canvas, 10, false);
        for (const QVector<SummaryPair> &pairs : rows) {
            for (int c = 0; c < pairs.size(); ++c) {
                if (!*pairs[c].caption)
                    continue;
                const int captionEnd = left + c * column + column * 3 / 5;
                const QString caption = QString::fromLatin1(pairs[c].caption);
                canvas.printAt(caption, captionEnd - canvas.textWidth(caption), y);
                canvas.printAt(texts.value(pairs[c].value), captionEnd + 90, y);
            }
            y += row * 3 / 4;
        }
        y += row;
    }
}

// One page of the report: its heading and what it draws.
struct Page
{
    QString what;
    std::function<void(Canvas &, int left, int top, int width)> body;
};

QVector<Page> pagesOf(const Report &report, const QDate &printed)
{
    QVector<Page> pages;
    const TeamHeader &h = report.header;
    pages.append(
        {QStringLiteral("Season Report"), [&h, printed](Canvas &canvas, int left, int top, int) {
             setFont(canvas, 24, true);
             canvas.printAt(h.TeamName, left, top + 1440);
             setFont(canvas, 16, false);
             int y = top + 1440 + 720;
             for (const QString &line :
                  {h.Season, QStringLiteral("Coach: %1").arg(h.Coach),
                   QStringLiteral("Assistant: %1").arg(h.Asst),
                   QStringLiteral("Printed %1").arg(printed.toString("MM/dd/yyyy"))}) {
                 canvas.printAt(line, left, y);
                 y += 480;
             }
         }});
    pages.append({QStringLiteral("Team Batting"), [&report](Canvas &c, int l, int t, int w) {
                      drawTable(c, report.teamBatting, l, t, w);
                  }});
    pages.append({QStringLiteral("Team Pitching"), [&report](Canvas &c, int l, int t, int w) {
                      drawTable(c, report.teamPitching, l, t, w);
                  }});
    for (const Player &player : report.players) {
        pages.append(
            {QStringLiteral("%1: Summary").arg(player.name),
             [&player](Canvas &c, int l, int t, int w) { drawSummary(c, player, l, t, w); }});
        const auto list = [&](const QVector<Table> &tables, const QString &what,
                              const QString &note) {
            for (int i = 0; i < tables.size(); ++i) {
                const QString part =
                    tables.size() == 1
                        ? what
                        : QStringLiteral("%1 (%2 of %3)").arg(what).arg(i + 1).arg(tables.size());
                const Table &table = tables[i];
                const bool lastPage = i == tables.size() - 1;
                pages.append({QStringLiteral("%1: %2").arg(player.name, part),
                              [&table, note, lastPage](Canvas &c, int l, int t, int w) {
                                  const int end = drawTable(c, table, l, t, w);
                                  if (lastPage && !note.isEmpty()) {
                                      setFont(c, TableSize, false);
                                      c.printAt(note, l, end + 120);
                                  }
                              }});
            }
        };
        list(player.batting, QStringLiteral("Batting by Game"), QString());
        list(player.pitching, QStringLiteral("Pitching by Game"),
             QStringLiteral("Record (W-L-S): %1").arg(player.pitchingRecord));
    }
    return pages;
}

} // namespace

Outcome<Reading> read(const QString &appPath, const QString &team, const MainState &state)
{
    Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFile(appPath, team);
    if (!teamFile)
        return teamFile.failure();
    Reading reading;
    reading.report.header = teamFile->header;
    QVector<TeamTables::PlayerGames> readable;
    for (const RosterEntry &entry : teamFile->roster) {
        if (entry.RosterPlayer.isEmpty())
            continue;
        const QString &name = entry.RosterPlayer;
        const auto unreadable = [&](const QString &why) {
            reading.unreadable.append(QStringLiteral("%1: %2").arg(name, why));
        };
        Outcome<PlayerPage> page = readPlayerPage(appPath, team, name);
        if (!page) {
            unreadable(page.error());
            continue;
        }
        Outcome<GameRecords> games = RecordFiles::ReadGameRecords(appPath, team, name);
        if (!games) {
            unreadable(games.error());
            continue;
        }
        Outcome<GameLists::BattingList> batting = GameLists::battingList(*games);
        Outcome<GameLists::PitchingList> pitching = GameLists::pitchingList(*games);
        if (!batting || !pitching) {
            unreadable(batting ? pitching.error() : batting.error());
            continue;
        }
        MainState his = state;
        takePlayerPage(his, *page);
        Player player{name, summaryTexts(his), {}, {}, pitching->record};
        player.batting =
            listPages(captionsOf(seasonBattingColumns()), batting->games, batting->season);
        player.pitching =
            listPages(captionsOf(seasonPitchingColumns()), pitching->games, pitching->season);
        reading.report.players.append(player);
        readable.append({name, entry.RosterPosition, *games});
    }
    const auto teamTable = [&](SeasonView view, const TableLayout &layout,
                               Outcome<TeamTables::Table> (*build)(
                                   const QVector<TeamTables::PlayerSeason> &)) -> Outcome<Table> {
        Outcome<QVector<TeamTables::PlayerSeason>> seasons =
            TeamTables::seasonsOf(appPath, *teamFile, readable, view);
        if (!seasons)
            return seasons.failure();
        Outcome<TeamTables::Table> table = build(*seasons);
        if (!table)
            return table.failure();
        return Table{captionsOf(layout.columns), table->rows, table->team};
    };
    Outcome<Table> batting =
        teamTable(SeasonView::Batting, teamBattingLayout(), TeamTables::battingTable);
    if (!batting)
        return batting.failure();
    Outcome<Table> pitching =
        teamTable(SeasonView::Pitching, teamPitchingLayout(), TeamTables::pitchingTable);
    if (!pitching)
        return pitching.failure();
    reading.report.teamBatting = *batting;
    reading.report.teamPitching = *pitching;
    return reading;
}

int pageCount(const Report &report)
{
    int pages = 3;
    for (const Player &player : report.players)
        pages += 1 + int(player.batting.size() + player.pitching.size());
    return pages;
}

void draw(Canvas &canvas, const QSize &page, const Report &report, const QDate &printed)
{
    const QVector<Page> pages = pagesOf(report, printed);
    const QString team = report.header.TeamName;
    const QString season = report.header.Season;
    for (int n = 0; n < pages.size(); ++n) {
        if (n > 0)
            canvas.newPage();
        setFont(canvas, 9, false);
        const QString heading =
            QStringList{team, season, pages[n].what}.join(QStringLiteral(" · "));
        canvas.printAt(heading, 0, 0);
        const int under = canvas.textHeight(heading) + 60;
        canvas.setDrawWidthTwips(10);
        canvas.line(0, under, page.width(), under, Grey);
        const QString foot = QStringLiteral("page %1 of %2").arg(n + 1).arg(pages.size());
        setFont(canvas, 9, false);
        canvas.printAt(foot, (page.width() - canvas.textWidth(foot)) / 2,
                       page.height() - canvas.textHeight(foot));
        pages[n].body(canvas, 0, HeadingRoom, page.width());
    }
}

} // namespace SeasonReport
