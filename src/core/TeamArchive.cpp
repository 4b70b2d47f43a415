#include "TeamArchive.h"

#include "ArchiveLibrary.h"
#include "AtomicSave.h"
#include "NameCheck.h"
#include "RecordFiles.h"
#include "RegularFile.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

#include <memory>

namespace TeamArchive {

namespace {

const QStringList PlayerSuffixes = {QStringLiteral(".card.png"), QStringLiteral(".ply"),
                                    QStringLiteral(".sta"), QStringLiteral(".bmp")};
// A team's team file and four files for each of 27 players, with room for the folder's entry.
constexpr int MaxEntries = 1 + 4 * RosterSlots + 1;

struct ArchiveFree
{
    const ArchiveLibrary *library;
    void operator()(archive *a) const { library->free(a); }
};
using ArchivePtr = std::unique_ptr<archive, ArchiveFree>;

struct EntryFree
{
    const ArchiveLibrary *library;
    void operator()(archive_entry *e) const { library->entry_free(e); }
};

QString archiveError(const ArchiveLibrary &library, archive *a)
{
    const char *text = library.error_string(a);
    return text ? QString::fromLocal8Bit(text) : QStringLiteral("the archive cannot be read");
}

// The player a file of the folder belongs to, or nothing for a file no team holds.
std::optional<QString> playerOf(const QString &fileName)
{
    for (const QString &suffix : PlayerSuffixes)
        if (fileName.endsWith(suffix)) {
            const QString player = fileName.chopped(suffix.size());
            if (!nameProblem(player))
                return player;
        }
    return std::nullopt;
}

la_ssize_t appendToBuffer(archive *, void *buffer, const void *data, size_t size)
{
    static_cast<QByteArray *>(buffer)->append(static_cast<const char *>(data), qsizetype(size));
    return la_ssize_t(size);
}

} // namespace

QString backupFileName(const QString &team, const QDate &day)
{
    return QStringLiteral("%1 %2.tar.gz").arg(team, day.toString(QStringLiteral("yyyy-MM-dd")));
}

bool isTeamFile(const QString &team, const QString &fileName)
{
    return fileName == team + QStringLiteral(".tea") || playerOf(fileName).has_value();
}

Outcome<void> writeBackup(const QString &appPath, const QString &team, const QString &archivePath)
{
    const QString folder = RecordFiles::teamFolderPath(appPath, team);
    if (Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFile(appPath, team); !teamFile)
        return teamFile.failure();
    Outcome<const ArchiveLibrary *> loaded = archiveLibrary();
    if (!loaded)
        return loaded.failure();
    const ArchiveLibrary &library = **loaded;
    QByteArray bytes;
    ArchivePtr out(library.write_new(), {&library});
    library.write_add_filter_gzip(out.get());
    library.write_set_format_pax_restricted(out.get());
    if (library.write_open(out.get(), &bytes, nullptr, appendToBuffer, nullptr) != ARCHIVE_OK)
        return Failure{archiveError(library, out.get())};
    const auto failed = [&](const QString &why) {
        return Failure{
            QStringLiteral("Cannot back up %1 into \"%2\": %3").arg(team, archivePath, why)};
    };
    const auto add = [&](const QString &name, const QByteArray *data, QDateTime modified) {
        std::unique_ptr<archive_entry, EntryFree> entry(library.entry_new(), {&library});
        library.entry_set_pathname_utf8(entry.get(), (team + QLatin1Char('/') + name).toUtf8());
        library.entry_set_filetype(entry.get(), data ? AE_IFREG : AE_IFDIR);
        library.entry_set_perm(entry.get(), data ? 0644 : 0755);
        library.entry_set_size(entry.get(), data ? data->size() : 0);
        library.entry_set_mtime(entry.get(), modified.toSecsSinceEpoch(), 0);
        if (library.write_header(out.get(), entry.get()) != ARCHIVE_OK ||
            (data && library.write_data(out.get(), data->constData(), size_t(data->size())) !=
                         la_ssize_t(data->size())))
            return false;
        return true;
    };
    if (!add(QString(), nullptr, QFileInfo(folder).lastModified()))
        return failed(archiveError(library, out.get()));
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &file : files) {
        if (!isTeamFile(team, file.fileName()))
            continue;
        Outcome<QByteArray> data = readRegularFile(file.filePath(), MaxEntryBytes);
        if (!data)
            return failed(QStringLiteral("\"%1\": %2").arg(file.filePath(), data.error()));
        if (!add(file.fileName(), &*data, file.lastModified()))
            return failed(archiveError(library, out.get()));
    }
    if (library.write_close(out.get()) != ARCHIVE_OK)
        return failed(archiveError(library, out.get()));
    return saveFileAtomically(archivePath, bytes);
}

Outcome<Backup> readBackup(const QString &archivePath)
{
    const auto refused = [&](const QString &why) {
        return Failure{QStringLiteral("\"%1\" is not a team backup Scorebinder can restore: %2")
                           .arg(QDir::toNativeSeparators(archivePath), why)};
    };
    // A pipe or a device in its place must not hold the program up.
    if (!QFileInfo(archivePath).isFile())
        return refused(QStringLiteral("it is not a plain file."));
    Outcome<const ArchiveLibrary *> loaded = archiveLibrary();
    if (!loaded)
        return loaded.failure();
    const ArchiveLibrary &library = **loaded;
    ArchivePtr in(library.read_new(), {&library});
    library.read_support_filter_gzip(in.get());
    library.read_support_format_tar(in.get());
    if (library.read_open_filename(in.get(), QFile::encodeName(archivePath).constData(),
                                   64 * 1024) != ARCHIVE_OK)
        return refused(archiveError(library, in.get()));

    QString team;
    Backup backup;
    archive_entry *entry = nullptr;
    int entries = 0;
    for (;;) {
        const int next = library.read_next_header(in.get(), &entry);
        if (next == ARCHIVE_EOF)
            break;
        if (next != ARCHIVE_OK)
            return refused(archiveError(library, in.get()));
        if (++entries > MaxEntries)
            return refused(QStringLiteral("it holds more files than a team folder."));
        const char *utf8 = library.entry_pathname_utf8(entry);
        if (!utf8)
            return refused(QStringLiteral("a file's name cannot be read."));
        const QString path = QString::fromUtf8(utf8);
        QStringList parts = path.split(QLatin1Char('/'));
        const bool folderEntry = parts.size() == 2 && parts[1].isEmpty();
        if (folderEntry)
            parts.removeLast();
        if (path.startsWith(QLatin1Char('/')) || parts.contains(QStringLiteral("..")) ||
            parts.size() > 2 || parts.contains(QString()))
            return refused(QStringLiteral("\"%1\" lies outside one team's folder.").arg(path));
        if (team.isEmpty()) {
            team = parts[0];
            if (const auto problem = nameProblem(team))
                return refused(QStringLiteral("its folder \"%1\" is no team's name.").arg(team));
        } else if (parts[0] != team) {
            return refused(QStringLiteral("it holds more than one folder (\"%1\", \"%2\").")
                               .arg(team, parts[0]));
        }
        const mode_t type = library.entry_filetype(entry);
        if (library.entry_hardlink(entry) || library.entry_symlink(entry) || type == AE_IFLNK)
            return refused(QStringLiteral("\"%1\" is a link.").arg(path));
        if (parts.size() == 1) {
            if (type != AE_IFDIR)
                return refused(
                    QStringLiteral("\"%1\" is not a file a team folder holds.").arg(path));
            continue;
        }
        if (type != AE_IFREG)
            return refused(QStringLiteral("\"%1\" is not a plain file.").arg(path));
        const QString name = parts[1];
        if (!isTeamFile(team, name))
            return refused(QStringLiteral("\"%1\" is not a file a team folder holds.").arg(path));
        if (backup.files.contains(name))
            return refused(QStringLiteral("it holds \"%1\" twice.").arg(path));
        const la_int64_t size = library.entry_size(entry);
        if (!library.entry_size_is_set(entry) || size < 0 || size > MaxEntryBytes)
            return refused(QStringLiteral("\"%1\" is larger than %2 MB, more than a team's file.")
                               .arg(path)
                               .arg(MaxEntryBytes / (1024 * 1024)));
        QByteArray data(qsizetype(size), Qt::Uninitialized);
        if (library.read_data(in.get(), data.data(), size_t(size)) != la_ssize_t(size))
            return refused(archiveError(library, in.get()));
        backup.files.insert(name, data);
    }
    const QString teamFileName = team + QStringLiteral(".tea");
    if (!backup.files.contains(teamFileName))
        return refused(QStringLiteral("it holds no team file."));
    Outcome<TeamFile> teamFile = RecordFiles::DecodeTeamFile(
        backup.files[teamFileName], team + QLatin1Char('/') + teamFileName);
    if (!teamFile)
        return refused(teamFile.error());
    if (teamFile->header.TeamName != team)
        return refused(QStringLiteral("its team file names the team \"%1\", not \"%2\".")
                           .arg(teamFile->header.TeamName, team));
    backup.teamFile = *teamFile;
    for (auto file = backup.files.cbegin(); file != backup.files.cend(); ++file) {
        const QString shown = team + QLatin1Char('/') + file.key();
        if (file.key().endsWith(QStringLiteral(".ply"))) {
            if (Outcome<PlayerProfile> player = RecordFiles::DecodePlayerFile(*file, shown);
                !player)
                return refused(player.error());
        } else if (file.key().endsWith(QStringLiteral(".sta"))) {
            Outcome<GameRecords> games = RecordFiles::DecodeGameRecords(*file, shown);
            if (!games)
                return refused(games.error());
            backup.games = std::max(backup.games, int(games->size()) - 1);
        }
    }
    for (const RosterEntry &slot : backup.teamFile.roster)
        backup.players += slot.RosterPlayer.isEmpty() ? 0 : 1;
    return backup;
}

} // namespace TeamArchive
