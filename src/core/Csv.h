#pragma once

// Comma-separated values as spreadsheets open them without asking: UTF-8 with a byte order mark,
// CR LF after every row, and a field in double quotes (its quotes doubled) where it holds a comma,
// a quote or a line end.

#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <cstring>

// A file written field by field, each encoded straight into the file's bytes.
class CsvWriter
{
public:
    CsvWriter();
    void field(QStringView text);
    void field(qint64 number);
    // Letters that need no quotes, such as a number's text made elsewhere.
    void plainField(QLatin1StringView ascii);
    void endRow();
    QByteArray bytes() const { return m_bytes.left(m_size); }

private:
    // Room for `length` more bytes at the end of what is written. Inline: a full team's games
    // are some 140000 fields.
    char *room(qsizetype length)
    {
        if (m_size + length > m_capacity) {
            m_bytes.resize(std::max(2 * m_capacity, m_size + length));
            m_capacity = m_bytes.size();
            m_data = m_bytes.data();
        }
        return m_data + m_size;
    }
    void put(const char *bytes, qsizetype length)
    {
        std::memcpy(room(length), bytes, size_t(length));
        m_size += length;
    }
    void separate();
    void append(QStringView text);

    QByteArray m_bytes; // written up to m_size; the rest is room
    char *m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
    QStringEncoder m_utf8{QStringEncoder::Utf8};
    bool m_rowStarted = false;
};

QByteArray csvFile(const QVector<QStringList> &rows);
