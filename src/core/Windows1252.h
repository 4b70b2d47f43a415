#pragma once

// Windows-1252, the encoding of every record file, by table: each byte stands for one UTF-16
// character (the five bytes the code page leaves undefined for the C1 controls of the same
// value), and a character is written only as the one byte that reads back as it.

#include <QByteArray>
#include <QString>

#include <optional>

namespace Windows1252 {

QString decode(const char *bytes, qsizetype size);

// Writes the bytes of `text` from `to` on, one a character, and gives the end of them; nullptr when
// a character has no byte.
char *encodeTo(char *to, const QString &text);

// The bytes of `text`; or, with no bytes, the index of the first character that has none (a
// surrogate pair at its first half).
struct Encoded
{
    QByteArray bytes;
    std::optional<qsizetype> refusedAt;
};
Encoded encode(const QString &text);

} // namespace Windows1252
