#pragma once

// A fixed, reproducible set of record lines, valid and damaged, and what reading each gives: the
// decoded record written again, or the error. The expected outcomes were recorded once from the
// first reader, so a faster reader is held to exactly its rules.

#include "core/RecordCodec.h"
#include "core/Records.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <random>

namespace RecordCases {

struct Case
{
    int kind; // 0 game record, 1 roster entry, 2 team header
    QByteArray line;
};

inline QVector<Case> generate(int count)
{
    std::mt19937 rng(20261210u);
    const auto pick = [&rng](std::uint32_t n) { return std::uint32_t(rng()) % n; };
    static const QByteArray textBytes("abcXYZ 09'.,-\x80\x81\x8D\x9F\xA0\xE9\xFF");
    static const char *const singles[] = {"5.1", ".2",  "-.5",     "0",      "",
                                          "7",   "1e3", "32767.2", "3.4e39", "1e-50",
                                          "12.", "-0",  "  4.2 ",  "x"};
    static const char *const edges[] = {
        "32767",       "32768", "-32768", "-32769", "2147483647",          "2147483648",
        "-2147483649", "00012", "+5",     "5 ",     "99999999999999999999"};
    static const char mutationBytes[] = "\",\r\n -.e059AZ\x81\xE9\x00"; // the last one is a NUL
    static const QByteArray mutations(mutationBytes, sizeof mutationBytes - 1);
    const int fields[] = {24, 2, 6};
    QVector<Case> cases;
    for (int i = 0; i < count; ++i) {
        const int kind = int(pick(3));
        QByteArray line;
        for (int f = 0; f < fields[kind]; ++f) {
            if (f > 0)
                line += ',';
            const bool text =
                (kind == 0 && f >= 20) || (kind == 1 && f == 0) || (kind == 2 && f < 5);
            if (text) {
                line += '"';
                for (std::uint32_t n = pick(9); n > 0; --n)
                    line += textBytes[int(pick(std::uint32_t(textBytes.size())))];
                line += '"';
            } else if (kind == 0 && f == 14) {
                line += singles[pick(sizeof singles / sizeof *singles)];
            } else if (pick(16) == 0) {
                line += edges[pick(sizeof edges / sizeof *edges)];
            } else if (kind == 2 && f == 5) {
                line += QByteArray::number(std::uint32_t(rng()) % 16777216u);
            } else {
                line += QByteArray::number(int(pick(450)) - 50);
            }
        }
        if (pick(5) != 0)
            line += "\r\n";
        for (std::uint32_t m = pick(2) == 0 ? 0 : 1 + pick(3); m > 0; --m) {
            const int at = int(pick(std::uint32_t(line.size() + 1)));
            const char c = mutations[int(pick(std::uint32_t(mutations.size())))];
            switch (pick(3)) {
            case 0: line.insert(at, c); break;
            case 1:
                if (at < line.size())
                    line[at] = c;
                break;
            default:
                if (at < line.size())
                    line.remove(at, 1);
            }
        }
        cases.append({kind, line});
    }
    return cases;
}

// The error without the file's name, which every case shares; a record read as the SHA-1 of it
// written again.
template <class Record>
QByteArray outcomeOf(const QByteArray &line, const char *kind)
{
    RecordCodec::Reader reader(line, QStringLiteral("x.rec"));
    const Outcome<Record> record = reader.read<Record>(kind);
    if (!record)
        return "error " + record.error().toUtf8().replace("Cannot read \"x.rec\", ", "");
    const Outcome<QByteArray> again = RecordCodec::encodeLine(*record);
    if (!again)
        return "unwritable " + again.error().toUtf8();
    return "read " + QCryptographicHash::hash(*again, QCryptographicHash::Sha1).toHex();
}

// One line per case, in order.
inline QByteArray outcomes(const QVector<Case> &cases)
{
    QByteArray all;
    for (const Case &c : cases) {
        switch (c.kind) {
        case 0: all += outcomeOf<GameRecord>(c.line, "a game record"); break;
        case 1: all += outcomeOf<RosterEntry>(c.line, "a roster entry"); break;
        default: all += outcomeOf<TeamHeader>(c.line, "a team header");
        }
        all += '\n';
    }
    return all;
}

} // namespace RecordCases
