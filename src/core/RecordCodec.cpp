#include "RecordCodec.h"

#include "Statistics.h"

#include <QStringEncoder>

#include <algorithm>
#include <cmath>
#include <limits>

namespace RecordCodec {

QByteArray singleField(float value)
{
    QByteArray text = Stats::formatSingle(value).toLatin1();
    if (text.startsWith("0."))
        text.remove(0, 1);
    else if (text.startsWith("-0."))
        text.remove(1, 1);
    return text;
}

Outcome<QByteArray> textField(const QString &text, const char *fieldName)
{
    const auto refuse = [&](const QString &what) {
        return Failure{QStringLiteral("%1 holds %2, which a record file cannot store.")
                           .arg(QString::fromLatin1(fieldName), what)};
    };
    if (text.contains(QLatin1Char('"')))
        return refuse(QStringLiteral("a double quote (\")"));
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return refuse(QStringLiteral("a line break"));
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QString character = text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1);
            QStringEncoder single("windows-1252");
            (void)QByteArray(single.encode(character));
            if (single.hasError())
                return refuse(QStringLiteral("the character \"%1\"").arg(character));
        }
        return refuse(QStringLiteral("a character outside Windows-1252"));
    }
    bytes.prepend('"');
    bytes.append('"');
    return bytes;
}

namespace {

QByteArray numberText(const RawField &raw)
{
    QByteArray text = raw.bytes;
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

bool isWholeNumber(const QByteArray &text)
{
    const qsizetype start = text.startsWith('-') ? 1 : 0;
    if (text.size() == start)
        return false;
    for (qsizetype i = start; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

template <typename Int>
Outcome<void> decodeInteger(const RawField &raw, const char *name, Int &out, const char *typeName)
{
    const QByteArray text = numberText(raw);
    if (text.isEmpty()) {
        out = 0;
        return {};
    }
    bool ok = false;
    const qlonglong value = isWholeNumber(text) ? text.toLongLong(&ok) : 0;
    if (!ok || value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        return Failure{QStringLiteral("%1 is \"%2\", which is not %3 from %4 to %5.")
                           .arg(QString::fromLatin1(name), QString::fromLatin1(text),
                                QString::fromLatin1(typeName))
                           .arg(std::numeric_limits<Int>::min())
                           .arg(std::numeric_limits<Int>::max())};
    out = Int(value);
    return {};
}

bool isDecimalNumber(const QByteArray &text)
{
    qsizetype i = text.startsWith('-') ? 1 : 0;
    int digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const qsizetype exponentStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i == exponentStart)
            return false;
    }
    return i == text.size();
}

} // namespace

Outcome<void> decodeField(const RawField &raw, const char *, QString &out, QStringDecoder &decoder)
{
    out = decoder.decode(raw.bytes);
    return {};
}

Outcome<void> decodeField(const RawField &raw, const char *name, qint16 &out, QStringDecoder &)
{
    return decodeInteger(raw, name, out, "a whole number");
}

Outcome<void> decodeField(const RawField &raw, const char *name, qint32 &out, QStringDecoder &)
{
    return decodeInteger(raw, name, out, "a whole number");
}

Outcome<void> decodeField(const RawField &raw, const char *name, float &out, QStringDecoder &)
{
    const QByteArray text = numberText(raw);
    if (text.isEmpty()) {
        out = 0;
        return {};
    }
    bool ok = false;
    const float value = isDecimalNumber(text) ? text.toFloat(&ok) : 0.0f;
    if (!ok || !std::isfinite(value))
        return Failure{QStringLiteral("%1 is \"%2\", which is not a decimal number.")
                           .arg(QString::fromLatin1(name), QString::fromLatin1(text))};
    out = value;
    return {};
}

Reader::Reader(QByteArray data, QString filePath)
    : m_data(std::move(data)), m_path(std::move(filePath)), m_decoder("windows-1252")
{
}

bool Reader::atEnd() const
{
    for (qsizetype i = m_pos; i < m_data.size(); ++i) {
        const char c = m_data[i];
        if (c != '\r' && c != '\n' && c != ' ')
            return false;
    }
    return true;
}

Failure Reader::failure(int lineNumber, const QString &problem) const
{
    return Failure{
        QStringLiteral("Cannot read \"%1\", line %2: %3").arg(m_path).arg(lineNumber).arg(problem)};
}

Outcome<QVector<RawField>> Reader::nextLine(int maxFields, const char *kind)
{
    const int lineNumber = m_line;
    if (m_pos >= m_data.size())
        return failure(lineNumber, QStringLiteral("the file ends before this line."));
    const qsizetype size = m_data.size();
    const auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
    QVector<RawField> fields;
    fields.reserve(maxFields);
    // Fields past the last the record allows are only counted, for the message.
    int count = 0;
    for (;;) {
        while (m_pos < size && m_data[m_pos] == ' ')
            ++m_pos;
        qsizetype start = m_pos;
        qsizetype end;
        if (m_pos < size && m_data[m_pos] == '"') {
            const qsizetype close = m_data.indexOf('"', m_pos + 1);
            if (close < 0)
                return failure(lineNumber, QStringLiteral("a quoted text has no closing quote."));
            start = m_pos + 1;
            end = close;
            m_line += int(std::count(m_data.cbegin() + start, m_data.cbegin() + end, '\n'));
            m_pos = close + 1;
            // Whatever stands between the closing quote and the next separator is not part of the
            // text.
            while (m_pos < size && m_data[m_pos] != ',' && !isLineEnd(m_data[m_pos]))
                ++m_pos;
        } else {
            while (m_pos < size && m_data[m_pos] != ',' && !isLineEnd(m_data[m_pos]))
                ++m_pos;
            end = m_pos;
        }
        if (++count <= maxFields)
            fields.append(RawField{m_data.mid(start, end - start)});
        if (m_pos < size && m_data[m_pos] == ',') {
            ++m_pos;
            continue;
        }
        if (m_pos < size && m_data[m_pos] == '\r')
            ++m_pos;
        if (m_pos < size && m_data[m_pos] == '\n')
            ++m_pos;
        ++m_line;
        if (count > maxFields)
            return failure(lineNumber, QStringLiteral("it has %1 fields where %2 has %3.")
                                           .arg(count)
                                           .arg(QString::fromLatin1(kind))
                                           .arg(maxFields));
        return fields;
    }
}

} // namespace RecordCodec
