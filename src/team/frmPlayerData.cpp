#include "frmPlayerData.h"

#include "core/CodeTables.h"
#include "core/CurrentTeam.h"
#include "core/KeyRules.h"
#include "core/NameCheck.h"
#include "core/RecordFiles.h"
#include "core/Roster.h"
#include "core/TeamFolder.h"
#include "platform/BusyPointer.h"
#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/KeyFilter.h"
#include "platform/Pictures.h"
#include "platform/TextFit.h"
#include "platform/Units.h"
#include "platform/WindowHost.h"

#include <QCloseEvent>

namespace {

const QString Title = QStringLiteral("Enter Player Data");
constexpr int CaptionLeft = 240;
constexpr int InputLeft = 1800;
constexpr int InputWidth = 2760;
constexpr int FirstRow = 240;
constexpr int Row = 480;

} // namespace

frmPlayerData *frmPlayerData::open(WindowHost &main)
{
    auto *window = new frmPlayerData(main);
    if (!window->m_creating) {
        window->txtPlayerName->setEnabled(false);
        if (!window->LoadProfile()) {
            delete window;
            return nullptr;
        }
    }
    window->m_loaded = window->controlTexts();
    return window;
}

frmPlayerData::frmPlayerData(WindowHost &main)
    : m_main(main), m_team(main.state().TeamName),
      m_player(main.state().NewPlayer ? QString() : main.state().PlayerName),
      m_creating(main.state().NewPlayer)
{
    setObjectName("frmPlayerData");
    setWindowTitle(Title);
    setFixedSize(twipsToPixels(7440), twipsToPixels(FirstRow + 9 * Row + 720));

    const QFont captionFont = windowFont("MS Sans Serif", 9.75, true);
    int row = 0;
    const auto place = [&](const QString &caption, QWidget *input, int width = InputWidth) {
        auto *label = new QLabel(caption, this);
        label->setFont(captionFont);
        label->setGeometry(twipsRect(CaptionLeft, FirstRow + row * Row, 1500, 345));
        input->setGeometry(twipsRect(InputLeft, FirstRow + row * Row, width, 345));
        ++row;
    };
    const auto textBox = [&](const char *name) {
        auto *box = new QLineEdit(this);
        box->setObjectName(name);
        return box;
    };
    const auto list = [&](const char *name, const QStringList &items) {
        auto *box = new QComboBox(this);
        box->setObjectName(name);
        box->addItems(items);
        box->setCurrentIndex(-1);
        return box;
    };

    txtPlayerName = textBox("txtPlayerName");
    place("Player Name:", txtPlayerName);
    lblTeamName = new QLabel(this);
    lblTeamName->setObjectName("lblTeamName");
    place("Team Name:", lblTeamName);
    placeFitted(lblTeamName, lblTeamName->geometry());
    // A long team name takes a second line of its row rather than running under the photo.
    showWithin(lblTeamName, m_team, lblTeamName->width(), 2);
    CBPlayerPos[0] = list("CBPlayerPos0", Codes::positionChoices());
    CBPlayerPos[1] = list("CBPlayerPos1", Codes::positionChoices());
    place("Position:", CBPlayerPos[0], InputWidth / 2 - 30);
    CBPlayerPos[1]->setGeometry(
        twipsRect(InputLeft + InputWidth / 2 + 30, FirstRow + 2 * Row, InputWidth / 2 - 30, 345));
    CBBats = list("CBBats", Codes::batsChoices());
    place("Bats:", CBBats, InputWidth / 2 - 30);
    CBThrows = list("CBThrows", Codes::throwsChoices());
    place("Throws:", CBThrows, InputWidth / 2 - 30);
    txtNumber = textBox("txtNumber");
    place("Number:", txtNumber, 900);
    txtAge = textBox("txtAge");
    place("Age:", txtAge, 900);
    txtHomeTown = textBox("txtHomeTown");
    place("Home Town:", txtHomeTown);
    txtHomeState = textBox("txtHomeState");
    place("Home State:", txtHomeState);

    filterKeys(txtPlayerName, Keys::isNameKey);
    filterKeys(txtNumber, Keys::isDigitKey);
    filterKeys(txtAge, Keys::isDigitKey);
    filterKeys(txtHomeTown, Keys::isNameKey);
    filterKeys(txtHomeState, Keys::isHomeStateKey);

    picPlayer = new QLabel(this);
    picPlayer->setObjectName("picPlayer");
    picPlayer->setFrameShape(QFrame::Box);
    picPlayer->setAlignment(Qt::AlignCenter);
    picPlayer->setGeometry(twipsRect(4800, FirstRow, 2400, 3180));

    cmdSubmit = new QPushButton("&Submit", this);
    cmdSubmit->setObjectName("cmdSubmit");
    cmdSubmit->setGeometry(twipsRect(4800, FirstRow + 9 * Row, 1140, 420));
    cmdSubmit->setDefault(true);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmPlayerData::submit);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(twipsRect(6060, FirstRow + 9 * Row, 1140, 420));
    connect(cmdCancel, &QPushButton::clicked, this, [this] { closeDroppingEdits(*this); });
    cmdRename = new QPushButton("Re&name...", this);
    cmdRename->setObjectName("cmdRename");
    cmdRename->setGeometry(twipsRect(3540, FirstRow + 9 * Row, 1140, 420));
    cmdRename->setVisible(!m_creating);
    connect(cmdRename, &QPushButton::clicked, this, &frmPlayerData::rename);
    // Esc closes the window, asking about edits; Cancel drops them.
    behaveLikeDialog(*this, cmdSubmit, nullptr);
}

bool frmPlayerData::LoadProfile()
{
    MainState &state = m_main.state();
    Outcome<PlayerProfile> profile =
        RecordFiles::ReadPlayerFile(state.ApplicationPath, m_team, m_player);
    if (!profile) {
        tell(profile.error());
        return false;
    }
    m_profilePicturePath = profile->PlayerPicturePath;
    // Every field comes from the file read, the sides too.
    takePlayerProfile(state, *profile);

    txtPlayerName->setText(state.PlayerName);
    CBPlayerPos[0]->setCurrentIndex(state.Position1);
    CBPlayerPos[1]->setCurrentIndex(state.Position2);
    CBBats->setCurrentIndex(state.Bats);
    CBThrows->setCurrentIndex(state.Throws);
    txtNumber->setText(QString::number(state.Jersey));
    txtHomeTown->setText(state.HomeTown);
    txtHomeState->setText(state.HomeState);
    txtAge->setText(state.Age < 1 ? QString() : QString::number(state.Age));
    if (Outcome<QImage> photo = LoadPicture(state.PlayerPicturePath); photo && !photo->isNull())
        picPlayer->setPixmap(QPixmap::fromImage(photo->scaled(
            picPlayer->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    return true;
}

QStringList frmPlayerData::controlTexts() const
{
    QStringList texts{txtPlayerName->text(), txtNumber->text(), txtAge->text(), txtHomeTown->text(),
                      txtHomeState->text()};
    for (const QComboBox *list : {CBPlayerPos[0], CBPlayerPos[1], CBBats, CBThrows})
        texts.append(QString::number(list->currentIndex()));
    return texts;
}

// Why the typed name cannot become a new player of this team, if it cannot.
std::optional<QString> frmPlayerData::refusal(const QString &name) const
{
    if (!m_creating)
        return std::nullopt;
    if (name.isEmpty())
        return QStringLiteral("Enter the player's name.");
    if (const auto problem = nameProblem(name))
        return problem;
    return std::nullopt;
}

std::optional<PlayerProfile> frmPlayerData::store()
{
    const QString name = m_creating ? txtPlayerName->text() : m_player;
    if (const auto refused = refusal(name)) {
        tell(*refused);
        return std::nullopt;
    }
    const std::optional<qint16> jersey = Keys::parseNumberBox(txtNumber->text());
    const std::optional<qint16> age = Keys::parseNumberBox(txtAge->text());
    if (!jersey || !age) {
        tell(QStringLiteral("The %1 must be a whole number from 0 to 32767.")
                 .arg(jersey ? "age" : "number"));
        return std::nullopt;
    }
    PlayerProfile profile{name,
                          m_team,
                          qint16(CBPlayerPos[0]->currentIndex()),
                          qint16(CBPlayerPos[1]->currentIndex()),
                          qint16(CBBats->currentIndex()),
                          qint16(CBThrows->currentIndex()),
                          *jersey,
                          txtHomeTown->text(),
                          txtHomeState->text(),
                          *age,
                          m_profilePicturePath};
    BusyPointer busy;
    const QString &app = m_main.state().ApplicationPath;
    if (!m_creating) {
        if (Outcome<void> written = TeamFolder::storePlayerProfile(app, m_team, profile);
            !written) {
            tell(written.error());
            return std::nullopt;
        }
        m_loaded = controlTexts();
        return profile;
    }
    Outcome<TeamFolder::AddedPlayer> added = TeamFolder::addPlayer(app, m_team, profile);
    if (!added) {
        tell(added.error());
        return std::nullopt;
    }
    m_rosterSlot = added->slot;
    m_main.state().PlayerCount = qint16(rosterCount(added->teamFile.roster));
    m_loaded = controlTexts();
    return profile;
}

// His files, roster place and name under a new name. His windows close first, this one among them,
// asking about edits; the rename is told to the team window and the summary.
void frmPlayerData::rename()
{
    const std::optional<QString> typed =
        m_main.dialogs().askText(QStringLiteral("Rename Player"),
                                 QStringLiteral("New name for %1:").arg(m_player), m_player);
    if (!typed || *typed == m_player)
        return;
    if (const auto problem = nameProblem(*typed)) {
        tell(*problem);
        return;
    }
    if (!m_main.releaseWindows(m_team, m_player))
        return;
    MainState &state = m_main.state();
    Outcome<TeamFile> stored = [&] {
        BusyPointer busy;
        return TeamFolder::renamePlayer(state.ApplicationPath, m_team, m_player, *typed);
    }();
    if (!stored) {
        tell(stored.error());
        return;
    }
    emit playerRenamed(*stored);
    // The settings remember him under his new name.
    if (state.PlayerName == m_player) {
        state.PlayerName = *typed;
        m_main.UpdateMainPage();
    } else {
        m_main.filesChanged();
    }
}

void frmPlayerData::submit()
{
    const std::optional<PlayerProfile> profile = store();
    if (!profile)
        return;
    MainState &state = m_main.state();
    takePlayerProfile(state, *profile);
    if (state.PlayerPicturePath.isEmpty())
        m_main.clearPlayerPicture();
    state.NewPlayer = false;
    m_submitted = true;
    if (m_creating)
        emit newPlayerOnRoster(m_team, m_rosterSlot);
    if (state.CameFromMain)
        m_main.UpdateMainPage();
    else
        m_main.filesChanged();
    close();
}

// Cancel, or the window's frame: a cancelled new player leaves the current player (if any) to be
// edited from the main menu.
void frmPlayerData::closeEvent(QCloseEvent *event)
{
    if (!mayClose(*this, m_main.dialogs())) {
        event->ignore();
        return;
    }
    if (!m_submitted) {
        MainState &state = m_main.state();
        if (!state.CameFromMain)
            state.NewPlayer = state.PlayerName.isEmpty();
        emit closedWithoutSubmit();
    }
    event->accept();
}

void frmPlayerData::tell(const QString &text)
{
    m_main.dialogs().message(text, Title, MessageButtons::OK, MessageIcon::Exclamation);
}
