#include "Options.h"

#include "RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include <optional>

namespace Options {

namespace {

const QString Group = QStringLiteral("PitchCounts");
const QString Limits = QStringLiteral("DailyLimits");
const QString Rest = QStringLiteral("RestDays");

// "7-8", or "66+" where an open end is allowed; 0 stands for the open end.
std::optional<std::pair<int, int>> readRange(const QString &text, bool openEnd)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,4})\\s*(?:-\\s*(\\d{1,4})|(\\+))\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch() || (!match.captured(3).isEmpty() && !openEnd))
        return std::nullopt;
    const int from = match.captured(1).toInt();
    return std::pair(from, match.captured(3).isEmpty() ? match.captured(2).toInt() : 0);
}

QString rangeText(int from, int to)
{
    return to == 0 ? QStringLiteral("%1+").arg(from) : QStringLiteral("%1-%2").arg(from).arg(to);
}

std::optional<int> readCount(const QVariant &value)
{
    bool ok = false;
    const int count = value.toString().trimmed().toInt(&ok);
    return ok && count >= 0 && count <= 9999 ? std::optional(count) : std::nullopt;
}

Outcome<PitchCounts::Rules> readRules(QSettings &settings)
{
    PitchCounts::Rules rules;
    const auto damaged = [](const QString &what, int row) {
        return Failure{QStringLiteral("%1 %2 cannot be read").arg(what).arg(row)};
    };
    // An array whose size cannot be read would silently read as empty.
    for (const QString &array : {Limits, Rest})
        if (settings.childGroups().contains(array) &&
            !readCount(settings.value(array + QStringLiteral("/size"))))
            return Failure{QStringLiteral("the number of rows of %1 cannot be read").arg(array)};
    const int limits = settings.beginReadArray(Limits);
    for (int i = 0; i < limits; ++i) {
        settings.setArrayIndex(i);
        const auto ages = readRange(settings.value("Ages").toString(), false);
        const auto pitches = readCount(settings.value("Pitches"));
        if (!ages || !pitches) {
            settings.endArray();
            return damaged(QStringLiteral("daily limit"), i + 1);
        }
        rules.limits.append({ages->first, ages->second, *pitches});
    }
    settings.endArray();
    const int rest = settings.beginReadArray(Rest);
    for (int i = 0; i < rest; ++i) {
        settings.setArrayIndex(i);
        const auto ages = readRange(settings.value("Ages").toString(), false);
        const auto pitches = readRange(settings.value("Pitches").toString(), true);
        const auto days = readCount(settings.value("Days"));
        if (!ages || !pitches || !days) {
            settings.endArray();
            return damaged(QStringLiteral("rest rule"), i + 1);
        }
        rules.rest.append({ages->first, ages->second, pitches->first, pitches->second, *days});
    }
    settings.endArray();
    if (const std::optional<QString> problem = PitchCounts::problemIn(rules))
        return Failure{*problem};
    return rules;
}

} // namespace

QString filePath(const QString &appPath)
{
    return appPath + QStringLiteral("Scorebinder.ini");
}

PitchRules readPitchRules(const QString &appPath)
{
    const QString path = filePath(appPath);
    const auto damaged = [&](QString why) {
        if (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        return PitchRules{PitchCounts::defaultRules(),
                          QStringLiteral("The options file \"%1\" is damaged (%2). The default "
                                         "pitch-count rules are used; the file is left as it is "
                                         "until an option is changed.")
                              .arg(QDir::toNativeSeparators(path), why)};
    };
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return {PitchCounts::defaultRules(), QString()};
    if (Outcome<void> regular = writableAsRegularFile(path); !regular)
        return damaged(regular.error());
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return damaged(QStringLiteral("it is not an options file"));
    settings.beginGroup(Group);
    if (settings.childGroups().isEmpty() && settings.childKeys().isEmpty())
        return {PitchCounts::defaultRules(), QString()};
    Outcome<PitchCounts::Rules> rules = readRules(settings);
    if (!rules)
        return damaged(rules.error());
    return {*rules, QString()};
}

Outcome<void> writePitchRules(const QString &appPath, const PitchCounts::Rules &rules)
{
    const QString path = filePath(appPath);
    const auto failed = [&](const QString &why) {
        return Failure{QStringLiteral("The options file \"%1\" cannot be written: %2")
                           .arg(QDir::toNativeSeparators(path), why)};
    };
    if (Outcome<void> regular = writableAsRegularFile(path); !regular)
        return failed(regular.error());
    QSettings settings(path, QSettings::IniFormat);
    settings.remove(Group);
    settings.beginGroup(Group);
    settings.beginWriteArray(Limits, int(rules.limits.size()));
    for (int i = 0; i < rules.limits.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue("Ages", rangeText(rules.limits[i].fromAge, rules.limits[i].toAge));
        settings.setValue("Pitches", rules.limits[i].pitches);
    }
    settings.endArray();
    settings.beginWriteArray(Rest, int(rules.rest.size()));
    for (int i = 0; i < rules.rest.size(); ++i) {
        const PitchCounts::RestRule &rule = rules.rest[i];
        settings.setArrayIndex(i);
        settings.setValue("Ages", rangeText(rule.fromAge, rule.toAge));
        settings.setValue("Pitches", rangeText(rule.fromPitches, rule.toPitches));
        settings.setValue("Days", rule.days);
    }
    settings.endArray();
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return failed(QStringLiteral("the folder does not take it (full or read-only)."));
    return {};
}

} // namespace Options
