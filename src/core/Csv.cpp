#include "Csv.h"

namespace {

bool needsQuotes(const QString &field)
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

void appendField(QString &text, const QString &field)
{
    if (!needsQuotes(field)) {
        text += field;
        return;
    }
    text += QLatin1Char('"');
    for (const QChar c : field) {
        if (c == QLatin1Char('"'))
            text += QLatin1Char('"');
        text += c;
    }
    text += QLatin1Char('"');
}

} // namespace

QByteArray csvFile(const QVector<QStringList> &rows)
{
    // The whole file as one text, encoded once.
    QString text;
    text.reserve(rows.size() * 96);
    text += QChar(0xFEFF);
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += QLatin1Char(',');
            appendField(text, row[i]);
        }
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}
