#include "FileGroup.h"

#include "AtomicSave.h"
#include "RegularFile.h"
#include "SystemError.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString JournalName = QStringLiteral("Scorebinder.journal");
const QByteArray Heading = "Scorebinder file group 1";
const QByteArray Replace = "replace";
const QByteArray Remove = "remove";
const QByteArray Trash = "trash";

// One file of a group as its journal names it.
struct Step
{
    QString target;       // the file replaced or deleted (a link's file, not the link)
    QString temp;         // the new file beside it; empty: the target is deleted
    QString backup;       // a second name of the old file; empty: there was none
    bool toTrash = false; // a deleted target goes to the trash
};

QByteArray encodedName(const QString &path)
{
    return QFile::encodeName(path);
}

bool exists(const QString &path)
{
    struct stat info = {};
    return ::lstat(encodedName(path).constData(), &info) == 0;
}

void unlinkIfThere(const QString &path)
{
    if (!path.isEmpty())
        ::unlink(encodedName(path).constData());
}

Failure failed(const Step &step, const QString &reason)
{
    return Failure{QStringLiteral("Cannot %1 \"%2\": %3")
                       .arg(step.temp.isEmpty() ? QStringLiteral("delete") : QStringLiteral("save"),
                            step.target, reason)};
}

QByteArray journalOf(const QVector<Step> &steps)
{
    QByteArray text = Heading + '\n';
    for (const Step &step : steps) {
        const QList<QByteArray> fields =
            step.temp.isEmpty()
                ? QList<QByteArray>{step.toTrash ? Trash : Remove, encodedName(step.target),
                                    encodedName(step.backup)}
                : QList<QByteArray>{Replace, encodedName(step.target), encodedName(step.temp),
                                    encodedName(step.backup)};
        text += fields.join('\t') + '\n';
    }
    return text;
}

std::optional<QVector<Step>> stepsOf(const QByteArray &journal)
{
    QList<QByteArray> lines = journal.split('\n');
    if (lines.isEmpty() || lines.takeFirst() != Heading || !lines.endsWith(QByteArray()))
        return std::nullopt;
    lines.removeLast();
    QVector<Step> steps;
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 3 && (fields[0] == Remove || fields[0] == Trash))
            steps.append({QFile::decodeName(fields[1]), QString(), QFile::decodeName(fields[2]),
                          fields[0] == Trash});
        else if (fields.size() == 4 && fields[0] == Replace && !fields[2].isEmpty())
            steps.append({QFile::decodeName(fields[1]), QFile::decodeName(fields[2]),
                          QFile::decodeName(fields[3])});
        else
            return std::nullopt;
    }
    return steps;
}

void syncFolders(const QVector<Step> &steps, const QString &journalFolder)
{
    QSet<QString> folders{journalFolder};
    for (const Step &step : steps)
        folders.insert(QFileInfo(step.target).absolutePath());
    for (const QString &folder : std::as_const(folders))
        (void)syncFolder(folder);
}

// Every new file in place and every deleted file gone, then the old files let go; stops at the
// first step that cannot be done. A step already done (its new file gone from beside the target)
// is passed over, so a group a crash interrupted finishes the same way.
Outcome<void> apply(const QVector<Step> &steps)
{
    for (const Step &step : steps) {
        if (!step.temp.isEmpty()) {
            if (exists(step.temp) && ::rename(encodedName(step.temp).constData(),
                                              encodedName(step.target).constData()) != 0)
                return failed(step, systemError());
        } else if (exists(step.target) && !(step.toTrash && QFile::moveToTrash(step.target)) &&
                   ::unlink(encodedName(step.target).constData()) != 0) {
            return failed(step, systemError());
        }
    }
    for (const Step &step : steps) {
        unlinkIfThere(step.backup);
        if (step.temp.isEmpty()) {
            const QFileInfo file(step.target);
            removeLeftovers(file.absolutePath(), file.fileName());
        }
    }
    return {};
}

// Every old file back under its name, every new file gone.
void takeBack(const QVector<Step> &steps)
{
    for (const Step &step : steps) {
        if (!step.backup.isEmpty()) {
            // While both names hold the old file, this does nothing and the backup goes below.
            ::rename(encodedName(step.backup).constData(), encodedName(step.target).constData());
            unlinkIfThere(step.backup);
        } else if (!step.temp.isEmpty() && !exists(step.temp)) {
            unlinkIfThere(step.target); // a new file put in place where there was none
        }
        unlinkIfThere(step.temp);
    }
}

} // namespace

FileGroup::FileGroup(const QString &folder) : m_folder(folder) {}

QString FileGroup::journalPath(const QString &folder)
{
    return folder + JournalName;
}

void FileGroup::replace(const QString &path, const QByteArray &bytes)
{
    m_changes.append({path, bytes});
}

void FileGroup::remove(const QString &path)
{
    m_changes.append({path, std::nullopt});
}

void FileGroup::moveToTrash(const QString &path)
{
    m_changes.append({path, std::nullopt, true});
}

Outcome<void> FileGroup::commit()
{
    (void)finishInterrupted(m_folder);
    QVector<Step> steps;
    const auto fail = [&](const Failure &failure) {
        takeBack(steps);
        return failure;
    };
    for (const Change &change : std::as_const(m_changes)) {
        Step step{saveTargetOf(change.path), QString(), QString(), change.toTrash};
        if (change.bytes) {
            Outcome<QString> temp = writeTemporaryBeside(step.target, *change.bytes);
            if (!temp)
                return fail(Failure{
                    QStringLiteral("Cannot save \"%1\": %2").arg(change.path, temp.error())});
            step.temp = *temp;
        } else if (!exists(step.target)) {
            continue; // already gone
        }
        if (exists(step.target)) {
            step.backup = temporaryNameBeside(step.target);
            if (::link(encodedName(step.target).constData(),
                       encodedName(step.backup).constData()) != 0) {
                const QString reason = systemError();
                step.backup.clear();
                steps.append(step);
                return fail(failed(step, reason));
            }
        }
        steps.append(step);
    }
    const QString journal = journalPath(m_folder);
    if (Outcome<void> written = saveFileAtomically(journal, journalOf(steps)); !written)
        return fail(written.failure());
    Outcome<void> applied = apply(steps);
    if (!applied)
        takeBack(steps);
    unlinkIfThere(journal);
    syncFolders(steps, m_folder);
    return applied;
}

std::optional<QString> FileGroup::finishInterrupted(const QString &folder)
{
    const QString journal = journalPath(folder);
    if (!exists(journal))
        return std::nullopt;
    Outcome<QByteArray> text = readRegularFile(journal, 1024 * 1024);
    const std::optional<QVector<Step>> steps =
        text ? stepsOf(*text) : std::optional<QVector<Step>>();
    if (!steps)
        return QStringLiteral("\"%1\" names files of a save that was interrupted, but it cannot "
                              "be read (%2). The files were left as they are.")
            .arg(journal, text ? QStringLiteral("it is damaged") : text.error());
    QStringList names;
    for (const Step &step : *steps)
        names.append(QFileInfo(step.target).fileName());
    Outcome<void> applied = apply(*steps);
    if (!applied)
        takeBack(*steps);
    unlinkIfThere(journal);
    syncFolders(*steps, folder);
    if (applied)
        return QStringLiteral("A save that was interrupted in \"%1\" was finished: %2.")
            .arg(folder, names.join(QStringLiteral(", ")));
    return QStringLiteral("A save that was interrupted in \"%1\" could not be finished (%2). "
                          "Its files were put back as they were: %3.")
        .arg(folder, applied.error(), names.join(QStringLiteral(", ")));
}
