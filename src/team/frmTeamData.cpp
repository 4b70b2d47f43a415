#include "frmTeamData.h"

#include <QCloseEvent>

#include "core/CodeTables.h"
#include "core/CurrentTeam.h"
#include "core/KeyRules.h"
#include "core/NameCheck.h"
#include "core/RecordFiles.h"
#include "core/TeamFolder.h"
#include "frmImportRoster.h"
#include "frmPlayerData.h"
#include "platform/BusyPointer.h"
#include "platform/ClickLabel.h"
#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/KeyFilter.h"
#include "platform/TextFit.h"
#include "platform/Units.h"
#include "platform/WindowHost.h"

namespace {

const QString Title = QStringLiteral("Team Profile");

// The roster in twips: three columns of nine slots under their headings, rows 480 apart; each
// slot shows its "X" button, the name and the short position.
constexpr int RosterLeft = 240;
constexpr int RosterColumn = 3120;
constexpr int RosterHeadingTop = 2100;
constexpr int RosterTop = 2460;
constexpr int RosterRow = 480;
constexpr int SlotsPerColumn = 9;
constexpr int NameWidth = 1980;
constexpr int ButtonsLeft = 6960;

QPoint slotOrigin(int slot)
{
    return QPoint(RosterLeft + (slot / SlotsPerColumn) * RosterColumn,
                  RosterTop + (slot % SlotsPerColumn) * RosterRow);
}

// Codes -1 to 10 have a short name (empty for -1 and 0); other codes keep the old caption.
void showPosition(QLabel *label, int code)
{
    if (code >= -1 && code <= 10)
        label->setText(Codes::positionShortName(code));
}

} // namespace

frmTeamData *frmTeamData::open(WindowHost &main)
{
    auto *window = new frmTeamData(main);
    main.state().PlayerCount = 0;
    if (!window->LoadTeam()) {
        delete window;
        return nullptr;
    }
    return window;
}

frmTeamData::frmTeamData(WindowHost &main) : m_main(main), m_team(main.state().TeamName)
{
    setObjectName("frmTeamData");
    setWindowTitle(Title);
    setFixedSize(twipsToPixels(RosterLeft + 3 * RosterColumn),
                 twipsToPixels(RosterTop + SlotsPerColumn * RosterRow + 120));

    const QFont captionFont = windowFont("MS Sans Serif", 9.75, true);
    const auto caption = [&](const QString &text, int top) {
        auto *label = new QLabel(text, this);
        label->setFont(captionFont);
        label->setGeometry(twipsRect(240, top, 1440, 345));
    };
    const auto textBox = [&](const char *name, int top) {
        auto *box = new QLineEdit(this);
        box->setObjectName(name);
        box->setGeometry(twipsRect(1800, top, 3600, 345));
        return box;
    };
    caption("Team Name:", 240);
    lblTeamName = new QLabel(this);
    lblTeamName->setObjectName("lblTeamName");
    lblTeamName->setFont(windowFont("MS Sans Serif", 9.75, true));
    placeFitted(lblTeamName, twipsRect(1800, 240, 3600, 345));
    caption("Head Coach:", 720);
    txtCoach = textBox("txtCoach", 720);
    caption("Asst. Coach:", 1200);
    txtAsst = textBox("txtAsst", 1200);
    caption("Season:", 1680);
    txtSeason = textBox("txtSeason", 1680);
    filterKeys(txtCoach, Keys::isNameKey);
    filterKeys(txtAsst, Keys::isNameKey);
    // The record format has no way to store a double quote.
    filterKeys(txtSeason, [](QChar c) { return c != QLatin1Char('"'); });

    const auto button = [&](const char *name, const QString &text, int top) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(twipsRect(ButtonsLeft, top, 2040, 420));
        return b;
    };
    // Four buttons above the roster's headings.
    cmdAddPlayer = button("cmdAddPlayer", "&Add Player", 240);
    cmdImport = button("cmdImport", "&Import Player", 690);
    cmdImportRoster = button("cmdImportRoster", "Import &Roster", 1140);
    cmdSubmit = button("cmdSubmit", "&Submit", 1590);
    connect(cmdAddPlayer, &QPushButton::clicked, this, &frmTeamData::addPlayer);
    connect(cmdImport, &QPushButton::clicked, this, &frmTeamData::importPlayer);
    connect(cmdImportRoster, &QPushButton::clicked, this, &frmTeamData::importRoster);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmTeamData::submit);
    // No Cancel here: Esc closes the window, as its frame does.
    behaveLikeDialog(*this, cmdSubmit, nullptr);

    const QFont headingFont = windowFont("MS Sans Serif", 9.75, true, true);
    for (int column = 0; column < 3; ++column) {
        const int left = RosterLeft + column * RosterColumn;
        for (const auto &[text, x] :
             {std::pair{"Player", left + 360}, std::pair{"Pos.", left + 2400}}) {
            auto *heading = new QLabel(text, this);
            heading->setFont(headingFont);
            heading->setGeometry(twipsRect(x, RosterHeadingTop, 1200, 300));
        }
    }
    const QFont slotFont = windowFont("MS Sans Serif", 9.75);
    for (int slot = 0; slot < RosterSlots; ++slot) {
        const QPoint origin = slotOrigin(slot);
        cmdDelete[slot] = new QPushButton("X", this);
        cmdDelete[slot]->setObjectName(QStringLiteral("cmdDelete%1").arg(slot));
        cmdDelete[slot]->setGeometry(twipsRect(origin.x(), origin.y(), 300, 300));
        connect(cmdDelete[slot], &QPushButton::clicked, this, [this, slot] { deletePlayer(slot); });

        lblPlayer[slot] = new ClickLabel(this);
        lblPlayer[slot]->setObjectName(QStringLiteral("lblPlayer%1").arg(slot));
        lblPlayer[slot]->setFont(slotFont);
        lblPlayer[slot]->setCursor(Qt::PointingHandCursor);
        // Reached with Tab, chosen with Enter or Space, as with the mouse.
        lblPlayer[slot]->setFocusPolicy(Qt::TabFocus);
        placeFitted(lblPlayer[slot], twipsRect(origin.x() + 360, origin.y(), NameWidth, 300));
        connect(lblPlayer[slot], &ClickLabel::clicked, this, [this, slot] { selectPlayer(slot); });

        lblPosition[slot] = new QLabel(this);
        lblPosition[slot]->setObjectName(QStringLiteral("lblPosition%1").arg(slot));
        lblPosition[slot]->setFont(slotFont);
        lblPosition[slot]->setGeometry(twipsRect(origin.x() + 2400, origin.y(), 600, 300));
    }
}

bool frmTeamData::LoadTeam()
{
    MainState &state = m_main.state();
    Outcome<TeamFile> teamFile = [&] {
        BusyPointer busy;
        return RecordFiles::ReadTeamFile(state.ApplicationPath, m_team);
    }();
    if (!teamFile) {
        tell(teamFile.error());
        return false;
    }
    m_stored = teamFile->header;
    Roster roster = teamFile->roster;
    // The roster follows the current player's primary position.
    for (RosterEntry &entry : roster)
        if (entry.RosterPlayer == state.PlayerName)
            entry.RosterPosition = state.Position1;
    showRoster(roster);
    takeTeamProfile(state, m_stored);
    // The team's name may reach the buttons, then take a second line above the coach's box.
    showWithin(lblTeamName, m_team, twipsToPixels(ButtonsLeft - 60) - lblTeamName->x(), 2);
    txtCoach->setText(state.Coach);
    txtAsst->setText(state.Asst);
    txtSeason->setText(state.Season);
    return true;
}

void frmTeamData::showSlot(int slot)
{
    const RosterEntry &entry = m_roster[slot];
    const bool occupied = !entry.RosterPlayer.isEmpty();
    // A long name takes a second line of its row rather than running into its position.
    showWithin(lblPlayer[slot], entry.RosterPlayer, twipsToPixels(NameWidth), 2);
    showPosition(lblPosition[slot], entry.RosterPosition);
    lblPlayer[slot]->setVisible(occupied);
    lblPosition[slot]->setVisible(occupied);
    cmdDelete[slot]->setVisible(occupied);
}

TeamFile frmTeamData::shownTeamFile(const Roster &roster) const
{
    TeamFile shown;
    shown.header = m_stored;
    shown.header.Coach = txtCoach->text();
    shown.header.Asst = txtAsst->text();
    shown.header.Season = txtSeason->text();
    shown.header.TeamBorderColor = m_main.state().TeamBorderColor;
    shown.roster = roster;
    return shown;
}

bool frmTeamData::SaveTeam()
{
    Outcome<TeamFile> stored = [&] {
        BusyPointer busy;
        return TeamFolder::storeTeamProfile(m_main.state().ApplicationPath,
                                            shownTeamFile(m_roster));
    }();
    if (!stored) {
        tell(stored.error(), MessageIcon::Critical);
        return false;
    }
    showStored(*stored);
    return true;
}

void frmTeamData::showStored(const TeamFile &stored)
{
    m_stored = stored.header;
    takeTeamProfile(m_main.state(), m_stored);
    showRoster(stored.roster);
}

// The roster as stored, each slot with its stored position.
void frmTeamData::showRoster(const Roster &roster)
{
    m_roster = roster;
    for (int slot = 0; slot < RosterSlots; ++slot)
        showSlot(slot);
    m_main.state().PlayerCount = qint16(rosterCount(m_roster));
    m_rosterActive = true;
}

bool frmTeamData::hasUnsavedEdits() const
{
    return txtCoach->text() != m_stored.Coach || txtAsst->text() != m_stored.Asst ||
           txtSeason->text() != m_stored.Season;
}

void frmTeamData::submit()
{
    if (m_main.state().PlayerName.isEmpty()) {
        m_main.dialogs().message("Team must have at least one player", Title, MessageButtons::OK,
                                 MessageIcon::Information);
        return;
    }
    if (!SaveTeam())
        return;
    m_main.UpdateMainPage();
    close();
}

void frmTeamData::selectPlayer(int slot)
{
    if (!m_rosterActive)
        return;
    const QString chosen = m_roster[slot].RosterPlayer;
    if (const auto refused = cannotBeCurrent(chosen)) {
        tell(*refused);
        return;
    }
    if (!SaveTeam())
        return;
    choosePlayer(m_main.state(), chosen);
    m_main.UpdateMainPage();
    close();
}

bool frmTeamData::rosterIsFull()
{
    if (m_main.state().PlayerCount < RosterSlots)
        return false;
    tell(fullRosterMessage());
    return true;
}

void frmTeamData::addPlayer()
{
    if (rosterIsFull())
        return;
    cmdSubmit->setEnabled(false);
    m_rosterActive = false;
    MainState &state = m_main.state();
    state.NewPlayer = true;
    state.CameFromMain = false;
    frmPlayerData *form = m_main.showWindow<frmPlayerData>(
        {m_team, QString()}, [this] { return frmPlayerData::open(m_main); });
    if (form)
        listenTo(*form);
    else
        EnableTeamFeatures();
}

void frmTeamData::listenTo(frmPlayerData &form)
{
    connect(&form, &frmPlayerData::newPlayerOnRoster, this, &frmTeamData::takeNewPlayer,
            Qt::UniqueConnection);
    connect(&form, &frmPlayerData::closedWithoutSubmit, this, &frmTeamData::EnableTeamFeatures,
            Qt::UniqueConnection);
    connect(&form, &frmPlayerData::playerRenamed, this, &frmTeamData::showStored,
            Qt::UniqueConnection);
}

void frmTeamData::listenTo(frmImportRoster &import)
{
    connect(&import, &frmImportRoster::rosterImported, this, &frmTeamData::showStored,
            Qt::UniqueConnection);
}

void frmTeamData::importRoster()
{
    if (rosterIsFull())
        return;
    if (frmImportRoster *import = m_main.showWindow<frmImportRoster>(
            {m_team, QString()}, [this] { return frmImportRoster::open(m_main); }))
        listenTo(*import);
}

void frmTeamData::takeNewPlayer(const QString &team, int slot)
{
    if (team == m_team)
        UpdateWithNewPlayer(slot);
}

void frmTeamData::UpdateWithNewPlayer(int slot)
{
    const MainState &state = m_main.state();
    m_roster[slot] = {state.PlayerName, state.Position1};
    showSlot(slot);
    EnableTeamFeatures();
}

void frmTeamData::EnableTeamFeatures()
{
    cmdSubmit->setEnabled(true);
    m_rosterActive = true;
}

void frmTeamData::importPlayer()
{
    if (!rosterIsFull()) {
        const std::optional<QString> path =
            m_main.dialogs().openFile("Player Files (*.ply) |*.ply", 1, "Select Player To Import",
                                      m_main.state().ApplicationPath);
        if (path) {
            if (Outcome<void> imported = importFrom(*path); !imported)
                tell(imported.error());
        }
    }
    EnableTeamFeatures();
}

// Everything is read from the source, and the player's place on the roster found, before the
// question and before anything is written here.
Outcome<void> frmTeamData::importFrom(const QString &path)
{
    MainState &state = m_main.state();
    const QString &app = state.ApplicationPath;
    Outcome<TeamFolder::PlayerImport> source = TeamFolder::readPlayerToImport(app, m_team, path);
    if (!source)
        return source.failure();
    const bool keepStats = m_main.dialogs().message(
                               "Do you want to keep this player's existing stats?", "Import Player",
                               MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
    Outcome<TeamFolder::AddedPlayer> added = [&] {
        BusyPointer busy;
        return TeamFolder::importPlayer(app, m_team, *source, keepStats);
    }();
    if (!added)
        return added.failure();
    state.PlayerCount = qint16(rosterCount(added->teamFile.roster));
    choosePlayer(state, source->profile.PlayerName);
    state.Position1 = source->profile.Position1;
    UpdateWithNewPlayer(added->slot);
    m_main.filesChanged();
    return {};
}

void frmTeamData::deletePlayer(int slot)
{
    const QString name = m_roster[slot].RosterPlayer;
    const bool toTrash = TeamFolder::playerFilesGoToTrash(m_main.state().ApplicationPath, m_team);
    if (m_main.dialogs().message(
            "Delete " + name + "?" +
                (toTrash ? QStringLiteral(" His files go to the trash.") : QString()),
            "Delete Player", MessageButtons::OKCancel,
            MessageIcon::Exclamation) != MessageAnswer::OK)
        return;
    // His windows go first, so nothing writes his files once they are deleted.
    if (!m_main.releaseWindows(m_team, name))
        return;
    MainState &state = m_main.state();
    const QString current = currentAfterDeleting(m_roster, slot, state.PlayerName);
    Roster remaining = m_roster;
    removeSlot(remaining, slot);
    Outcome<TeamFile> stored = [&] {
        BusyPointer busy;
        return TeamFolder::deletePlayer(state.ApplicationPath, shownTeamFile(remaining), name);
    }();
    // A failure leaves him on the roster with his files, as before the click.
    if (!stored) {
        tell(stored.error(), MessageIcon::Critical);
        return;
    }
    showStored(*stored);
    if (current != state.PlayerName) {
        choosePlayer(state, current);
        // The page shows who is current now, not the deleted player.
        if (!current.isEmpty())
            m_main.UpdateMainPage();
    }
    m_main.filesChanged();
}

void frmTeamData::tell(const QString &text, MessageIcon icon)
{
    m_main.dialogs().message(text, Title, MessageButtons::OK, icon);
}

void frmTeamData::closeEvent(QCloseEvent *event)
{
    if (!mayClose(*this, m_main.dialogs())) {
        event->ignore();
        return;
    }
    event->accept();
}
