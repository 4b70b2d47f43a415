#pragma once

#include <QString>

#include <optional>

// Team and player names become folder and file names. Returns what is wrong with a name, in a
// sentence for the user, or nothing when the name can be used.
std::optional<QString> nameProblem(const QString &name);

// What keeps a stored name from being used as one part of a path: empty, "." or "..", or a
// slash or NUL inside. Nothing for any other name, however it was typed.
std::optional<QString> pathPartProblem(const QString &name);

// True when `path`, once "." and ".." are resolved, lies inside `folder`.
bool isInsideFolder(const QString &folder, const QString &path);
