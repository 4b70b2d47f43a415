#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its data (settings, options, team folders) and where it finds the
// files it ships (tips, help, the card logo); each with a trailing "/".
struct ProgramFolders
{
    QString data;
    QString shipped;
};

// The files that ship with the program.
QStringList shippedFileNames();

// Decided once at start: a folder holding a file "portable" beside the program keeps both beside
// the program; otherwise the data lives in the per-user data folder, created here, and the shipped
// files in the installed tree's share/scorebinder/ beside the program's bin/.
ProgramFolders decideProgramFolders(const QString &executableFolder, const QString &userDataFolder);

// Where the program keeps what, and which shipped files are missing, for a user who asks.
struct FoldersReport
{
    QString text;
    bool complete = false; // every shipped file is there
};
FoldersReport reportProgramFolders(const ProgramFolders &folders);
