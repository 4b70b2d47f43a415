#include "Csv.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

bool needsQuotes(QStringView field)
{
    for (const QChar c : field)
        switch (c.unicode()) {
        case ',':
        case '"':
        case '\r':
        case '\n': return true;
        default: break;
        }
    return false;
}

} // namespace

CsvWriter::CsvWriter()
{
    room(256 * 1024);
    put("\xEF\xBB\xBF", 3);
}

void CsvWriter::separate()
{
    if (m_rowStarted)
        put(",", 1);
    m_rowStarted = true;
}

void CsvWriter::append(QStringView text)
{
    char *start = room(m_utf8.requiredSpace(text.size()));
    m_size += m_utf8.appendToBuffer(start, text) - start;
}

void CsvWriter::field(QStringView text)
{
    separate();
    if (!needsQuotes(text)) {
        append(text);
        return;
    }
    // In quotes, each quote doubled: the text up to and with a quote, then the quote again.
    put("\"", 1);
    for (qsizetype from = 0;;) {
        const qsizetype quote = text.indexOf(QLatin1Char('"'), from);
        if (quote < 0) {
            append(text.mid(from));
            break;
        }
        append(text.mid(from, quote + 1 - from));
        put("\"", 1);
        from = quote + 1;
    }
    put("\"", 1);
}

void CsvWriter::field(qint64 number)
{
    // A number needs no quotes and no text of its own.
    separate();
    char *start = room(24);
    m_size += std::to_chars(start, start + 24, number).ptr - start;
}

void CsvWriter::plainField(QLatin1StringView ascii)
{
    separate();
    put(ascii.data(), ascii.size());
}

void CsvWriter::endRow()
{
    put("\r\n", 2);
    m_rowStarted = false;
}

QByteArray csvFile(const QVector<QStringList> &rows)
{
    CsvWriter csv;
    for (const QStringList &row : rows) {
        for (const QString &field : row)
            csv.field(field);
        csv.endRow();
    }
    return csv.bytes();
}
