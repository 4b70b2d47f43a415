// Fuzz target for the record readers. The input is the whole content of one record file, read as
// each kind of file the program opens, the way RecordFiles reads them. Every record that decodes
// must also survive being written and read again unchanged: the program saves what it read, and a
// record that changed on the way would silently alter the user's data.

#include "core/RecordCodec.h"
#include "core/Records.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <type_traits>

namespace {

const QString FilePath = QStringLiteral("fuzz-input");

// Every field as name=value, to show which one changed.
template <class Record>
QStringList describe(const Record &record)
{
    QStringList fields;
    visitFields(record, [&](const char *name, const auto &value) {
        using Field = std::decay_t<decltype(value)>;
        QString text;
        if constexpr (std::is_same_v<Field, QString>)
            text = QLatin1Char('"') + value + QLatin1Char('"');
        else if constexpr (std::is_same_v<Field, float>)
            text = QString::number(value, 'g', 9);
        else
            text = QString::number(value);
        fields << QString::fromLatin1(name) + QLatin1Char('=') + text;
    });
    return fields;
}

// Printable ASCII as it is, every other byte as \xNN.
QByteArray visible(const QByteArray &bytes)
{
    QByteArray text;
    for (const char c : bytes) {
        if (c >= ' ' && c <= '~' && c != '\\')
            text += c;
        else
            text += "\\x" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
    }
    return text;
}

template <class Record>
[[noreturn]] void reportChanged(const char *kind, const Record &before, const QByteArray &line,
                                const QString &problem, const Record *after)
{
    std::fprintf(stderr, "%s does not read back as written: %s\n", kind, qPrintable(problem));
    std::fprintf(stderr, "written line: %s\n", visible(line).constData());
    const QStringList was = describe(before);
    const QStringList now = after ? describe(*after) : QStringList();
    for (int i = 0; i < was.size(); ++i)
        if (i >= now.size() || was[i] != now[i])
            std::fprintf(stderr, "  read %s, then %s\n", qPrintable(was[i]),
                         i < now.size() ? qPrintable(now[i]) : "nothing");
    std::abort();
}

template <class Record>
void checkReadsBack(const Record &record, const char *kind)
{
    const Outcome<QByteArray> line = RecordCodec::encodeLine(record);
    // A text that a record file cannot store (a quote in an unquoted text, a line break inside
    // quotes) is refused on save, never changed: nothing to compare.
    if (!line)
        return;
    RecordCodec::Reader reader(*line, FilePath);
    const Outcome<Record> again = reader.read<Record>(kind);
    if (!again)
        reportChanged(kind, record, *line, again.error(), static_cast<const Record *>(nullptr));
    if (!reader.atEnd())
        reportChanged(kind, record, *line, QStringLiteral("bytes left after the line"), &*again);
    if (!(*again == record))
        reportChanged(kind, record, *line, QStringLiteral("a field changed"), &*again);
}

template <class Record>
bool readRecord(RecordCodec::Reader &reader, const char *kind)
{
    const Outcome<Record> record = reader.read<Record>(kind);
    if (!record)
        return false;
    checkReadsBack(*record, kind);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // No copy: the reader works on the fuzzer's own buffer, so a read past its end is caught.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    {
        RecordCodec::Reader reader(bytes, FilePath);
        readRecord<Settings>(reader, "the settings record");
    }
    {
        RecordCodec::Reader reader(bytes, FilePath);
        if (readRecord<TeamHeader>(reader, "a team header"))
            for (int slot = 0; slot < RosterSlots; ++slot)
                if (!readRecord<RosterEntry>(reader, "a roster entry"))
                    break;
    }
    {
        RecordCodec::Reader reader(bytes, FilePath);
        readRecord<PlayerProfile>(reader, "a player record");
    }
    {
        RecordCodec::Reader reader(bytes, FilePath);
        for (int count = 0; count < MaxStatsRecords && !reader.atEnd(); ++count)
            if (!readRecord<GameRecord>(reader, "a game record"))
                break;
    }
    return 0;
}
