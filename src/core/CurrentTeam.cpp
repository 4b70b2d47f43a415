#include "CurrentTeam.h"

#include "AtomicSave.h"
#include "CodeTables.h"
#include "FileGroup.h"
#include "NameCheck.h"
#include "RecordFiles.h"
#include "Roster.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Codes -1 to 11 have a long name (empty for -1, 0 and 11); other codes keep the old label.
void setPositionLabel(QString &label, int code)
{
    if (code >= -1 && code <= 11)
        label = Codes::positionLongName(code);
}

QString photoPathFor(const QString &appPath, const PlayerProfile &profile)
{
    const QString stored = profile.PlayerPicturePath;
    if (stored.isEmpty() || QFile::exists(stored))
        return stored;
    // Moved from another machine: the photo the picture editor saved in the team folder.
    const QString inTeamFolder =
        RecordFiles::photoFilePath(appPath, profile.TeamName, profile.PlayerName);
    return QFile::exists(inTeamFolder) ? inTeamFolder : stored;
}

const QString WithoutTeam = QStringLiteral("\n\nScorebinder starts without a current team.");

} // namespace

void takeTeamProfile(MainState &state, const TeamHeader &header)
{
    state.Coach = header.Coach;
    state.Asst = header.Asst;
    state.Season = header.Season;
}

void takeTeamHeader(MainState &state, const TeamHeader &header)
{
    takeTeamProfile(state, header);
    state.TeamBorderColor = header.TeamBorderColor;
}

void takePlayerProfile(MainState &state, const PlayerProfile &profile)
{
    state.PlayerName = profile.PlayerName;
    state.Position1 = profile.Position1;
    state.Position2 = profile.Position2;
    state.Bats = profile.Bats;
    state.Throws = profile.Throws;
    state.Jersey = profile.Jersey;
    state.HomeTown = profile.HomeTown;
    state.HomeState = profile.HomeState;
    state.Age = profile.Age;
    state.PlayerPicturePath = profile.PlayerPicturePath;
}

void choosePlayer(MainState &state, const QString &player)
{
    PlayerProfile none;
    none.PlayerName = player;
    takePlayerProfile(state, none);
    state.totals = SeasonTotals{};
    state.Position1Label.clear();
    state.Position2Label.clear();
}

std::optional<QString> cannotBeCurrent(const QString &player)
{
    if (const auto problem = pathPartProblem(player))
        return QStringLiteral("The roster names \"%1\", which cannot be the name of a player's "
                              "files. %2")
            .arg(player, *problem);
    return std::nullopt;
}

namespace {

// The page of `player` of the team `folder` reads, whose header is `header`.
Outcome<PlayerPage> readPlayerPageIn(const QString &appPath,
                                     const RecordFiles::TeamFolderReader &folder,
                                     const TeamHeader &header, const QString &player)
{
    PlayerPage page;
    page.header = header;
    Outcome<PlayerProfile> profile = folder.playerFile(player);
    if (!profile)
        return profile.failure();
    page.profile = *profile;
    // The player file names the team whose folder holds his stats: nearly always this one.
    const QString statsTeam = page.profile.TeamName;
    SeasonSum sum;
    const auto add = [&sum](const GameRecord &record, int index) { sum.add(record, index); };
    Outcome<void> read = statsTeam == header.TeamName
                             ? folder.eachGameFigures(player, add)
                             : RecordFiles::ReadEachGameFigures(appPath, statsTeam, player, add);
    if (!read)
        return read.failure();
    Outcome<SeasonTotals> totals = sum.totals();
    if (!totals)
        return Failure{
            QStringLiteral("Cannot total \"%1\": %2")
                .arg(RecordFiles::statsFilePath(appPath, statsTeam, player), totals.error())};
    page.totals = *totals;
    page.photoPath = photoPathFor(appPath, page.profile);
    return page;
}

} // namespace

Outcome<PlayerPage> readPlayerPage(const QString &appPath, const QString &team,
                                   const QString &player)
{
    // One opening of the team's folder serves its three files.
    const RecordFiles::TeamFolderReader folder(appPath, team);
    Outcome<TeamHeader> header = folder.teamHeader();
    if (!header)
        return header.failure();
    // The header names the team whose folder holds the player.
    if (header->TeamName != team)
        return readPlayerPage(appPath, *header, player);
    return readPlayerPageIn(appPath, folder, *header, player);
}

Outcome<PlayerPage> readPlayerPage(const QString &appPath, const TeamHeader &header,
                                   const QString &player)
{
    return readPlayerPageIn(appPath, RecordFiles::TeamFolderReader(appPath, header.TeamName),
                            header, player);
}

void takePlayerPage(MainState &state, const PlayerPage &page)
{
    takeTeamHeader(state, page.header);
    takePlayerProfile(state, page.profile);
    state.TeamName = page.profile.TeamName;
    state.PlayerPicturePath = page.photoPath;
    state.totals = page.totals;
    setPositionLabel(state.Position1Label, state.Position1);
    setPositionLabel(state.Position2Label, state.Position2);
}

QStringList finishInterruptedSaves(const QString &appPath)
{
    QStringList told;
    removeAllLeftovers(appPath);
    for (const QString &team : QDir(appPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = appPath + team + QLatin1Char('/');
        if (const std::optional<QString> finished = FileGroup::finishInterrupted(folder))
            told.append(*finished);
        // Only now: a journal's files are named like leftovers until it is finished.
        removeAllLeftovers(folder);
    }
    return told;
}

CurrentTeam::CurrentTeam(const QString &applicationPath)
{
    m_state.ApplicationPath =
        applicationPath.endsWith('/') ? applicationPath : applicationPath + '/';
}

QStringList CurrentTeam::startUp()
{
    const QString &app = m_state.ApplicationPath;
    QStringList problems = finishInterruptedSaves(app);
    Outcome<Settings> settings = RecordFiles::ReadSettings(app);
    if (settings) {
        m_state.TeamName = settings->TeamName;
        m_state.PlayerName = settings->PlayerName;
        m_state.Alignment = settings->Alignment;
        m_state.TeamBorderColor = settings->TeamBorderColor;
    } else if (QFileInfo::exists(RecordFiles::settingsFilePath(app))) {
        problems.append(settings.error() + WithoutTeam);
        m_keepSettingsFile = true;
    }

    std::optional<TeamHeader> teamHeader;
    if (!m_state.TeamName.isEmpty()) {
        if (Outcome<TeamHeader> header = RecordFiles::ReadTeamHeader(app, m_state.TeamName);
            !header) {
            problems.append(header.error() + WithoutTeam);
            m_unusedSettings = *settings;
            m_state.TeamName.clear();
            m_state.PlayerName.clear();
        } else {
            teamHeader = *header;
        }
    }
    m_state.NewTeam = m_state.TeamName.isEmpty();
    m_state.NewPlayer = m_state.PlayerName.isEmpty();
    if (!m_state.NewPlayer) {
        // The header just read serves the page: nothing is read twice at start.
        Outcome<PlayerPage> page = teamHeader
                                       ? readPlayerPage(app, *teamHeader, m_state.PlayerName)
                                       : readPlayerPage(app, m_state.TeamName, m_state.PlayerName);
        if (page) {
            takePlayerPage(m_state, *page);
        } else {
            problems.append(page.error() +
                            QStringLiteral("\n\nScorebinder starts without a current player."));
            m_unusedSettings = *settings;
            m_state.PlayerName.clear();
            m_state.NewPlayer = true;
        }
    }
    m_startTeam = m_state.TeamName;
    m_startPlayer = m_state.PlayerName;
    return problems;
}

Outcome<void> CurrentTeam::refreshPlayer(const std::optional<TeamHeader> &header)
{
    Outcome<PlayerPage> page =
        header ? readPlayerPage(m_state.ApplicationPath, *header, m_state.PlayerName)
               : readPlayerPage(m_state.ApplicationPath, m_state.TeamName, m_state.PlayerName);
    if (!page)
        return page.failure();
    takePlayerPage(m_state, *page);
    return {};
}

Outcome<TeamToOpen> CurrentTeam::readTeamToOpen(const QString &teamFilePath) const
{
    const QString &app = m_state.ApplicationPath;
    Outcome<TeamFile> teamFile = RecordFiles::ReadTeamFileAt(teamFilePath);
    if (!teamFile)
        return teamFile.failure();
    const TeamHeader &header = teamFile->header;
    // The name in the header becomes a folder name: only a plain one will do.
    if (const auto problem = pathPartProblem(header.TeamName))
        return Failure{QStringLiteral("The team file \"%1\" names its team \"%2\", which cannot be "
                                      "the name of a team's folder. %3")
                           .arg(teamFilePath, header.TeamName, *problem)};
    // A team is found through its folder in the program's folder, not through the file chosen.
    const QString inProgramFolder = RecordFiles::teamFilePath(app, header.TeamName);
    if (!QFileInfo::exists(inProgramFolder) || !isInsideFolder(app, inProgramFolder))
        return Failure{QStringLiteral("Teams live in their own folders inside Scorebinder's folder "
                                      "(%1). The team \"%2\" has no folder there, so it cannot be "
                                      "opened.")
                           .arg(QDir::toNativeSeparators(app), header.TeamName)};
    TeamToOpen team{teamFilePath, *teamFile};
    if (const QString &first = teamFile->roster[0].RosterPlayer; !first.isEmpty())
        team.firstPlayer = readPlayerPage(app, header.TeamName, first);
    return team;
}

std::optional<QString> CurrentTeam::open(const TeamToOpen &team)
{
    const TeamHeader &header = team.teamFile.header;
    m_state.TeamPath = team.path;
    m_state.TeamName = header.TeamName;
    takeTeamHeader(m_state, header);
    m_state.PlayerCount = qint16(rosterCount(team.teamFile.roster));
    m_state.PlayerName = team.teamFile.roster[0].RosterPlayer;
    m_state.Position1 = team.teamFile.roster[0].RosterPosition;
    m_state.NewTeam = false;
    m_state.NewPlayer = false;
    if (team.firstPlayer) {
        takePlayerPage(m_state, *team.firstPlayer);
        return std::nullopt;
    }
    // No player, or one whose files cannot be read: the team is open without a current player.
    const bool hadPlayer = !m_state.PlayerName.isEmpty();
    choosePlayer(m_state, QString());
    if (!hadPlayer)
        return std::nullopt;
    return team.firstPlayer.error() +
           QStringLiteral("\n\n%1 is open without a current player.").arg(m_state.TeamName);
}

Outcome<void> CurrentTeam::writeSettings() const
{
    if (m_keepSettingsFile && m_state.TeamName == m_startTeam)
        return {};
    Settings settings{m_state.TeamName, m_state.PlayerName, m_state.Alignment,
                      m_state.TeamBorderColor};
    if (m_unusedSettings && m_state.TeamName == m_startTeam &&
        m_state.PlayerName == m_startPlayer) {
        settings.TeamName = m_unusedSettings->TeamName;
        settings.PlayerName = m_unusedSettings->PlayerName;
    }
    return RecordFiles::WriteSettings(m_state.ApplicationPath, settings);
}
