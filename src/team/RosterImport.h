#pragma once

// A roster from a spreadsheet's CSV file, apart from the widgets: the file's text as a spreadsheet
// saves it, its rows by their headings, and for each row the player it gives or why it cannot be
// taken, by the same rules as the player form.

#include "core/Outcome.h"
#include "core/Records.h"
#include "core/Roster.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace RosterImport {

// UTF-8 with or without its byte order mark; a file that is not valid UTF-8 is Windows-1252.
QString decode(const QByteArray &file);

// The records of a CSV text, each with the line it starts on: the separator (comma, semicolon or
// tab) is the one the heading row has most of; quotes as RFC 4180 has them.
struct Record
{
    int line;
    QStringList fields;
};
QVector<Record> records(const QString &text);

struct Row
{
    int line;
    PlayerProfile profile;
    QString problem; // empty: ready
};
struct Preview
{
    QVector<Row> rows;
    QStringList ignored; // headings of columns not taken
};

// The file's rows as players of `team`, after the players `roster` holds. Fails when the file has
// no heading row naming the player.
Outcome<Preview> preview(const QByteArray &file, const QString &team, const Roster &roster,
                         const QDate &today);

} // namespace RosterImport
