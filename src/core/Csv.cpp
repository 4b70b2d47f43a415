#include "Csv.h"

#include <algorithm>

namespace {

QString csvField(const QString &field)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    if (std::none_of(field.cbegin(), field.cend(), [](QChar c) { return needsQuotes.contains(c); }))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray csvFile(const QVector<QStringList> &rows)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QStringList &row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString &field : row)
            fields.append(csvField(field));
        bytes += fields.join(QLatin1Char(',')).toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}
