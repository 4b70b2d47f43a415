#include "Windows1252.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace Windows1252 {

namespace {

struct Tables
{
    std::array<char16_t, 256> toUnicode{};
    std::array<qint16, 65536> toByte{}; // -1 where no byte reads back as the character

    Tables()
    {
        // Taken once from the platform's own converter, so the files read as they always did.
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        QStringDecoder decoder("windows-1252");
        const QString characters = decoder.decode(all);
        toByte.fill(-1);
        for (int b = 0; b < 256; ++b) {
            toUnicode[std::size_t(b)] =
                characters.size() == 256 ? characters[b].unicode() : char16_t(b);
            toByte[toUnicode[std::size_t(b)]] = qint16(b);
        }
    }
};

const Tables &tables()
{
    static const Tables instance;
    return instance;
}

} // namespace

QString decode(const char *bytes, qsizetype size)
{
    if (size == 0)
        return QString();
    const Tables &t = tables();
    QString text(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < size; ++i)
        out[i] = t.toUnicode[static_cast<unsigned char>(bytes[i])];
    return text;
}

char *encodeTo(char *to, const QString &text)
{
    const Tables &t = tables();
    for (const QChar c : text) {
        const qint16 byte = t.toByte[c.unicode()];
        if (byte < 0)
            return nullptr;
        *to++ = char(byte);
    }
    return to;
}

Encoded encode(const QString &text)
{
    Encoded result;
    result.bytes.resize(text.size());
    if (encodeTo(result.bytes.data(), text))
        return result;
    result.bytes.clear();
    // No byte reads as half of a surrogate pair: such a character lies outside the page.
    const Tables &t = tables();
    result.refusedAt = std::find_if(text.cbegin(), text.cend(),
                                    [&](QChar c) { return t.toByte[c.unicode()] < 0; }) -
                       text.cbegin();
    return result;
}

} // namespace Windows1252
