#include "RecordFiles.h"

#include "AtomicSave.h"
#include "NameCheck.h"
#include "RecordCodec.h"
#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace RecordFiles {

QString settingsFilePath(const QString &appPath)
{
    return appPath + QStringLiteral("settings.dft");
}

QString teamFolderPath(const QString &appPath, const QString &team)
{
    return appPath + team + QLatin1Char('/');
}

QString teamFilePath(const QString &appPath, const QString &team)
{
    return teamFolderPath(appPath, team) + team + QStringLiteral(".tea");
}

QString playerFilePath(const QString &appPath, const QString &team, const QString &player)
{
    return teamFolderPath(appPath, team) + player + QStringLiteral(".ply");
}

QString statsFilePath(const QString &appPath, const QString &team, const QString &player)
{
    return teamFolderPath(appPath, team) + player + QStringLiteral(".sta");
}

QString photoFilePath(const QString &appPath, const QString &team, const QString &player)
{
    return teamFolderPath(appPath, team) + player + QStringLiteral(".bmp");
}

QString cardPhotoFilePath(const QString &appPath, const QString &team, const QString &player)
{
    return teamFolderPath(appPath, team) + player + QStringLiteral(".card.png");
}

namespace {

// Names of existing files may be anything an older program stored ("Bob " with its trailing
// space); new names pass nameProblem() where they are typed. What every name must be here is one
// plain part of a path, so the file it builds lies in its own folder inside the data folder.
Outcome<void> checkNames(const QString &appPath, const QString &path,
                         std::initializer_list<QString> names)
{
    for (const QString &name : names)
        if (const auto problem = pathPartProblem(name))
            return Failure{QStringLiteral("Cannot use \"%1\": %2").arg(path, *problem)};
    if (!isInsideFolder(appPath, path))
        return Failure{
            QStringLiteral("Cannot use \"%1\": it lies outside the program's folder.").arg(path)};
    return {};
}

// Far above what 201 games with long highlights take, far below what would strain the memory.
constexpr qint64 MaxRecordFileBytes = 16 * 1024 * 1024;

// What reading the file at `path` gave, a failure naming the file.
Outcome<QByteArray> namingFile(const QString &path, Outcome<QByteArray> data)
{
    if (!data)
        return Failure{QStringLiteral("Cannot read \"%1\": %2").arg(path, data.error())};
    return data;
}

Outcome<QByteArray> readWholeFile(const QString &path)
{
    return namingFile(path, readRegularFile(path, MaxRecordFileBytes));
}

template <class Record>
Outcome<Record> readSingleRecord(const QString &path, const char *kind)
{
    Outcome<QByteArray> data = readWholeFile(path);
    if (!data)
        return data.failure();
    RecordCodec::Reader reader(*data, path);
    return reader.read<Record>(kind);
}

using RecordCodec::appendLine;

Failure refusedSave(const QString &path, const QString &problem)
{
    return Failure{QStringLiteral("Cannot save \"%1\": %2").arg(path, problem)};
}

// Never a file the readers would refuse.
Outcome<FileBytes> recordFileBytes(const QString &path, const QByteArray &bytes)
{
    if (bytes.size() > MaxRecordFileBytes)
        return refusedSave(path, QStringLiteral("it would be larger than %1 MB, more than a "
                                                "record file may hold.")
                                     .arg(MaxRecordFileBytes / (1024 * 1024)));
    return FileBytes{path, bytes};
}

Outcome<void> save(const Outcome<FileBytes> &file)
{
    if (!file)
        return file.failure();
    return saveFileAtomically(file->path, file->bytes);
}

template <class Record>
Outcome<void> writeSingleRecord(const QString &path, const Record &record)
{
    QByteArray bytes;
    if (Outcome<void> encoded = appendLine(bytes, record); !encoded)
        return refusedSave(path, encoded.error());
    return save(recordFileBytes(path, bytes));
}

const char *const TeamHeaderKind = "a team header";
const char *const RosterEntryKind = "a roster entry";
const char *const PlayerKind = "a player record";
const char *const GameKind = "a game record";

} // namespace

Outcome<Settings> ReadSettings(const QString &appPath)
{
    return readSingleRecord<Settings>(settingsFilePath(appPath), "the settings record");
}

Outcome<void> WriteSettings(const QString &appPath, const Settings &settings)
{
    return writeSingleRecord(settingsFilePath(appPath), settings);
}

Outcome<TeamFile> ReadTeamFile(const QString &appPath, const QString &team)
{
    const QString path = teamFilePath(appPath, team);
    if (Outcome<void> names = checkNames(appPath, path, {team}); !names)
        return names.failure();
    return ReadTeamFileAt(path);
}

Outcome<TeamFile> ReadTeamFileAt(const QString &path)
{
    Outcome<QByteArray> data = readWholeFile(path);
    if (!data)
        return data.failure();
    return DecodeTeamFile(*data, path);
}

Outcome<TeamFile> DecodeTeamFile(const QByteArray &bytes, const QString &name)
{
    RecordCodec::Reader reader(bytes, name);
    TeamFile teamFile;
    Outcome<TeamHeader> header = reader.read<TeamHeader>(TeamHeaderKind);
    if (!header)
        return header.failure();
    teamFile.header = *header;
    for (RosterEntry &slot : teamFile.roster) {
        Outcome<RosterEntry> entry = reader.read<RosterEntry>(RosterEntryKind);
        if (!entry)
            return entry.failure();
        slot = *entry;
    }
    return teamFile;
}

Outcome<TeamHeader> ReadTeamHeader(const QString &appPath, const QString &team)
{
    return TeamFolderReader(appPath, team).teamHeader();
}

Outcome<FileBytes> TeamFileBytes(const QString &appPath, const QString &team,
                                 const TeamFile &teamFile)
{
    const QString path = teamFilePath(appPath, team);
    if (Outcome<void> names = checkNames(appPath, path, {team}); !names)
        return names.failure();
    QByteArray bytes;
    Outcome<void> encoded = appendLine(bytes, teamFile.header);
    for (const RosterEntry &entry : teamFile.roster)
        if (encoded)
            encoded = appendLine(bytes, entry);
    if (!encoded)
        return refusedSave(path, encoded.error());
    return recordFileBytes(path, bytes);
}

Outcome<void> WriteTeamFile(const QString &appPath, const QString &team, const TeamFile &teamFile)
{
    return save(TeamFileBytes(appPath, team, teamFile));
}

Outcome<PlayerProfile> ReadPlayerFile(const QString &appPath, const QString &team,
                                      const QString &player)
{
    return TeamFolderReader(appPath, team).playerFile(player);
}

Outcome<PlayerProfile> ReadPlayerFileAt(const QString &path)
{
    return readSingleRecord<PlayerProfile>(path, PlayerKind);
}

Outcome<PlayerProfile> DecodePlayerFile(const QByteArray &bytes, const QString &name)
{
    RecordCodec::Reader reader(bytes, name);
    return reader.read<PlayerProfile>(PlayerKind);
}

Outcome<FileBytes> PlayerFileBytes(const QString &appPath, const QString &team,
                                   const QString &player, const PlayerProfile &profile)
{
    const QString path = playerFilePath(appPath, team, player);
    if (Outcome<void> names = checkNames(appPath, path, {team, player}); !names)
        return names.failure();
    QByteArray bytes;
    if (Outcome<void> encoded = appendLine(bytes, profile); !encoded)
        return refusedSave(path, encoded.error());
    return recordFileBytes(path, bytes);
}

Outcome<void> WritePlayerFile(const QString &appPath, const QString &team, const QString &player,
                              const PlayerProfile &profile)
{
    return save(PlayerFileBytes(appPath, team, player, profile));
}

Outcome<void> WriteTeamBorderColor(const QString &appPath, const QString &team, qint32 rgb)
{
    Outcome<TeamFile> teamFile = ReadTeamFile(appPath, team);
    if (!teamFile)
        return teamFile.failure();
    teamFile->header.TeamBorderColor = rgb;
    return WriteTeamFile(appPath, team, *teamFile);
}

Outcome<void> WritePlayerPicturePath(const QString &appPath, const QString &team,
                                     const QString &player, const QString &picturePath)
{
    Outcome<PlayerProfile> profile = ReadPlayerFile(appPath, team, player);
    if (!profile)
        return profile.failure();
    profile->PlayerPicturePath = picturePath;
    return WritePlayerFile(appPath, team, player, *profile);
}

Outcome<FileBytes> PhotoFileBytes(const QString &appPath, const QString &team,
                                  const QString &player, const QByteArray &bitmap)
{
    const QString path = photoFilePath(appPath, team, player);
    if (Outcome<void> names = checkNames(appPath, path, {team, player}); !names)
        return names.failure();
    return FileBytes{path, bitmap};
}

Outcome<FileBytes> CardPhotoFileBytes(const QString &appPath, const QString &team,
                                      const QString &player, const QByteArray &png)
{
    const QString path = cardPhotoFilePath(appPath, team, player);
    if (Outcome<void> names = checkNames(appPath, path, {team, player}); !names)
        return names.failure();
    return FileBytes{path, png};
}

Outcome<void> WritePhotoFile(const QString &appPath, const QString &team, const QString &player,
                             const QByteArray &bitmap)
{
    return save(PhotoFileBytes(appPath, team, player, bitmap));
}

Outcome<void> CreateStatsFile(const QString &appPath, const QString &team, const QString &player)
{
    return WriteGameRecords(appPath, team, player, GameRecords{GameRecord{}});
}

namespace {

// Decodes every line as a game, each into the record `slot()` gives, then hands it to `taken`
// with its index.
template <class Slot, class Taken>
Outcome<void> decodeEachGame(const QByteArray &data, const QString &path, bool figuresOnly,
                             Slot slot, Taken taken)
{
    RecordCodec::Reader reader(data, path);
    if (figuresOnly)
        reader.keepOnlyText<GameRecord>("Decision");
    for (int index = 0; !reader.atEnd(); ++index) {
        if (index == MaxStatsRecords)
            return reader.failure(
                reader.lineNumber(),
                QStringLiteral("a stats file holds at most %1 records (games 1 to %2).")
                    .arg(MaxStatsRecords)
                    .arg(MaxGames));
        GameRecord &record = slot();
        if (Outcome<void> read = reader.readInto(record, GameKind); !read)
            return read;
        taken(record, index);
    }
    return {};
}

Outcome<GameRecords> decodeGames(const QByteArray &data, const QString &path, bool figuresOnly)
{
    GameRecords records;
    // A game's line is rarely shorter than 48 bytes; a guess that spares most regrowing.
    records.reserve(std::min<qsizetype>(data.size() / 48 + 1, MaxStatsRecords));
    Outcome<void> decoded = decodeEachGame(
        data, path, figuresOnly, [&]() -> GameRecord & { return records.emplace_back(); },
        [](const GameRecord &, int) {});
    if (!decoded)
        return decoded.failure();
    return records;
}

Outcome<GameRecords> readGames(const QString &path, bool figuresOnly)
{
    Outcome<QByteArray> data = readWholeFile(path);
    if (!data)
        return data.failure();
    return decodeGames(*data, path, figuresOnly);
}

} // namespace

Outcome<GameRecords> ReadGameRecordsAt(const QString &path)
{
    return readGames(path, false);
}

Outcome<GameRecords> DecodeGameRecords(const QByteArray &bytes, const QString &name)
{
    return decodeGames(bytes, name, false);
}

Outcome<GameRecords> ReadGameRecords(const QString &appPath, const QString &team,
                                     const QString &player)
{
    return TeamFolderReader(appPath, team).gameRecords(player);
}

Outcome<GameRecords> ReadGameFigures(const QString &appPath, const QString &team,
                                     const QString &player)
{
    return TeamFolderReader(appPath, team).gameFigures(player);
}

TeamFolderReader::TeamFolderReader(const QString &appPath, const QString &team)
    : m_appPath(appPath), m_team(team)
{
    // Only a plain name leads straight into a folder of the data folder.
    if (!pathPartProblem(team))
        m_folder.emplace(teamFolderPath(appPath, team));
}

Outcome<QByteArray> TeamFolderReader::read(const QString &path, const QString &fileName,
                                           const QString &player) const
{
    std::optional<Outcome<QByteArray>> data;
    if (m_folder && m_folder->isOpen() && (player.isEmpty() || !pathPartProblem(player)))
        data = readRegularFileIn(*m_folder, fileName, MaxRecordFileBytes);
    // Else, and for a file that is a link, by its path once its names and where it leads are
    // checked.
    if (!data) {
        Outcome<void> names = player.isEmpty() ? checkNames(m_appPath, path, {m_team})
                                               : checkNames(m_appPath, path, {m_team, player});
        if (!names)
            return names.failure();
        data = readRegularFile(path, MaxRecordFileBytes);
    }
    return namingFile(path, std::move(*data));
}

Outcome<TeamHeader> TeamFolderReader::teamHeader() const
{
    const QString path = teamFilePath(m_appPath, m_team);
    Outcome<QByteArray> bytes = read(path, m_team + QStringLiteral(".tea"), QString());
    if (!bytes)
        return bytes.failure();
    return RecordCodec::Reader(*bytes, path).read<TeamHeader>(TeamHeaderKind);
}

Outcome<PlayerProfile> TeamFolderReader::playerFile(const QString &player) const
{
    const QString path = playerFilePath(m_appPath, m_team, player);
    Outcome<QByteArray> bytes = read(path, player + QStringLiteral(".ply"), player);
    if (!bytes)
        return bytes.failure();
    return DecodePlayerFile(*bytes, path);
}

Outcome<GameRecords> TeamFolderReader::games(const QString &player, bool figuresOnly) const
{
    const QString path = statsFilePath(m_appPath, m_team, player);
    Outcome<QByteArray> bytes = read(path, player + QStringLiteral(".sta"), player);
    if (!bytes)
        return bytes.failure();
    return decodeGames(*bytes, path, figuresOnly);
}

Outcome<GameRecords> TeamFolderReader::gameRecords(const QString &player) const
{
    return games(player, false);
}

Outcome<GameRecords> TeamFolderReader::gameFigures(const QString &player) const
{
    return games(player, true);
}

Outcome<void>
TeamFolderReader::eachGameFigures(const QString &player,
                                  const std::function<void(const GameRecord &, int)> &take) const
{
    const QString path = statsFilePath(m_appPath, m_team, player);
    Outcome<QByteArray> bytes = read(path, player + QStringLiteral(".sta"), player);
    if (!bytes)
        return bytes.failure();
    // One record serves every line: a line writes each field it keeps, or fails.
    GameRecord record;
    return decodeEachGame(
        *bytes, path, true, [&]() -> GameRecord & { return record; }, take);
}

Outcome<void> ReadEachGameFigures(const QString &appPath, const QString &team,
                                  const QString &player,
                                  const std::function<void(const GameRecord &, int)> &take)
{
    return TeamFolderReader(appPath, team).eachGameFigures(player, take);
}

namespace {

Outcome<QByteArray> encodeGameRecords(const GameRecords &records)
{
    if (records.size() > MaxStatsRecords)
        return Failure{QStringLiteral("a stats file holds at most %1 records (games 1 to %2).")
                           .arg(MaxStatsRecords)
                           .arg(MaxGames)};
    QByteArray bytes;
    bytes.reserve(records.size() * 128); // a game's line with short texts
    for (int index = 0; index < records.size(); ++index) {
        if (Outcome<void> encoded = appendLine(bytes, records[index]); !encoded)
            return Failure{QStringLiteral("game %1: %2").arg(index).arg(encoded.error())};
    }
    return bytes;
}

} // namespace

Outcome<FileBytes> GameRecordsBytes(const QString &appPath, const QString &team,
                                    const QString &player, const GameRecords &records)
{
    const QString path = statsFilePath(appPath, team, player);
    if (Outcome<void> names = checkNames(appPath, path, {team, player}); !names)
        return names.failure();
    Outcome<QByteArray> bytes = encodeGameRecords(records);
    if (!bytes)
        return refusedSave(path, bytes.error());
    return recordFileBytes(path, *bytes);
}

Outcome<void> WriteGameRecords(const QString &appPath, const QString &team, const QString &player,
                               const GameRecords &records)
{
    return save(GameRecordsBytes(appPath, team, player, records));
}

Outcome<QStringList> PlayerFilePaths(const QString &appPath, const QString &team,
                                     const QString &player)
{
    const QString path = playerFilePath(appPath, team, player);
    if (Outcome<void> names = checkNames(appPath, path, {team, player}); !names)
        return names.failure();
    return QStringList{path, statsFilePath(appPath, team, player)};
}

namespace {

Outcome<void> removeIfPresent(const QString &path)
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return {};
    return Failure{QStringLiteral("Cannot delete \"%1\": %2").arg(path, file.errorString())};
}

// A file with what an interrupted save of it left beside it.
Outcome<void> removeWithLeftovers(const QString &path)
{
    const QFileInfo file(path);
    removeLeftovers(file.absolutePath(), file.fileName());
    return removeIfPresent(path);
}

} // namespace

Outcome<void> DeletePlayerFiles(const QString &appPath, const QString &team, const QString &player)
{
    const QString path = playerFilePath(appPath, team, player);
    if (Outcome<void> names = checkNames(appPath, path, {team, player}); !names)
        return names.failure();
    if (Outcome<void> removed = removeWithLeftovers(path); !removed)
        return removed;
    return removeWithLeftovers(statsFilePath(appPath, team, player));
}

Outcome<void> DeleteTeamPlayers(const QString &appPath, const QString &team)
{
    const QString folder = teamFolderPath(appPath, team);
    if (Outcome<void> names = checkNames(appPath, folder + team, {team}); !names)
        return names.failure();
    const QStringList files = QDir(folder).entryList(
        {QStringLiteral("*.ply"), QStringLiteral("*.sta"), leftoverPattern(QStringLiteral("*.ply")),
         leftoverPattern(QStringLiteral("*.sta"))},
        QDir::Files | QDir::Hidden);
    for (const QString &name : files)
        if (Outcome<void> removed = removeIfPresent(folder + name); !removed)
            return removed;
    return {};
}

} // namespace RecordFiles
