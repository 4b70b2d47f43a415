#include "RecordCodec.h"

#include "Statistics.h"
#include "Windows1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace RecordCodec {

char *writeSingle(char *to, float value)
{
    if (value == 0.0f) {
        *to = '0';
        return to + 1;
    }
    // Fixed notation without a precision is the shortest form that reads back as the same float.
    char digits[NumberRoom];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    const char *begin = digits;
    if (result.ptr - digits >= 2 && digits[0] == '0' && digits[1] == '.') {
        begin = digits + 1; // ".2"
    } else if (result.ptr - digits >= 3 && digits[0] == '-' && digits[1] == '0' &&
               digits[2] == '.') {
        digits[1] = '-'; // "-.5"
        begin = digits + 1;
    }
    const std::size_t size = std::size_t(result.ptr - begin);
    std::memcpy(to, begin, size);
    return to + size;
}

char *writeInteger(char *to, qint64 value)
{
    return std::to_chars(to, to + NumberRoom, value).ptr;
}

char *writeText(char *to, const QString &text)
{
    *to++ = '"';
    char *const begin = to;
    to = Windows1252::encodeTo(to, text);
    if (!to)
        return nullptr;
    // The format has no escape: a quote or a line break inside would end the text or the line.
    for (const char *c = begin; c != to; ++c)
        if (*c == '"' || *c == '\r' || *c == '\n')
            return nullptr;
    *to++ = '"';
    return to;
}

QByteArray singleField(float value)
{
    char digits[NumberRoom];
    return QByteArray(digits, writeSingle(digits, value) - digits);
}

Failure unstorableText(const QString &text, const char *fieldName)
{
    const auto refuse = [&](const QString &what) {
        return Failure{QStringLiteral("%1 holds %2, which a record file cannot store.")
                           .arg(QString::fromLatin1(fieldName), what)};
    };
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            return refuse(QStringLiteral("a double quote (\")"));
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return refuse(QStringLiteral("a line break"));
    }
    const qsizetype at = Windows1252::encode(text).refusedAt.value_or(0);
    const bool pair =
        text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
    return refuse(QStringLiteral("the character \"%1\"").arg(text.mid(at, pair ? 2 : 1)));
}

Outcome<QByteArray> textField(const QString &text, const char *fieldName)
{
    QByteArray bytes(text.size() + 2, Qt::Uninitialized);
    char *const end = writeText(bytes.data(), text);
    if (!end)
        return unstorableText(text, fieldName);
    bytes.truncate(end - bytes.constData());
    return bytes;
}

namespace {

// A number's text: leading blanks were passed over with the separator, trailing ones go here.
QByteArray numberText(RawField raw)
{
    qsizetype size = raw.size;
    while (size > 0 && raw.begin[size - 1] == ' ')
        --size;
    return QByteArray::fromRawData(raw.begin, size);
}

template <typename Int>
Failure notAWholeNumber(const char *name, const QByteArray &text)
{
    return Failure{QStringLiteral("%1 is \"%2\", which is not a whole number from %3 to %4.")
                       .arg(QString::fromLatin1(name), QString::fromLatin1(text))
                       .arg(std::numeric_limits<Int>::min())
                       .arg(std::numeric_limits<Int>::max())};
}

// Blanks after the number are passed over; empty reads 0.
template <typename Int>
Outcome<void> decodeInteger(RawField raw, const char *name, Int &out)
{
    const QByteArray text = numberText(raw);
    if (text.isEmpty()) {
        out = 0;
        return {};
    }
    if (!decodePlainInteger(RawField{text.constData(), text.size()}, out))
        return notAWholeNumber<Int>(name, text);
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

// The nearest double, then the nearest float; a value beyond the float's range, or one that only
// rounds to zero, is no number a record holds.
std::optional<float> singleValue(const QByteArray &text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.cbegin(), text.cend(), value);
    if (error != std::errc() || end != text.cend() || !std::isfinite(value))
        return std::nullopt;
    if (std::fabs(value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    if (value != 0 && float(value) == 0)
        return std::nullopt;
    return float(value);
}

} // namespace

Outcome<void> decodeField(RawField raw, const char *, QString &out)
{
    out = Windows1252::decode(raw.begin, raw.size);
    return {};
}

Outcome<void> decodeField(RawField raw, const char *name, qint16 &out)
{
    return decodeInteger(raw, name, out);
}

Outcome<void> decodeField(RawField raw, const char *name, qint32 &out)
{
    return decodeInteger(raw, name, out);
}

Outcome<void> decodeField(RawField raw, const char *name, float &out)
{
    const QByteArray text = numberText(raw);
    if (text.isEmpty()) {
        out = 0;
        return {};
    }
    const std::optional<float> value =
        isDecimalNumber(text) ? singleValue(text) : std::optional<float>();
    if (!value)
        return Failure{QStringLiteral("%1 is \"%2\", which is not a decimal number.")
                           .arg(QString::fromLatin1(name), QString::fromLatin1(text))};
    out = *value;
    return {};
}

Reader::Reader(QByteArray data, QString filePath)
    : m_data(std::move(data)), m_path(std::move(filePath))
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

bool Reader::sameAsLastText(int index, RawField raw, QString &out) const
{
    const RawField &last = m_lastRaw[index];
    if (!last.begin || last.size != raw.size || std::memcmp(last.begin, raw.begin, raw.size) != 0)
        return false;
    out = m_lastText[index];
    return true;
}

void Reader::rememberText(int index, RawField raw, const QString &text)
{
    m_lastRaw[index] = raw;
    m_lastText[index] = text;
}

Failure Reader::failure(int lineNumber, const QString &problem) const
{
    return Failure{
        QStringLiteral("Cannot read \"%1\", line %2: %3").arg(m_path).arg(lineNumber).arg(problem)};
}

Outcome<void> Reader::nextLine(Fields &fields, int maxFields, const char *kind)
{
    const int lineNumber = m_line;
    if (m_pos >= m_data.size())
        return failure(lineNumber, QStringLiteral("the file ends before this line."));
    const char *const data = m_data.constData();
    const char *const end = data + m_data.size();
    // The bytes that end an unquoted field: a separator or a line end.
    static constexpr auto EndsField = [] {
        std::array<bool, 256> ends{};
        ends[','] = ends['\r'] = ends['\n'] = true;
        return ends;
    }();
    const auto endsField = [](char c) { return EndsField[static_cast<unsigned char>(c)]; };
    // Scanned through a local pointer: the member would be stored back at every byte.
    const char *p = data + m_pos;
    int lines = 0;
    // Fields past the last the record allows are only counted, for the message.
    int count = 0;
    for (;;) {
        while (p < end && *p == ' ')
            ++p;
        const char *start = p;
        const char *stop;
        if (p < end && *p == '"') {
            // Texts are short: one plain scan finds the closing quote and counts the line breaks
            // inside, where two library searches would cost more in their calls.
            start = p + 1;
            const char *close = start;
            while (close < end && *close != '"')
                lines += *close++ == '\n';
            if (close == end)
                return failure(lineNumber, QStringLiteral("a quoted text has no closing quote."));
            stop = close;
            p = close + 1;
            // Whatever stands between the closing quote and the next separator is not part of the
            // text.
            while (p < end && !endsField(*p))
                ++p;
        } else {
            while (p < end && !endsField(*p))
                ++p;
            stop = p;
        }
        if (++count <= maxFields)
            fields.append(RawField{start, stop - start});
        if (p < end && *p == ',') {
            ++p;
            continue;
        }
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;
        m_pos = p - data;
        m_line += lines + 1;
        if (count > maxFields)
            return failure(lineNumber, QStringLiteral("it has %1 fields where %2 has %3.")
                                           .arg(count)
                                           .arg(QString::fromLatin1(kind))
                                           .arg(maxFields));
        return {};
    }
}

} // namespace RecordCodec
