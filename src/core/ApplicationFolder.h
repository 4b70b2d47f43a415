#pragma once

#include <QString>
#include <QStringList>

// The files that ship beside the program.
QStringList shippedFileNames();

// The folder the program keeps its data in, with a trailing "/": the executable's folder, or,
// when that cannot be written (a system-wide install), the per-user data folder, into which the
// shipped files are copied when they are not there yet.
QString chooseApplicationFolder(const QString &executableFolder, const QString &userDataFolder);

// True when a new file can be created in the folder.
bool canCreateFilesIn(const QString &folder);
