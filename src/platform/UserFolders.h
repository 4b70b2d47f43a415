#pragma once

// Where files for the user go: his documents folder when it exists, else his home folder (a fresh
// account may have none).

#include <QString>

QString documentsFolder();

// What the user is told after a print went to a file: "… saved as "X.pdf" in the folder "…"."
QString savedFileText(const QString &path);
