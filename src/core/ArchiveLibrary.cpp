#include "ArchiveLibrary.h"

#include <QLibrary>

namespace {

Outcome<ArchiveLibrary> load()
{
    static QLibrary library(QStringLiteral("archive"), 13);
    if (!library.load())
        return Failure{QStringLiteral("The archive library cannot be loaded (%1). Installing the "
                                      "package libarchive13 brings it.")
                           .arg(library.errorString())};
    ArchiveLibrary functions;
    QStringList missing;
#define SCOREBINDER_ARCHIVE_RESOLVE(name)                                                          \
    functions.name =                                                                               \
        reinterpret_cast<decltype(functions.name)>(library.resolve("archive_" #name));             \
    if (!functions.name)                                                                           \
        missing << QStringLiteral("archive_" #name);
    SCOREBINDER_ARCHIVE_FUNCTIONS(SCOREBINDER_ARCHIVE_RESOLVE)
#undef SCOREBINDER_ARCHIVE_RESOLVE
    if (!missing.isEmpty())
        return Failure{QStringLiteral("The archive library \"%1\" lacks %2.")
                           .arg(library.fileName(), missing.join(QStringLiteral(", ")))};
    return functions;
}

} // namespace

Outcome<const ArchiveLibrary *> archiveLibrary()
{
    static const Outcome<ArchiveLibrary> loaded = load();
    if (!loaded)
        return loaded.failure();
    return &*loaded;
}
