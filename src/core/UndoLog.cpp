#include "UndoLog.h"

#include "AtomicSave.h"
#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Past any record file or card photo the program writes; a file larger than this is not one of
// its own.
constexpr qint64 MaxKeptBytes = 64 * 1024 * 1024;

} // namespace

Outcome<void> UndoLog::remember(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink()) {
        m_kept.append({path, std::nullopt});
        return {};
    }
    Outcome<QByteArray> bytes = readRegularFile(path, MaxKeptBytes);
    if (!bytes)
        return Failure{QStringLiteral("Cannot read \"%1\": %2").arg(path, bytes.error())};
    m_kept.append({path, *bytes});
    return {};
}

void UndoLog::undo() const
{
    for (auto kept = m_kept.crbegin(); kept != m_kept.crend(); ++kept) {
        if (kept->bytes) {
            (void)saveFileAtomically(kept->path, *kept->bytes);
        } else {
            const QFileInfo file(kept->path);
            QFile::remove(kept->path);
            removeLeftovers(file.absolutePath(), file.fileName());
        }
    }
}
