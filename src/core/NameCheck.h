#pragma once

#include <QString>

#include <optional>

// Team and player names become folder and file names. Returns what is wrong with a name, in a
// sentence for the user, or nothing when the name can be used.
std::optional<QString> nameProblem(const QString &name);

// What keeps a stored name, or a team name read from a team file, from being used as one part of
// a path: empty, "." or "..", a slash or a control character inside, or a device's name. Nothing
// for any other name, however it was typed ("Bob " of an older program stays usable).
std::optional<QString> pathPartProblem(const QString &name);

// True when `path`, once links, "." and ".." are resolved, lies inside `folder`.
bool isInsideFolder(const QString &folder, const QString &path);
