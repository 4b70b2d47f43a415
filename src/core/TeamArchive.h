#pragma once

// A team folder as one archive file (tar.gz): its team file and its players' files under the
// team's folder name. Reading one checks every entry before anything is kept: one folder only, the
// files a team folder holds and nothing else (no link, device or oversized entry), the team file
// named for the folder, every record file readable.

#include "Outcome.h"
#include "Records.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>

namespace TeamArchive {

// The largest file an archive may hold for a team (a photo at print resolution is far smaller).
constexpr qint64 MaxEntryBytes = 32 * 1024 * 1024;

// "<team> <yyyy-mm-dd>.tar.gz".
QString backupFileName(const QString &team, const QDate &day);

// Writes the team's record files and photos into `archivePath`, replacing it whole or not at all.
Outcome<void> writeBackup(const QString &appPath, const QString &team, const QString &archivePath);

struct Backup
{
    TeamFile teamFile;               // its name is the folder's
    QMap<QString, QByteArray> files; // by file name in the folder
    int players = 0;                 // on the roster
    int games = 0;                   // the team's: the most any player has
};

Outcome<Backup> readBackup(const QString &archivePath);

// Whether a file of a team folder is one a backup holds (the team file, a player's files).
bool isTeamFile(const QString &team, const QString &fileName);

} // namespace TeamArchive
