#pragma once

#include "Outcome.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The whole content of a regular file of at most `maxBytes`. A pipe, device or folder is refused
// at once (opening never waits for a writer), and so is a larger file, before anything is read.
// A failure holds the reason only, for the caller to name the file: "the file does not exist."
Outcome<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

// A folder held open for opening files in it: not open when its path ends in a link or is no
// folder, or the folder cannot be opened.
class OpenFolder
{
public:
    explicit OpenFolder(const QString &path);
    ~OpenFolder();
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

// As readRegularFile, for the file `name` in the open `folder`, never through a link: nothing when
// the file is a link, for the caller to decide where it leads.
std::optional<Outcome<QByteArray>> readRegularFileIn(const OpenFolder &folder, const QString &name,
                                                     qint64 maxBytes);

// What tells one state of a file from another: a file renamed over it (every save here) or
// written in place changes it. Nothing when there is no file.
struct FileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp &o) const
    {
        return device == o.device && inode == o.inode && size == o.size &&
               modifiedNs == o.modifiedNs;
    }
};
std::optional<FileStamp> fileStamp(const QString &path);

// Whether a file may be written at `path` without following anything out of its folder: nothing is
// there, or a regular file is. A link, a folder, a pipe or a device fails, saying which.
Outcome<void> writableAsRegularFile(const QString &path);
