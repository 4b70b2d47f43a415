#include "SingleText.h"

#include <charconv>

namespace Stats {

QString formatSingle(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0");
    char buffer[64];
    // Fixed notation without a precision is the shortest form that reads back as the same float.
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

} // namespace Stats
