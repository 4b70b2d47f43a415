#pragma once

// The group saves that the kill test interrupts: the picture editor's Submit, Card Options'
// Submit, Add Player and the export, each on the summary fixture's Team1. Round `round` gives
// each of its files other bytes than the round before.

#include <QString>
#include <QStringList>

namespace KillWriters {

QStringList names();
// The files the writer's group changes, relative to the program's folder.
QStringList groupFiles(const QString &writer);
// Runs the writer; its message on failure, else empty.
QString run(const QString &appPath, const QString &writer, int round);
// What a round needs before it starts, outside the group (not interrupted).
void prepare(const QString &appPath, const QString &writer, int round);

} // namespace KillWriters
