#include "KeyRules.h"

namespace Keys {

bool isLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
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

} // namespace Keys
