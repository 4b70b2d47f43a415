#include "Options.h"

#include "RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include <cstdlib>
#include <functional>
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

namespace {

// Reads one group of the file with `parse`: the defaults without the file or the group, the
// defaults and why when the file or the group is damaged.
template <class Value>
std::pair<Value, QString> readGroup(const QString &appPath, const QString &group,
                                    const Value &defaults, const QString &what,
                                    const std::function<Outcome<Value>(QSettings &)> &parse)
{
    const QString path = filePath(appPath);
    const auto damaged = [&](QString why) {
        if (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        return std::pair(defaults,
                         QStringLiteral("The options file \"%1\" is damaged (%2). The default %3 "
                                        "are used; the file is left as it is until an option is "
                                        "changed.")
                             .arg(QDir::toNativeSeparators(path), why, what));
    };
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return {defaults, QString()};
    if (Outcome<void> regular = writableAsRegularFile(path); !regular)
        return damaged(regular.error());
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return damaged(QStringLiteral("it is not an options file"));
    settings.beginGroup(group);
    if (settings.childGroups().isEmpty() && settings.childKeys().isEmpty())
        return {defaults, QString()};
    Outcome<Value> value = parse(settings);
    if (!value)
        return damaged(value.error());
    return {*value, QString()};
}

// Replaces one group of the file with what `write` sets; the other groups stay as they are.
Outcome<void> writeGroup(const QString &appPath, const QString &group,
                         const std::function<void(QSettings &)> &write)
{
    const QString path = filePath(appPath);
    const auto failed = [&](const QString &why) {
        return Failure{QStringLiteral("The options file \"%1\" cannot be written: %2")
                           .arg(QDir::toNativeSeparators(path), why)};
    };
    if (Outcome<void> regular = writableAsRegularFile(path); !regular)
        return failed(regular.error());
    QSettings settings(path, QSettings::IniFormat);
    settings.remove(group);
    settings.beginGroup(group);
    write(settings);
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return failed(QStringLiteral("the folder does not take it (full or read-only)."));
    return {};
}

const QString CardsGroup = QStringLiteral("Cards");
constexpr int OffsetLimit = 16;

Outcome<CardPrinting> readCardPrinting(QSettings &settings)
{
    CardPrinting printing;
    bool ok = true;
    const QString offset = settings.value("BackOffsetDown", 0).toString().trimmed();
    printing.backOffsetDown = offset.toInt(&ok);
    if (!ok || std::abs(printing.backOffsetDown) > OffsetLimit)
        return Failure{QStringLiteral("BackOffsetDown is no number from -16 to 16")};
    const QString flip = settings.value("ShortEdgeFlip", "false").toString().trimmed();
    if (flip != QLatin1String("true") && flip != QLatin1String("false"))
        return Failure{QStringLiteral("ShortEdgeFlip is neither true nor false")};
    printing.shortEdgeFlip = flip == QLatin1String("true");
    return printing;
}

const QString TipsGroup = QStringLiteral("Tips");

Outcome<bool> readShowAtStartUp(QSettings &settings)
{
    const QString show = settings.value("ShowAtStartUp", "true").toString().trimmed();
    if (show != QLatin1String("true") && show != QLatin1String("false"))
        return Failure{QStringLiteral("ShowAtStartUp is neither true nor false")};
    return show == QLatin1String("true");
}

} // namespace

PitchRules readPitchRules(const QString &appPath)
{
    auto [rules, problem] =
        readGroup<PitchCounts::Rules>(appPath, Group, PitchCounts::defaultRules(),
                                      QStringLiteral("pitch-count rules"), readRules);
    return {rules, problem};
}

Outcome<void> writePitchRules(const QString &appPath, const PitchCounts::Rules &rules)
{
    return writeGroup(appPath, Group, [&rules](QSettings &settings) {
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
    });
}

CardPrintingRead readCardPrinting(const QString &appPath)
{
    auto [printing, problem] = readGroup<CardPrinting>(
        appPath, CardsGroup, CardPrinting{}, QStringLiteral("card print options"),
        [](QSettings &settings) { return readCardPrinting(settings); });
    return {printing, problem};
}

Outcome<void> writeCardPrinting(const QString &appPath, const CardPrinting &printing)
{
    return writeGroup(appPath, CardsGroup, [&printing](QSettings &settings) {
        settings.setValue("BackOffsetDown", printing.backOffsetDown);
        settings.setValue("ShortEdgeFlip", printing.shortEdgeFlip);
    });
}

TipsRead readTips(const QString &appPath)
{
    auto [show, problem] =
        readGroup<bool>(appPath, TipsGroup, true, QStringLiteral("tip options"), readShowAtStartUp);
    return {show, problem};
}

Outcome<void> writeTips(const QString &appPath, bool showAtStartUp)
{
    return writeGroup(appPath, TipsGroup, [showAtStartUp](QSettings &settings) {
        settings.setValue("ShowAtStartUp", showAtStartUp);
    });
}

} // namespace Options
