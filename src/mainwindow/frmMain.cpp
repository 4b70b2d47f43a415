#include "frmMain.h"

#include "cards/frmCardOptions.h"
#include "cards/frmPictureCrop.h"
#include "cards/frmTeamCards.h"
#include "cards/frmViewCard.h"
#include "core/Options.h"
#include "core/RecordFiles.h"
#include "core/RegularFile.h"
#include "core/Roster.h"
#include "core/SeasonNames.h"
#include "core/TeamArchive.h"
#include "core/TeamFolder.h"
#include "documents/SeasonReportPrint.h"
#include "games/frmBoxScore.h"
#include "games/frmSeasonBattingStats.h"
#include "games/frmSeasonPitchingStats.h"
#include "games/frmSingleGameStats.h"
#include "misc/frmAbout.h"
#include "misc/frmHelp.h"
#include "misc/frmTip.h"
#include "platform/BusyPointer.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "platform/TextFit.h"
#include "platform/Units.h"
#include "platform/UserFolders.h"
#include "reports/StatsExport.h"
#include "reports/frmCareerTotals.h"
#include "reports/frmMoreStatistics.h"
#include "reports/frmPitchCounts.h"
#include "reports/frmSeasonProgress.h"
#include "reports/frmTeamBattingStats.h"
#include "reports/frmTeamPitchingStats.h"
#include "tables/PlayerPage.h"
#include "team/frmChoosePlayer.h"
#include "team/frmImportRoster.h"
#include "team/frmNameTeam.h"
#include "team/frmPlayerData.h"
#include "team/frmTeamData.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QStandardPaths>

#include <tuple>
#include <type_traits>
#include <utility>

#include <algorithm>

namespace {

const QString Title = QStringLiteral("Scorebinder");
constexpr qint64 MaxHelpFileBytes = 1024 * 1024;

// The page, in twips: the header rows at the left with the photo at the top right, then the
// batting and the pitching block in four columns of caption and value.
constexpr int PageWidth = 10800;
constexpr int PageHeight = 8460;
constexpr int HeaderCaptionLeft = 240;
constexpr int HeaderValueLeft = 1680;
constexpr int HeaderTop = 240;
constexpr int HeaderRow = 600;
constexpr int PhotoWidth = 3060;
constexpr int PhotoHeight = 4050;
constexpr int BlockColumn = 2640;
constexpr int CaptionWidth = 1560;
constexpr int ValueGap = 60;
constexpr int ValueWidth = 1000;
constexpr int StatsRow = 330;
constexpr int BattingTitleTop = 4440;
constexpr int PitchingTitleTop = 6240;

// A header value stands beside the photo and keeps to the room its layout gives it; a figure
// below the photo widens as far as its text needs.
void showValue(QLabel *value, const QString &text)
{
    if (value->y() < twipsToPixels(HeaderTop + PhotoHeight))
        showWithin(value, text, value->minimumWidth(), 1);
    else
        showWhole(value, text);
}

// A value whose text reaches past the page's right edge widens the page rather than being cut
// there.
void fitPageWidth(QWidget *page, const QHash<QString, QLabel *> &values)
{
    int right = twipsToPixels(PageWidth);
    for (const QLabel *value : values)
        right = std::max(right, value->x() + value->width());
    page->setFixedWidth(right);
}

const QString BackupFilter = QStringLiteral("Team Backups (*.tar.gz)|*.tar.gz");

const char *const TeamItems[] = {
    "mnuBackUp",  "mnuNewSeason",    "mnuBoxScore",     "mnuTeamBat",    "mnuTeamPit",
    "mnuTeamPro", "mnuChoosePlayer", "mnuImportRoster", "actNextPlayer", "actPreviousPlayer",
    "mnuExport",  "mnuMoreStats",    "mnuPitchCounts",  "mnuTeamCards",  "mnuSeasonReport"};
const char *const PlayerItems[] = {"mnuPlyrPro",        "mnuSingle", "mnuSeasonBatting",
                                   "mnuSeasonPitching", "mnuPhoto",  "mnuProgress",
                                   "mnuCareer"};

} // namespace

frmMain::frmMain(const ProgramFolders &folders, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_current(folders.data), m_state(m_current.state()),
      m_appPath(m_state.ApplicationPath), m_dialogs(dialogs), m_windows(*this, dialogs)
{
    m_state.ShippedPath = folders.shipped;
    setObjectName("frmMain");
    setWindowTitle(Title);
    buildMenus();
    buildSummaryPage();
    Timer1.setObjectName("Timer1");
    Timer1.setSingleShot(true);
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &frmMain::showTip);
    startUp();
}

void frmMain::buildMenus()
{
    const auto menu = [&](const char *name, const QString &caption) {
        QMenu *m = menuBar()->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    const auto item = [&](QMenu *m, const char *name, const QString &caption, bool enabled,
                          void (frmMain::*slot)() = nullptr) {
        QAction *action = m->addAction(caption);
        action->setObjectName(name);
        action->setEnabled(enabled);
        if (slot)
            connect(action, &QAction::triggered, this, slot);
        m_items.insert(name, action);
    };

    QMenu *file = menu("mnuFile", "&File");
    item(file, "mnuNewTeam", "New &Team", true, &frmMain::newTeam);
    item(file, "mnuOpenTeam", "Open Tea&m", true, &frmMain::openTeam);
    item(file, "mnuNewSeason", "New &Season...", false, &frmMain::newSeason);
    item(file, "mnuExport", "&Export Statistics...", false, &frmMain::exportStatistics);
    item(file, "mnuSeasonReport", "Print Season Re&port...", false, &frmMain::seasonReport);
    file->addSeparator();
    item(file, "mnuBackUp", "&Back Up Team...", false, &frmMain::backUpTeam);
    item(file, "mnuRestore", "&Restore Team...", true, &frmMain::restoreTeam);
    file->addSeparator();
    item(file, "mnuExit", "E&xit", true, &frmMain::exitProgram);

    QMenu *edit = menu("mnuEdit", "&Profiles");
    item(edit, "mnuPlyrPro", "Edit &Player Profie", false, &frmMain::editPlayer);
    item(edit, "mnuTeamPro", "Edit &Team Profile", false, &frmMain::editTeam);
    item(edit, "mnuChoosePlayer", "&Choose Player...", false, &frmMain::choosePlayerFromList);
    item(edit, "mnuImportRoster", "Import &Roster...", false, &frmMain::importRoster);
    // Not Ctrl+P, which desktops keep for Print.
    m_items["mnuChoosePlayer"]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    // The next and the previous roster player, from anywhere in the main window.
    for (const auto &[name, key, step] : {std::tuple{"actNextPlayer", Qt::Key_PageDown, 1},
                                          std::tuple{"actPreviousPlayer", Qt::Key_PageUp, -1}}) {
        auto *action = new QAction(this);
        action->setObjectName(name);
        action->setEnabled(false);
        m_items.insert(name, action);
        action->setShortcut(QKeySequence(Qt::CTRL | key));
        connect(action, &QAction::triggered, this,
                [this, step = step] { choosePlayerBeside(step); });
        addAction(action);
    }

    QMenu *stats = menu("mnuStats", "&Stats");
    item(stats, "mnuBoxScore", "Enter Bo&x Score...", false, &frmMain::enterBoxScore);
    m_items["mnuBoxScore"]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    item(stats, "mnuSingle", "Enter/View &Game Stats", false, &frmMain::enterGames);
    stats->addSeparator();
    item(stats, "mnuSeasonBatting", "Batting Stats by Game", false, &frmMain::battingByGame);
    item(stats, "mnuSeasonPitching", "Pitching Stats by Game", false, &frmMain::pitchingByGame);
    stats->addSeparator();
    item(stats, "mnuTeamBat", "Team &Batting Stats", false, &frmMain::teamBatting);
    item(stats, "mnuTeamPit", "Team &Pitching Stats", false, &frmMain::teamPitching);
    stats->addSeparator();
    item(stats, "mnuMoreStats", "&More Statistics", false, &frmMain::moreStatistics);
    item(stats, "mnuPitchCounts", "Pitch &Counts", false, &frmMain::pitchCounts);
    item(stats, "mnuProgress", "Season P&rogress", false, &frmMain::seasonProgress);
    item(stats, "mnuCareer", "Career &Totals", false, &frmMain::careerTotals);

    QMenu *card = menu("mnuCard", "&Trading Card");
    item(card, "mnuPhoto", "&Edit Picture", false, &frmMain::editPicture);
    item(card, "mnuViewCard", "&View Card", true, &frmMain::viewCard);
    item(card, "mnuOptions", "Card O&ptions", true, &frmMain::cardOptions);
    card->addSeparator();
    item(card, "mnuTeamCards", "Print &Team Cards...", false, &frmMain::teamCards);

    QMenu *help = menu("mnuHep", "&Help");
    item(help, "mnuIndex", "&Index", true, &frmMain::showHelp);
    help->addSeparator();
    item(help, "mnuAbout", "&About...", true);
    connect(m_items["mnuAbout"], &QAction::triggered, this,
            [this] { showWindow<frmAbout>({}, [this] { return new frmAbout(this); }); });
    // The keys every desktop program answers to; the captions stay as they are.
    for (const auto &[name, key] : {std::pair{"mnuNewTeam", QKeySequence(Qt::CTRL | Qt::Key_N)},
                                    std::pair{"mnuOpenTeam", QKeySequence(Qt::CTRL | Qt::Key_O)},
                                    std::pair{"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                                    std::pair{"mnuIndex", QKeySequence(Qt::Key_F1)}})
        if (QAction *action = m_items.value(name))
            action->setShortcut(key);
}

void frmMain::buildSummaryPage()
{
    auto *page = new QWidget(this);
    page->setObjectName("summaryPage");
    page->setFixedSize(twipsToPixels(PageWidth), twipsToPixels(PageHeight));
    setCentralWidget(page);

    const auto label = [&](const QString &name, const QString &text, const QFont &f,
                           const QRect &twips,
                           Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        auto *l = new QLabel(text, page);
        if (!name.isEmpty())
            l->setObjectName(name);
        l->setFont(f);
        l->setAlignment(align);
        placeFitted(l, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        fitToText(l);
        return l;
    };

    const QFont headerCaption = windowFont("MS Sans Serif", 13.5);
    const QFont headerValue = windowFont("Comic Sans MS", 14.25);
    const int valueWidth = PageWidth - PhotoWidth - 480 - HeaderValueLeft;
    int top = HeaderTop;
    for (const SummaryHeaderRow &row : summaryHeaderRows()) {
        label(row.captionName, row.caption, headerCaption,
              QRect(HeaderCaptionLeft, top, 1380, 390));
        m_values.insert(row.value, label(row.value, "", headerValue,
                                         QRect(HeaderValueLeft, top, valueWidth, 390)));
        top += HeaderRow;
    }
    m_values.insert("lblSeason", label("lblSeason", "", headerValue,
                                       QRect(HeaderValueLeft, top, valueWidth, 390)));

    picPlayer = new QLabel(page);
    picPlayer->setObjectName("picPlayer");
    picPlayer->setAlignment(Qt::AlignCenter);
    picPlayer->setFrameShape(QFrame::Box);
    picPlayer->setGeometry(
        twipsRect(PageWidth - PhotoWidth - 240, HeaderTop, PhotoWidth, PhotoHeight));

    const QFont title = windowFont("Arial", 12, true, true);
    const QFont stats = windowFont("MS Sans Serif", 12, true);
    const auto block = [&](const QString &heading, int titleTop,
                           const QVector<QVector<SummaryPair>> &rows) {
        label("", heading, title, QRect(HeaderCaptionLeft, titleTop, 3000, 330));
        int rowTop = titleTop + 390;
        for (const QVector<SummaryPair> &row : rows) {
            for (int column = 0; column < row.size(); ++column) {
                if (!*row[column].caption)
                    continue;
                const int left = HeaderCaptionLeft + column * BlockColumn;
                label("", row[column].caption, stats, QRect(left, rowTop, CaptionWidth, StatsRow),
                      Qt::AlignRight | Qt::AlignVCenter);
                m_values.insert(row[column].value, label(row[column].value, "", stats,
                                                         QRect(left + CaptionWidth + ValueGap,
                                                               rowTop, ValueWidth, StatsRow)));
            }
            rowTop += StatsRow;
        }
    };
    block(SummaryBattingTitle, BattingTitleTop, summaryBattingRows());
    block(SummaryPitchingTitle, PitchingTitleTop, summaryPitchingRows());
    // The page's texts always come in one order: their labels are found once, not at every refresh.
    for (const auto &[name, text] : summaryTexts(MainState{}))
        m_summaryLabels.append(m_values.value(QString::fromLatin1(name)));
}

void frmMain::startUp()
{
    m_startUpProblems = m_current.startUp();
    const Options::TipsRead tips = Options::readTips(m_appPath);
    if (!tips.problem.isEmpty())
        m_startUpProblems.append(tips.problem);
    if (!m_state.NewTeam)
        enableTeamItems();
    if (!m_state.NewPlayer) {
        showPage();
        enablePlayerItems();
    }
    if (tips.showAtStartUp)
        Timer1.start();
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Once the show is done, so that the messages stand over the main window.
    if (!m_startUpProblems.isEmpty())
        QTimer::singleShot(0, this, &frmMain::tellStartUpProblems);
}

void frmMain::tellStartUpProblems()
{
    const QStringList problems = std::exchange(m_startUpProblems, {});
    if (problems.isEmpty())
        return;
    // The tip waits until the user has read them.
    const bool tipDue = Timer1.isActive();
    Timer1.stop();
    for (const QString &problem : problems)
        tell(problem);
    if (tipDue)
        Timer1.start();
}

void frmMain::enableTeamItems()
{
    for (const char *name : TeamItems)
        m_items[name]->setEnabled(true);
}

void frmMain::enablePlayerItems()
{
    enableTeamItems();
    for (const char *name : PlayerItems)
        m_items[name]->setEnabled(true);
}

Outcome<void> frmMain::refreshPage(const std::optional<TeamHeader> &header)
{
    Outcome<void> refreshed = [&] {
        BusyPointer busy;
        return m_current.refreshPlayer(header);
    }();
    if (refreshed)
        showPage();
    return refreshed;
}

void frmMain::filesChanged()
{
    for (StatsTableWindow *report : std::initializer_list<StatsTableWindow *>{
             openedWindow<frmSeasonBattingStats>(), openedWindow<frmSeasonPitchingStats>(),
             openedWindow<frmTeamBattingStats>(), openedWindow<frmTeamPitchingStats>()})
        if (report)
            report->refill();
    if (auto *more = openedWindow<frmMoreStatistics>())
        more->refill();
    if (auto *counts = openedWindow<frmPitchCounts>())
        counts->refill();
    if (auto *progress = openedWindow<frmSeasonProgress>())
        progress->refill();
    if (auto *career = openedWindow<frmCareerTotals>())
        career->refill();
}

template <class Report>
void frmMain::showReport(const WindowOwner &owner)
{
    Report *open = openedWindow<Report>();
    if constexpr (std::is_base_of_v<GameListWindow, Report> ||
                  std::is_same_v<frmSeasonProgress, Report> ||
                  std::is_same_v<frmCareerTotals, Report>) {
        if (open && open->player() != owner.player) {
            open->close();
            open = nullptr;
        }
    }
    if (open)
        open->refill();
    showWindow<Report>(owner, [this] { return new Report(*this); });
}

bool frmMain::UpdateMainPage()
{
    return updateMainPage(std::nullopt);
}

bool frmMain::updateMainPage(const std::optional<TeamHeader> &header)
{
    filesChanged();
    if (Outcome<void> refreshed = refreshPage(header); !refreshed) {
        tell(refreshed.error() +
             QStringLiteral("\n\nThe summary page still shows what it showed before."));
        return false;
    }
    enablePlayerItems();
    return true;
}

void frmMain::showPage()
{
    const LabelTexts texts = summaryTexts(m_state);
    for (qsizetype i = 0; i < texts.size(); ++i)
        if (texts[i].second)
            showValue(m_summaryLabels[i], *texts[i].second);
    fitPageWidth(centralWidget(), m_values);
    showPhoto();
}

void frmMain::showPhoto()
{
    const QString &path = m_state.PlayerPicturePath;
    const std::optional<FileStamp> stamp = fileStamp(path);
    if (stamp && m_shownPhoto && m_shownPhoto->path == path && m_shownPhoto->stamp == *stamp)
        return;
    m_shownPhoto.reset();
    // A photo that cannot be loaded leaves the box empty; the rest of the page still stands.
    Outcome<QImage> picture = LoadPicture(path);
    m_playerPicture = picture ? *picture : QImage();
    if (m_playerPicture.isNull()) {
        picPlayer->clear();
        return;
    }
    if (stamp)
        m_shownPhoto = ShownPhoto{path, *stamp};
    picPlayer->setPixmap(QPixmap::fromImage(m_playerPicture.scaled(
        picPlayer->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void frmMain::clearPlayerPage()
{
    for (QLabel *value : std::as_const(m_values))
        showValue(value, QString());
    fitPageWidth(centralWidget(), m_values);
    clearPlayerPicture();
}

void frmMain::openTeam()
{
    const std::optional<QString> path =
        m_dialogs.openFile("Team Files (*.tea)|*.tea", 1, "Open Existing Team", m_appPath);
    if (!path)
        return;
    Outcome<TeamToOpen> team = [&] {
        BusyPointer busy;
        return m_current.readTeamToOpen(*path);
    }();
    if (!team) {
        tell(team.error());
        return;
    }
    const QString &name = team->teamFile.header.TeamName;
    if (name != m_state.TeamName && !releaseWindows(m_state.TeamName))
        return;
    makeCurrent(*team);
}

void frmMain::makeCurrent(const TeamToOpen &team)
{
    const std::optional<QString> problem = m_current.open(team);
    enablePlayerItems();
    if (!m_state.PlayerName.isEmpty()) {
        showPage();
        return;
    }
    clearPlayerPage();
    showValue(m_values["lblTeamName"], m_state.TeamName);
    showValue(m_values["lblSeason"], m_state.Season);
    fitPageWidth(centralWidget(), m_values);
    if (problem)
        tell(*problem);
}

// A new team for the next season from the current one's roster; the old team stays as it is.
void frmMain::newSeason()
{
    const QString title = QStringLiteral("New Season");
    const SeasonNames proposed =
        proposeNextSeason(m_state.TeamName, m_state.Season, QDate::currentDate());
    const std::optional<QString> team = m_dialogs.askText(
        title,
        QStringLiteral("The new season's team name (%1 stays as it is):").arg(m_state.TeamName),
        proposed.team);
    if (!team || team->isEmpty())
        return;
    const std::optional<QString> season =
        m_dialogs.askText(title, QStringLiteral("Season:"), proposed.season);
    if (!season || !releaseWindows(m_state.TeamName))
        return;
    Outcome<TeamToOpen> created = [&]() -> Outcome<TeamToOpen> {
        BusyPointer busy;
        Outcome<TeamFile> teamFile =
            TeamFolder::newSeason(m_appPath, m_state.TeamName, *team, *season);
        if (!teamFile)
            return teamFile.failure();
        return m_current.readTeamToOpen(RecordFiles::teamFilePath(m_appPath, *team));
    }();
    if (!created) {
        tell(created.error());
        return;
    }
    makeCurrent(*created);
}

void frmMain::backUpTeam()
{
    const QString title = QStringLiteral("Back Up Team");
    const std::optional<QString> path =
        m_dialogs.saveFile(BackupFilter, title,
                           documentsFolder() + QLatin1Char('/') +
                               TeamArchive::backupFileName(m_state.TeamName, QDate::currentDate()));
    if (!path)
        return;
    Outcome<void> written = [&] {
        BusyPointer busy;
        return TeamArchive::writeBackup(m_appPath, m_state.TeamName, *path);
    }();
    if (!written) {
        tell(written.error());
        return;
    }
    m_dialogs.message(QStringLiteral("%1 is backed up in \"%2\". Restore Team reads it back.")
                          .arg(m_state.TeamName, QDir::toNativeSeparators(*path)),
                      title, MessageButtons::OK, MessageIcon::Information);
}

// A backup checked and shown before anything is written; an existing team is replaced only when
// the user says so. The restored team becomes the current one.
void frmMain::restoreTeam()
{
    const QString title = QStringLiteral("Restore Team");
    const std::optional<QString> path =
        m_dialogs.openFile(BackupFilter, 1, title, documentsFolder());
    if (!path)
        return;
    Outcome<TeamArchive::Backup> backup = [&] {
        BusyPointer busy;
        return TeamArchive::readBackup(*path);
    }();
    if (!backup) {
        tell(backup.error());
        return;
    }
    const TeamHeader &header = backup->teamFile.header;
    const QString &team = header.TeamName;
    if (m_dialogs.message(
            QStringLiteral("\"%1\" holds the team %2%3: %4 players, %5 games.\n\n"
                           "Restore it?")
                .arg(QDir::toNativeSeparators(*path), team,
                     header.Season.isEmpty() ? QString()
                                             : QStringLiteral(" (%1)").arg(header.Season))
                .arg(backup->players)
                .arg(backup->games),
            title, MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
        return;
    if (QFileInfo::exists(RecordFiles::teamFolderPath(m_appPath, team)) &&
        m_dialogs.message(QStringLiteral("A team named %1 exists. Replace its files with the "
                                         "backup's?")
                              .arg(team),
                          title, MessageButtons::YesNo,
                          MessageIcon::Exclamation) != MessageAnswer::Yes)
        return;
    if (!releaseWindows(m_state.TeamName) || !releaseWindows(team))
        return;
    Outcome<TeamToOpen> restored = [&]() -> Outcome<TeamToOpen> {
        BusyPointer busy;
        if (Outcome<void> written = TeamFolder::restoreTeam(m_appPath, *backup); !written)
            return written.failure();
        return m_current.readTeamToOpen(RecordFiles::teamFilePath(m_appPath, team));
    }();
    if (!restored) {
        tell(restored.error());
        return;
    }
    makeCurrent(*restored);
}

std::optional<WindowOwner> frmMain::currentPlayerOwner()
{
    if (m_state.PlayerName.isEmpty()) {
        tell(QStringLiteral("Choose a player first: click a name in the team profile, or add a "
                            "player there."),
             MessageIcon::Information);
        return std::nullopt;
    }
    return WindowOwner{m_state.TeamName, m_state.PlayerName};
}

void frmMain::newTeam()
{
    showWindow<frmNameTeam>({}, [this] { return new frmNameTeam(*this); });
}

void frmMain::editTeam()
{
    showWindow<frmTeamData>(currentTeamOwner(), [this] { return frmTeamData::open(*this); });
    connectTeamWindow();
}

// A player form and a roster import tell the team window what they stored, whichever opened first.
void frmMain::connectTeamWindow()
{
    auto *team = openedWindow<frmTeamData>();
    if (!team)
        return;
    if (auto *form = openedWindow<frmPlayerData>())
        team->listenTo(*form);
    if (auto *import = openedWindow<frmImportRoster>())
        team->listenTo(*import);
}

void frmMain::enterBoxScore()
{
    showWindow<frmBoxScore>(currentTeamOwner(), [this] { return frmBoxScore::open(*this); });
}

void frmMain::importRoster()
{
    showWindow<frmImportRoster>(currentTeamOwner(),
                                [this] { return frmImportRoster::open(*this); });
    connectTeamWindow();
}

void frmMain::choosePlayerFromList()
{
    showWindow<frmChoosePlayer>(currentTeamOwner(),
                                [this] { return frmChoosePlayer::open(*this); });
}

void frmMain::choosePlayerBeside(int step)
{
    if (m_state.TeamName.isEmpty())
        return;
    Outcome<TeamFile> team = RecordFiles::ReadTeamFile(m_appPath, m_state.TeamName);
    if (!team) {
        tell(team.error());
        return;
    }
    const QString next = rosterNeighbour(team->roster, m_state.PlayerName, step);
    if (next.isEmpty() || next == m_state.PlayerName)
        return;
    if (const auto refused = cannotBeCurrent(next)) {
        tell(*refused);
        return;
    }
    choosePlayer(m_state, next);
    updateMainPage(team->header);
}

void frmMain::editPlayer()
{
    // With NewPlayer set (a new team) the player window creates a player of the team.
    std::optional<WindowOwner> owner =
        m_state.NewPlayer ? std::optional(currentTeamOwner()) : currentPlayerOwner();
    if (!owner)
        return;
    m_state.CameFromMain = true;
    showWindow<frmPlayerData>(*owner, [this] { return frmPlayerData::open(*this); });
    connectTeamWindow();
}

void frmMain::enterGames()
{
    if (const auto owner = currentPlayerOwner())
        showWindow<frmSingleGameStats>(*owner, [this] { return frmSingleGameStats::open(*this); });
}

void frmMain::battingByGame()
{
    if (const auto owner = currentPlayerOwner())
        showReport<frmSeasonBattingStats>(*owner);
}

void frmMain::pitchingByGame()
{
    if (const auto owner = currentPlayerOwner())
        showReport<frmSeasonPitchingStats>(*owner);
}

void frmMain::teamBatting()
{
    showReport<frmTeamBattingStats>(currentTeamOwner());
}

void frmMain::teamPitching()
{
    showReport<frmTeamPitchingStats>(currentTeamOwner());
}

void frmMain::moreStatistics()
{
    showReport<frmMoreStatistics>(currentTeamOwner());
}

void frmMain::pitchCounts()
{
    showReport<frmPitchCounts>(currentTeamOwner());
}

void frmMain::seasonProgress()
{
    if (const auto owner = currentPlayerOwner())
        showReport<frmSeasonProgress>(*owner);
}

void frmMain::careerTotals()
{
    if (const auto owner = currentPlayerOwner())
        showReport<frmCareerTotals>(*owner);
}

void frmMain::viewCard()
{
    if (const auto owner = currentPlayerOwner())
        showWindow<frmViewCard>(*owner, [this] { return new frmViewCard(*this); });
}

void frmMain::editPicture()
{
    if (const auto owner = currentPlayerOwner())
        showWindow<frmPictureCrop>(*owner, [this] { return new frmPictureCrop(*this); });
}

void frmMain::seasonReport()
{
    printSeasonReport(*this);
}

void frmMain::teamCards()
{
    showWindow<frmTeamCards>(currentTeamOwner(), [this] { return new frmTeamCards(*this); });
}

void frmMain::cardOptions()
{
    frmCardOptions::showFor(*this);
}

void frmMain::exportStatistics()
{
    const std::optional<QString> folder =
        m_dialogs.chooseFolder(QStringLiteral("Export Statistics"), documentsFolder());
    if (!folder)
        return;
    Outcome<QStringList> written = [&] {
        BusyPointer busy;
        return StatsExport::exportTeam(m_appPath, m_state.TeamName, *folder);
    }();
    if (!written) {
        tell(written.error());
        return;
    }
    m_dialogs.message(QStringLiteral("The statistics of %1 are in \"%2\":\n\n%3")
                          .arg(m_state.TeamName, QDir::toNativeSeparators(*folder),
                               written->join(QLatin1Char('\n'))),
                      QStringLiteral("Export Statistics"), MessageButtons::OK,
                      MessageIcon::Information);
}

void frmMain::showHelp()
{
    const QString path = m_state.ShippedPath + QStringLiteral("Scorebinder Baseball.html");
    if (!QFileInfo::exists(path)) {
        tell(QStringLiteral(
                 "The help file \"%1\" was not found. Reinstall Scorebinder to get it back.")
                 .arg(QDir::toNativeSeparators(path)));
        return;
    }
    // A pipe, a device or a huge file in its place must not hang the program.
    if (Outcome<QByteArray> readable = readRegularFile(path, MaxHelpFileBytes); !readable) {
        tell(QStringLiteral("The help file \"%1\" cannot be shown: %2 Reinstall Scorebinder to "
                            "get it back.")
                 .arg(QDir::toNativeSeparators(path), readable.error()));
        return;
    }
    showWindow<frmHelp>({}, [this, path] { return new frmHelp(path, this); });
}

void frmMain::showTip()
{
    Timer1.stop();
    showWindow<frmTip>({}, [this] {
        auto *tip = new frmTip(m_state.ShippedPath, this);
        tip->chkShowTips->setChecked(Options::readTips(m_appPath).showAtStartUp);
        connect(tip->chkShowTips, &QCheckBox::toggled, this, [this](bool show) {
            if (Outcome<void> kept = Options::writeTips(m_appPath, show); !kept)
                tell(kept.error());
        });
        return tip;
    });
}

QWidget *frmMain::showWindow(const QMetaObject &key, const WindowOwner &owner,
                             const std::function<QWidget *()> &create)
{
    return m_windows.show(key, owner, create);
}

QWidget *frmMain::openedWindow(const QMetaObject &key) const
{
    return m_windows.find(key);
}

bool frmMain::releaseWindows(const QString &team, const QString &player)
{
    return m_windows.release(team, player,
                             player.isEmpty() ? QStringLiteral("before the team changes")
                                              : QStringLiteral("before %1 is deleted").arg(player));
}

void frmMain::clearPlayerPicture()
{
    m_shownPhoto.reset();
    m_playerPicture = QImage();
    picPlayer->clear();
}

void frmMain::exitProgram()
{
    if (m_dialogs.message("Do you want to exit?", "Exit", MessageButtons::YesNo,
                          MessageIcon::None) != MessageAnswer::Yes)
        return;
    if (!releaseBeforeClosing())
        return;
    if (Outcome<void> written = m_current.writeSettings(); !written) {
        tell(written.error() +
             QStringLiteral("\n\nScorebinder stays open so that nothing is lost."));
        return;
    }
    m_exiting = true;
    QCoreApplication::exit(0);
}

// The windows holding edits ask first, as when the team changes; Cancel keeps the program open.
bool frmMain::releaseBeforeClosing()
{
    return m_windows.release(m_state.TeamName, QString(),
                             QStringLiteral("before Scorebinder closes"));
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!m_exiting && !releaseBeforeClosing()) {
        event->ignore();
        return;
    }
    if (!m_exiting) {
        if (Outcome<void> written = m_current.writeSettings(); !written)
            tell(written.error());
    }
    m_exiting = true;
    event->accept();
    QCoreApplication::exit(0);
}

void frmMain::tell(const QString &text, MessageIcon icon)
{
    m_dialogs.message(text, Title, MessageButtons::OK, icon);
}
