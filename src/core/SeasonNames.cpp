#include "SeasonNames.h"

#include <QRegularExpression>

#include <optional>

namespace {

const QRegularExpression &trailingYear()
{
    static const QRegularExpression year(QStringLiteral("(^|\\s)(\\d{4})$"));
    return year;
}

std::optional<int> yearAtEnd(const QString &text)
{
    const QRegularExpressionMatch match = trailingYear().match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(2).toInt();
}

QString withYear(const QString &text, int year)
{
    QString kept = text.trimmed();
    const QRegularExpressionMatch match = trailingYear().match(kept);
    if (match.hasMatch())
        kept.truncate(match.capturedStart(2));
    else if (!kept.isEmpty())
        kept += QLatin1Char(' ');
    return kept + QString::number(year);
}

} // namespace

SeasonNames proposeNextSeason(const QString &team, const QString &season, const QDate &today)
{
    const int year = yearAtEnd(team).value_or(yearAtEnd(season).value_or(today.year())) + 1;
    return {withYear(team, year), withYear(season, year)};
}
