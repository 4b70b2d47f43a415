#pragma once

// Small helpers for tests that work on real files in a temporary folder.

#include <QByteArray>
#include <QMap>
#include <QString>

#include <sys/resource.h>

// A stats file holding only the placeholder record 0, as a new player gets it.
inline const QByteArray NewStatsFile =
    "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"\",\"\",\"\",\"\"\r\n";
// The team file of a team just created: its header and 27 empty roster lines.
QByteArray newTeamFile(const QByteArray &team);

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

// Copies the fixture folder tests/fixtures/<name> into `folder`.
void copyFixture(const QString &name, const QString &folder);

// Makes a folder refuse new files for its lifetime: by its permissions, or, for root, whom
// permissions do not stop, by the file system's immutable flag.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path);
    ~ReadOnlyFolder();
    bool refusesNewFiles() const;

private:
    void setImmutable(bool on);

    QString m_path;
};

// Makes a file refuse every change, its replacement and its deletion, for its lifetime, by the file
// system's immutable flag.
class FixedFile
{
public:
    explicit FixedFile(const QString &path);
    ~FixedFile();
    bool fixed() const { return m_fixed; }

private:
    QString m_path;
    bool m_fixed;
};

// No file of this process may grow past `bytes` for the limit's lifetime, as on a nearly full disk:
// a longer write fails with "File too large" (the signal it raises is ignored, as the program
// does).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();

private:
    rlimit m_old{};
};

// Every file under `folder` by its path relative to it, with its bytes; a folder as "name/".
QMap<QString, QByteArray> folderContents(const QString &folder);
