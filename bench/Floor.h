#pragma once

// The least any reading of record files must do, in plain C++: each file read whole into one
// buffer, its lines split and every field decoded into a typed value, texts left as views into
// the buffer. No heap allocation per field, no Qt. The benchmarks measure against it.

#include <QStringList>

#include <string>
#include <vector>

namespace Floor {

// Reads and decodes every file; returns a checksum of the values so that nothing is optimised
// away.
long long decodeFiles(const std::vector<std::string> &paths);

std::vector<std::string> nativePaths(const QStringList &paths);

} // namespace Floor
