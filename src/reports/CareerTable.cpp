#include "CareerTable.h"

#include "tables/PlayerPage.h"

#include <QHash>

namespace CareerTable {

namespace {

// The summary's figures of one block, down each of its columns in turn, by their captions without
// the colon.
Table tableOf(const Career &career, const QVector<QVector<SummaryPair>> &block)
{
    Table table{{QStringLiteral("Team"), QStringLiteral("Season")}, {}};
    QVector<const char *> labels;
    for (int column = 0; column < 4; ++column)
        for (const QVector<SummaryPair> &row : block)
            if (column < row.size() && *row[column].caption) {
                table.headings.append(QString::fromLatin1(row[column].caption).chopped(1));
                labels.append(row[column].value);
            }
    const auto rowOf = [&](const QString &team, const QString &season, const SeasonTotals &totals) {
        MainState state;
        state.totals = totals;
        QHash<QByteArray, QString> texts;
        for (const auto &[label, text] : summaryTexts(state))
            texts.insert(label, text.value_or(QString()));
        QStringList cells{team, season};
        for (const char *label : labels)
            cells.append(texts.value(label));
        return cells;
    };
    for (const CareerSeason &season : career.seasons)
        table.rows.append(rowOf(season.team, season.season, season.totals));
    if (career.total)
        table.rows.append(rowOf(QStringLiteral("Career"), QString(), *career.total));
    return table;
}

} // namespace

Table batting(const Career &career)
{
    return tableOf(career, summaryBattingRows());
}

Table pitching(const Career &career)
{
    return tableOf(career, summaryPitchingRows());
}

} // namespace CareerTable
