#include "RosterImport.h"

#include "core/CodeTables.h"
#include "core/KeyRules.h"
#include "core/NameCheck.h"
#include "core/RecordCodec.h"
#include "core/Windows1252.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <optional>

namespace RosterImport {

QString decode(const QByteArray &file)
{
    QByteArray bytes = file;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return Windows1252::decode(bytes.constData(), bytes.size());
}

namespace {

QChar separatorOf(const QString &text)
{
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
        else if (!quoted && c == QLatin1Char('\t'))
            ++tabs;
    }
    if (tabs > commas && tabs > semicolons)
        return QLatin1Char('\t');
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

} // namespace

QVector<Record> records(const QString &text)
{
    const QChar separator = separatorOf(text);
    QVector<Record> all;
    Record record{1, {}};
    QString field;
    bool quoted = false;
    int line = 1;
    const auto endRecord = [&] {
        record.fields.append(field);
        field.clear();
        // A row of empty cells, as spreadsheets leave at the end, is no record.
        if (std::any_of(record.fields.cbegin(), record.fields.cend(),
                        [](const QString &f) { return !f.trimmed().isEmpty(); }))
            all.append(record);
        record = Record{line, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        // A quote opens a quoted field only at its start; inside a plain field it is a quote.
        if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
        } else if (c == separator) {
            record.fields.append(field);
            field.clear();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            ++line;
            endRecord();
        } else {
            field += c;
        }
    }
    endRecord();
    return all;
}

namespace {

enum class Column
{
    Name,
    First,
    Last,
    Number,
    Position1,
    Position2,
    Bats,
    Throws,
    Age,
    Birthdate,
    Town,
    State
};

std::optional<Column> columnOf(const QString &heading)
{
    if (heading.trimmed() == QLatin1String("#"))
        return Column::Number;
    QString key;
    for (const QChar c : heading)
        if (c.isLetterOrNumber())
            key += c.toLower();
    static const QHash<QString, Column> known = {{"name", Column::Name},
                                                 {"player", Column::Name},
                                                 {"playername", Column::Name},
                                                 {"first", Column::First},
                                                 {"firstname", Column::First},
                                                 {"last", Column::Last},
                                                 {"lastname", Column::Last},
                                                 {"surname", Column::Last},
                                                 {"number", Column::Number},
                                                 {"no", Column::Number},
                                                 {"jersey", Column::Number},
                                                 {"position", Column::Position1},
                                                 {"pos", Column::Position1},
                                                 {"pos1", Column::Position1},
                                                 {"position1", Column::Position1},
                                                 {"position2", Column::Position2},
                                                 {"pos2", Column::Position2},
                                                 {"bats", Column::Bats},
                                                 {"throws", Column::Throws},
                                                 {"age", Column::Age},
                                                 {"birthdate", Column::Birthdate},
                                                 {"dob", Column::Birthdate},
                                                 {"dateofbirth", Column::Birthdate},
                                                 {"town", Column::Town},
                                                 {"city", Column::Town},
                                                 {"hometown", Column::Town},
                                                 {"state", Column::State},
                                                 {"province", Column::State}};
    const auto found = known.constFind(key);
    return found == known.cend() ? std::nullopt : std::optional(*found);
}

// A position as a code, a short or a long name; -1 for none.
std::optional<qint16> positionOf(const QString &text)
{
    if (text.isEmpty())
        return qint16(-1);
    for (int code = 1; code <= 10; ++code)
        if (text.compare(Codes::positionShortName(code), Qt::CaseInsensitive) == 0 ||
            text.compare(Codes::positionLongName(code), Qt::CaseInsensitive) == 0 ||
            text.compare(Codes::positionChoices().at(code), Qt::CaseInsensitive) == 0)
            return qint16(code);
    return std::nullopt;
}

std::optional<qint16> sideOf(const QString &text, bool both)
{
    const QString side = text.toLower();
    if (side.isEmpty())
        return qint16(-1);
    if (side == QLatin1String("l") || side == QLatin1String("left"))
        return qint16(1);
    if (side == QLatin1String("r") || side == QLatin1String("right"))
        return qint16(2);
    if (both && (side == QLatin1String("b") || side == QLatin1String("s") ||
                 side == QLatin1String("both") || side == QLatin1String("switch")))
        return qint16(3);
    return std::nullopt;
}

std::optional<qint16> ageOn(const QString &birthdate, const QDate &today)
{
    QDate born = QDate::fromString(birthdate, QStringLiteral("MM/dd/yyyy"));
    if (!born.isValid())
        born = QDate::fromString(birthdate, QStringLiteral("M/d/yyyy"));
    if (!born.isValid())
        born = QDate::fromString(birthdate, Qt::ISODate);
    if (!born.isValid() || born > today)
        return std::nullopt;
    int age = today.year() - born.year();
    if (today.month() < born.month() || (today.month() == born.month() && today.day() < born.day()))
        --age;
    return qint16(age);
}

// Why a row's values cannot make a player, or nothing; `profile` is filled as far as it can be.
std::optional<QString> fill(PlayerProfile &profile, const QHash<Column, QString> &values,
                            const QDate &today)
{
    const auto value = [&](Column column) { return values.value(column).trimmed(); };
    QString name = value(Column::Name);
    if (name.isEmpty())
        name =
            QStringList{value(Column::First), value(Column::Last)}.join(QLatin1Char(' ')).trimmed();
    profile.PlayerName = name;
    profile.HomeTown = value(Column::Town);
    profile.HomeState = value(Column::State);
    if (name.isEmpty())
        return QStringLiteral("no name");
    if (const auto problem = nameProblem(name))
        return *problem;
    const std::optional<qint16> jersey = Keys::parseNumberBox(value(Column::Number));
    if (!jersey)
        return QStringLiteral("the number must be a whole number from 0 to 32767");
    profile.Jersey = *jersey;
    for (const auto &[column, field] : {std::pair{Column::Position1, &PlayerProfile::Position1},
                                        std::pair{Column::Position2, &PlayerProfile::Position2}}) {
        const std::optional<qint16> position = positionOf(value(column));
        if (!position)
            return QStringLiteral("unknown position \"%1\"").arg(value(column));
        profile.*field = *position;
    }
    const std::optional<qint16> bats = sideOf(value(Column::Bats), true);
    if (!bats)
        return QStringLiteral("bats \"%1\" is not L, R or B").arg(value(Column::Bats));
    profile.Bats = *bats;
    const std::optional<qint16> throws = sideOf(value(Column::Throws), false);
    if (!throws)
        return QStringLiteral("throws \"%1\" is not L or R").arg(value(Column::Throws));
    profile.Throws = *throws;
    if (!value(Column::Age).isEmpty() || value(Column::Birthdate).isEmpty()) {
        const std::optional<qint16> age = Keys::parseNumberBox(value(Column::Age));
        if (!age)
            return QStringLiteral("the age must be a whole number from 0 to 32767");
        profile.Age = *age;
    } else {
        const std::optional<qint16> age = ageOn(value(Column::Birthdate), today);
        if (!age)
            return QStringLiteral("the birthdate \"%1\" is no date as MM/DD/YYYY or YYYY-MM-DD")
                .arg(value(Column::Birthdate));
        profile.Age = *age;
    }
    for (const auto &[text, field] :
         {std::pair{profile.PlayerName, "the name"}, std::pair{profile.HomeTown, "the home town"},
          std::pair{profile.HomeState, "the home state"}})
        if (Outcome<QByteArray> stored = RecordCodec::textField(text, field); !stored)
            return stored.error();
    return std::nullopt;
}

} // namespace

Outcome<Preview> preview(const QByteArray &file, const QString &team, const Roster &roster,
                         const QDate &today)
{
    const QVector<Record> all = records(decode(file));
    if (all.isEmpty())
        return Failure{QStringLiteral("The file is empty: it needs a heading row (such as "
                                      "\"Name,Number,Position\") and a row per player.")};
    Preview preview;
    QVector<std::optional<Column>> columns;
    bool named = false;
    for (const QString &heading : all.first().fields) {
        columns.append(columnOf(heading));
        if (!columns.last())
            preview.ignored.append(heading.trimmed());
        named = named || columns.last() == Column::Name || columns.last() == Column::First ||
                columns.last() == Column::Last;
    }
    if (!named)
        return Failure{QStringLiteral("The first row of the file names no column of the players' "
                                      "names (Name, Player, or First and Last), so it is no "
                                      "heading row Scorebinder can read.")};
    QSet<QString> names;
    for (const RosterEntry &entry : roster)
        if (!entry.RosterPlayer.isEmpty())
            names.insert(entry.RosterPlayer);
    int places = RosterSlots - rosterCount(roster);
    for (qsizetype r = 1; r < all.size(); ++r) {
        QHash<Column, QString> values;
        for (qsizetype c = 0; c < columns.size() && c < all[r].fields.size(); ++c)
            if (columns[c])
                values.insert(*columns[c], all[r].fields[c]);
        Row row{all[r].line, PlayerProfile{}, QString()};
        row.profile.TeamName = team;
        if (const std::optional<QString> problem = fill(row.profile, values, today))
            row.problem = *problem;
        else if (names.contains(row.profile.PlayerName))
            row.problem = QStringLiteral("already on the roster, or twice in the file");
        else if (places == 0)
            row.problem = QStringLiteral("the roster is full: a team holds at most %1 players")
                              .arg(RosterSlots);
        if (row.problem.isEmpty()) {
            names.insert(row.profile.PlayerName);
            --places;
        }
        preview.rows.append(row);
    }
    return preview;
}

} // namespace RosterImport
