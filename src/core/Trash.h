#pragma once

#include <QString>

// Whether files deleted from `folder` can go to the user's trash (the desktop's home trash under
// the per-user data folder, on the same file system as `folder`), so that they can be restored.
bool trashTakesFilesFrom(const QString &folder);
