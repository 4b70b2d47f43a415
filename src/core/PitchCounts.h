#pragma once

// Pitch counts and days of rest: a league's daily pitch limit by age and the calendar days of rest
// that the pitches of an outing require, applied to a pitcher's stored games.

#include "Records.h"

#include <QDate>
#include <QString>
#include <QVector>

#include <optional>

namespace PitchCounts {

struct LimitRule
{
    int fromAge = 0;
    int toAge = 0;
    int pitches = 0; // the most a pitcher of these ages may throw in a day
    bool operator==(const LimitRule &o) const
    {
        return fromAge == o.fromAge && toAge == o.toAge && pitches == o.pitches;
    }
};

struct RestRule
{
    int fromAge = 0;
    int toAge = 0;
    int fromPitches = 0;
    int toPitches = 0; // 0: no upper bound
    int days = 0;
    bool operator==(const RestRule &o) const
    {
        return fromAge == o.fromAge && toAge == o.toAge && fromPitches == o.fromPitches &&
               toPitches == o.toPitches && days == o.days;
    }
};

struct Rules
{
    QVector<LimitRule> limits;
    QVector<RestRule> rest;
    bool operator==(const Rules &o) const { return limits == o.limits && rest == o.rest; }
};

// The table most youth leagues publish.
Rules defaultRules();

// What is wrong with a table a user made (a range upside down, ages or pitches in two rows), or
// nothing.
std::optional<QString> problemIn(const Rules &rules);

std::optional<int> dailyLimit(const Rules &rules, int age);
// The rest days an outing of `pitches` requires; none when no row holds his age. An outing without
// a recorded pitch requires none.
std::optional<int> restDays(const Rules &rules, int age, int pitches);

// A stored game date, as MM/DD/YYYY or M/D/YYYY; nothing for any other text.
std::optional<QDate> readGameDate(const QString &text);
QString dateText(const QDate &date); // MM/DD/YYYY

struct Outing
{
    int game = 0;
    QString date; // as stored
    std::optional<QDate> day;
    QString opponent;
    int pitches = 0; // strikes and balls
    float innings = 0;
    bool overLimit = false; // his pitches of that day pass his daily limit
};

enum class Status
{
    Available,
    Resting,
    DateNotReadable, // his latest outing's date cannot be read
    NoRuleForAge,
};

struct Pitcher
{
    QString name;
    int age = 0;
    QVector<Outing> outings; // newest first; those with an unreadable date last
    std::optional<int> limit;
    Status status = Status::Available;
    std::optional<int> restDays;       // what his last outing requires
    std::optional<QDate> firstAllowed; // the first day he may pitch again
};

// A game with innings, batters faced or pitches is an outing. The status is as of `asOf`: his
// last outing on or before that day decides, with `restDays` whole calendar days between it and
// his next.
Pitcher assess(const QString &name, int age, const GameRecords &records, const Rules &rules,
               const QDate &asOf);

// "available", "rests until 06/13/2026" (the last day of rest), "date not readable", "no rule for
// age 19"
QString statusText(const Pitcher &pitcher);

} // namespace PitchCounts
