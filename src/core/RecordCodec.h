#pragma once

// The record line encoding: fields separated by commas, text in double quotes without escapes,
// numbers in plain decimal, CR LF after the last field, Windows-1252 bytes.

#include "Outcome.h"

#include <QByteArray>
#include <QString>
#include <QVarLengthArray>
#include <QVector>

#include <cstring>
#include <limits>
#include <type_traits>

namespace RecordCodec {

// A Single in its shortest round-trip form with "." and without a leading zero: "0", "5.1", ".2".
QByteArray singleField(float value);

// A text as it is stored: quoted Windows-1252 bytes. Fails, naming the field, for a text that the
// encoding cannot hold (a double quote, CR, LF or a character outside Windows-1252).
Outcome<QByteArray> textField(const QString &text, const char *fieldName);
// Why `text` cannot be stored, for a text that textField or writeText refuses.
Failure unstorableText(const QString &text, const char *fieldName);

// Fields written from `to` on, each giving the end of what it wrote: room for a number is
// NumberRoom bytes, for a text its length and its quotes. writeText gives nullptr for a text a
// record file cannot store.
constexpr qsizetype NumberRoom = 64;
char *writeInteger(char *to, qint64 value);
char *writeSingle(char *to, float value);
char *writeText(char *to, const QString &text);

// One record as a whole line, CR LF included, appended to `out`; on failure `out` holds part of
// the line.
template <class Record>
Outcome<void> appendLine(QByteArray &out, const Record &record)
{
    // The whole line's room at once, then written in place: no growth field by field.
    qsizetype room = 2;
    visitFields(record, [&](const char *, const auto &value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
            room += value.size() + 3;
        else
            room += NumberRoom + 1;
    });
    const qsizetype start = out.size();
    out.resize(start + room);
    char *to = out.data() + start;
    const char *refused = nullptr;
    const QString *refusedText = nullptr;
    bool first = true;
    visitFields(record, [&](const char *name, const auto &value) {
        if (refused)
            return;
        if (!first)
            *to++ = ',';
        first = false;
        using Field = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<Field, QString>) {
            if (char *end = writeText(to, value)) {
                to = end;
            } else {
                refused = name;
                refusedText = &value;
            }
        } else if constexpr (std::is_same_v<Field, float>) {
            to = writeSingle(to, value);
        } else {
            to = writeInteger(to, value);
        }
    });
    if (refused) {
        out.truncate(to - out.constData());
        return unstorableText(*refusedText, refused);
    }
    *to++ = '\r';
    *to++ = '\n';
    out.truncate(to - out.constData());
    return {};
}

template <class Record>
Outcome<QByteArray> encodeLine(const Record &record)
{
    QByteArray line;
    if (Outcome<void> appended = appendLine(line, record); !appended)
        return appended.failure();
    return line;
}

// One field as found on a line, before it is converted to its type: a view into the file's bytes.
struct RawField
{
    const char *begin = nullptr;
    qsizetype size = 0;
};

// A whole number, read inline: decimal digits after an optional minus, nothing else, within the
// type's range. False for anything else (empty, blanks, out of range, not a number), which
// decodeField reads or refuses with its message.
template <typename Int>
bool decodePlainInteger(RawField raw, Int &out)
{
    const char *p = raw.begin;
    const char *const end = raw.begin + raw.size;
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    if (p == end)
        return false;
    qint64 value = 0;
    for (; p != end; ++p) {
        const unsigned digit = unsigned(*p - '0');
        // Past the type's range the digits stop counting: leading zeros keep it small.
        if (digit > 9 || value > qint64(std::numeric_limits<Int>::max()) + 1)
            return false;
        value = value * 10 + digit;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        return false;
    out = Int(value);
    return true;
}

// Converts the raw fields to their types; fails with a message naming the field.
Outcome<void> decodeField(RawField raw, const char *name, QString &out);
Outcome<void> decodeField(RawField raw, const char *name, qint16 &out);
Outcome<void> decodeField(RawField raw, const char *name, qint32 &out);
Outcome<void> decodeField(RawField raw, const char *name, float &out);

template <class Record>
int fieldCount()
{
    static const int count = [] {
        int fields = 0;
        Record record;
        visitFields(record, [&](const char *, auto &) { ++fields; });
        return fields;
    }();
    return count;
}

// The place of the field `name` in its record, -1 when the record has none.
template <class Record>
int fieldIndex(const char *name)
{
    int index = 0, found = -1;
    Record record;
    visitFields(record, [&](const char *fieldName, auto &) {
        if (std::strcmp(fieldName, name) == 0)
            found = index;
        ++index;
    });
    return found;
}

// More than any record has: a line's fields are kept on the stack.
constexpr int MaxFields = 32;
using Fields = QVarLengthArray<RawField, MaxFields>;

// Reads the records of one file line by line. Errors name the file and the line.
class Reader
{
public:
    Reader(QByteArray data, QString filePath);

    // True when nothing but blank lines is left.
    bool atEnd() const;

    // From now on the text fields of a `Record` other than `name` are checked but left empty: for a
    // reader that needs only the figures, a line costs no text it would throw away.
    template <class Record>
    void keepOnlyText(const char *name)
    {
        m_keptText = fieldIndex<Record>(name);
    }

    // The next line as a record of the given type; `kind` names it in errors ("a game record").
    template <class Record>
    Outcome<Record> read(const char *kind)
    {
        Record record;
        if (Outcome<void> done = readInto(record, kind); !done)
            return done.failure();
        return record;
    }

    // The same into a record the caller holds (a default one), sparing a copy per line.
    template <class Record>
    Outcome<void> readInto(Record &record, const char *kind)
    {
        const int lineNumber = m_line;
        const int expected = fieldCount<Record>();
        Fields fields;
        if (Outcome<void> line = nextLine(fields, expected, kind); !line)
            return line;
        if (fields.size() != expected)
            return failure(lineNumber, QStringLiteral("it has %1 fields where %2 has %3.")
                                           .arg(fields.size())
                                           .arg(QString::fromLatin1(kind))
                                           .arg(expected));
        int index = 0;
        QString error;
        visitFields(record, [&](const char *name, auto &value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>) {
                if (m_keptText >= 0 && index != m_keptText) {
                    ++index;
                    return;
                }
                // A text the line before held in the same field is shared, not decoded again.
                if (sameAsLastText(index, fields[index], value)) {
                    ++index;
                    return;
                }
            }
            if constexpr (std::is_integral_v<std::decay_t<decltype(value)>>) {
                if (decodePlainInteger(fields[index], value)) {
                    ++index;
                    return;
                }
            }
            if (error.isEmpty()) {
                Outcome<void> decoded = decodeField(fields[index], name, value);
                if (!decoded)
                    error = decoded.error();
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
                    rememberText(index, fields[index], value);
            }
            ++index;
        });
        if (!error.isEmpty())
            return failure(lineNumber, error);
        return {};
    }

    int lineNumber() const { return m_line; }
    Failure failure(int lineNumber, const QString &problem) const;

private:
    // The fields of the next line into `fields`; a line with more than `maxFields` is refused, and
    // only counted past them, so a damaged file cannot fill the memory with fields.
    Outcome<void> nextLine(Fields &fields, int maxFields, const char *kind);
    bool sameAsLastText(int index, RawField raw, QString &out) const;
    void rememberText(int index, RawField raw, const QString &text);

    QByteArray m_data;
    QString m_path;
    int m_keptText = -1; // the one text field decoded; -1: all of them
    // Each field's last text, by its bytes: decisions and opponents repeat from game to game.
    RawField m_lastRaw[MaxFields];
    QString m_lastText[MaxFields];
    qsizetype m_pos = 0;
    int m_line = 1;
};

} // namespace RecordCodec
