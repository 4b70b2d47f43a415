#include "KeyRules.h"

namespace Keys {

bool isLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool isNameKey(QChar c)
{
    return isHomeStateKey(c) || c == QLatin1Char('-');
}

bool isHomeStateKey(QChar c)
{
    return isLetter(c) || c == QLatin1Char('\'') || c == QLatin1Char(' ');
}

bool isDigitKey(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

std::optional<qint16> parseNumberBox(const QString &text)
{
    if (text.isEmpty())
        return qint16(0);
    for (const QChar c : text)
        if (!isDigitKey(c))
            return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value > 32767)
        return std::nullopt;
    return qint16(value);
}

} // namespace Keys
