#include "PitchCounts.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <climits>

namespace PitchCounts {

namespace {

bool holds(int from, int to, int value)
{
    return value >= from && (to == 0 || value <= to);
}

bool overlap(int fromA, int toA, int fromB, int toB)
{
    const auto top = [](int to) { return to == 0 ? INT_MAX : to; };
    return fromA <= top(toB) && fromB <= top(toA);
}

QString ages(int from, int to)
{
    return QStringLiteral("%1–%2").arg(from).arg(to);
}

bool isOuting(const GameRecord &game)
{
    return game.PInnings > 0 || game.PAtBats > 0 || game.PStrikes > 0 || game.PBalls > 0;
}

} // namespace

Rules defaultRules()
{
    Rules rules;
    rules.limits = {{7, 8, 50}, {9, 10, 75}, {11, 12, 85}, {13, 16, 95}, {17, 18, 105}};
    rules.rest = {{7, 14, 1, 20, 0},   {7, 14, 21, 35, 1}, {7, 14, 36, 50, 2},  {7, 14, 51, 65, 3},
                  {7, 14, 66, 0, 4},   {15, 18, 1, 30, 0}, {15, 18, 31, 45, 1}, {15, 18, 46, 60, 2},
                  {15, 18, 61, 75, 3}, {15, 18, 76, 0, 4}};
    return rules;
}

std::optional<QString> problemIn(const Rules &rules)
{
    for (int i = 0; i < rules.limits.size(); ++i) {
        const LimitRule &a = rules.limits[i];
        if (a.fromAge < 1 || a.toAge < a.fromAge)
            return QStringLiteral("The ages %1 of a daily limit are no range of ages.")
                .arg(ages(a.fromAge, a.toAge));
        if (a.pitches < 1)
            return QStringLiteral("The daily limit of ages %1 is no number of pitches.")
                .arg(ages(a.fromAge, a.toAge));
        for (int j = 0; j < i; ++j)
            if (overlap(a.fromAge, a.toAge, rules.limits[j].fromAge, rules.limits[j].toAge))
                return QStringLiteral("The ages %1 have two daily limits.")
                    .arg(ages(a.fromAge, a.toAge));
    }
    for (int i = 0; i < rules.rest.size(); ++i) {
        const RestRule &a = rules.rest[i];
        if (a.fromAge < 1 || a.toAge < a.fromAge)
            return QStringLiteral("The ages %1 of a rest rule are no range of ages.")
                .arg(ages(a.fromAge, a.toAge));
        if (a.fromPitches < 1 || (a.toPitches != 0 && a.toPitches < a.fromPitches))
            return QStringLiteral("A rest rule of ages %1 has no range of pitches.")
                .arg(ages(a.fromAge, a.toAge));
        if (a.days < 0)
            return QStringLiteral("A rest rule of ages %1 has no number of days.")
                .arg(ages(a.fromAge, a.toAge));
        for (int j = 0; j < i; ++j) {
            const RestRule &b = rules.rest[j];
            if (overlap(a.fromAge, a.toAge, b.fromAge, b.toAge) &&
                overlap(a.fromPitches, a.toPitches, b.fromPitches, b.toPitches))
                return QStringLiteral("Two rest rules hold the same pitches for ages %1.")
                    .arg(ages(std::max(a.fromAge, b.fromAge), std::min(a.toAge, b.toAge)));
        }
    }
    return std::nullopt;
}

std::optional<int> dailyLimit(const Rules &rules, int age)
{
    for (const LimitRule &rule : rules.limits)
        if (holds(rule.fromAge, rule.toAge, age))
            return rule.pitches;
    return std::nullopt;
}

std::optional<int> restDays(const Rules &rules, int age, int pitches)
{
    bool ageKnown = false;
    for (const RestRule &rule : rules.rest) {
        if (!holds(rule.fromAge, rule.toAge, age))
            continue;
        ageKnown = true;
        if (holds(rule.fromPitches, rule.toPitches, pitches))
            return rule.days;
    }
    if (ageKnown && pitches < 1)
        return 0;
    return std::nullopt;
}

std::optional<QDate> readGameDate(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(3).toInt(), match.captured(1).toInt(),
                     match.captured(2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

Pitcher assess(const QString &name, int age, const GameRecords &records, const Rules &rules,
               const QDate &asOf)
{
    Pitcher pitcher;
    pitcher.name = name;
    pitcher.age = age;
    pitcher.limit = dailyLimit(rules, age);
    QHash<QDate, int> pitchesOn;
    for (qsizetype index = 1; index < records.size(); ++index) {
        const GameRecord &game = records[index];
        if (!isOuting(game))
            continue;
        Outing outing{game.GameNumber,
                      game.GameDate,
                      readGameDate(game.GameDate),
                      game.Opponent,
                      int(game.PStrikes) + int(game.PBalls),
                      game.PInnings,
                      false};
        if (outing.day)
            pitchesOn[*outing.day] += outing.pitches;
        pitcher.outings.append(outing);
    }
    const auto dayPitches = [&](const Outing &o) { return o.day ? pitchesOn[*o.day] : o.pitches; };
    for (Outing &outing : pitcher.outings)
        outing.overLimit = pitcher.limit && dayPitches(outing) > *pitcher.limit;
    std::stable_sort(pitcher.outings.begin(), pitcher.outings.end(),
                     [](const Outing &a, const Outing &b) {
                         if (a.day.has_value() != b.day.has_value())
                             return a.day.has_value();
                         if (a.day && *a.day != *b.day)
                             return *a.day > *b.day;
                         return a.game > b.game;
                     });

    // His last outing up to the day asked about (they are newest first). A game whose date cannot
    // be read and that came after it may be the true last one: then nothing can be said.
    const Outing *last = nullptr;
    int unreadableGame = 0;
    for (const Outing &outing : pitcher.outings) {
        if (!outing.day)
            unreadableGame = std::max(unreadableGame, outing.game);
        else if (!last && *outing.day <= asOf)
            last = &outing;
    }
    if (unreadableGame > (last ? last->game : 0)) {
        pitcher.status = Status::DateNotReadable;
        return pitcher;
    }
    if (!last)
        return pitcher;
    pitcher.restDays = restDays(rules, age, pitchesOn[*last->day]);
    if (!pitcher.restDays) {
        pitcher.status = Status::NoRuleForAge;
        return pitcher;
    }
    pitcher.firstAllowed = last->day->addDays(*pitcher.restDays + 1);
    pitcher.status = asOf >= *pitcher.firstAllowed ? Status::Available : Status::Resting;
    return pitcher;
}

QString statusText(const Pitcher &pitcher)
{
    switch (pitcher.status) {
    case Status::Available: return QStringLiteral("available");
    case Status::Resting:
        return QStringLiteral("rests until %1").arg(dateText(pitcher.firstAllowed->addDays(-1)));
    case Status::DateNotReadable: return QStringLiteral("date not readable");
    case Status::NoRuleForAge:
        return pitcher.age > 0 ? QStringLiteral("no rule for age %1").arg(pitcher.age)
                               : QStringLiteral("no age in his profile");
    }
    return QString();
}

} // namespace PitchCounts
