#pragma once

// The program's start up to its main window, shared by the executable and the start-up benchmark:
// the application's name, icon and look, the fonts, where its folders are, and the data folder's
// lock.

#include "core/DataFolderLock.h"
#include "core/ProgramFolders.h"

#include <memory>

class Dialogs;
class frmMain;

struct ProgramStart
{
    ProgramFolders folders;
    std::unique_ptr<DataFolderLock> lock; // held, or the program must not go on
};

// Call once the QApplication exists. Tells the user, through `dialogs`, when the folder is
// locked by another copy; then the lock is not held.
ProgramStart startProgram(Dialogs &dialogs);

// The main window on the folders, sized and centred, shown.
std::unique_ptr<frmMain> showMainWindow(const ProgramFolders &folders, Dialogs &dialogs);

// "scorebinder --folders": where the data lives and whether the shipped files are there, on
// standard output, without a display.
int printFolders(int argc, char *argv[]);
