#include "frmChoosePlayer.h"

#include "core/CurrentTeam.h"
#include "core/RecordFiles.h"
#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/WindowHost.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Choose Player");

} // namespace

frmChoosePlayer *frmChoosePlayer::open(WindowHost &main)
{
    const MainState &state = main.state();
    Outcome<TeamFile> team = RecordFiles::ReadTeamFile(state.ApplicationPath, state.TeamName);
    if (!team) {
        main.dialogs().message(team.error(), Title, MessageButtons::OK, MessageIcon::Exclamation);
        return nullptr;
    }
    auto *window = new frmChoosePlayer(main);
    for (const RosterEntry &entry : team->roster)
        if (!entry.RosterPlayer.isEmpty())
            window->lstPlayers->addItem(entry.RosterPlayer);
    const QList<QListWidgetItem *> current =
        window->lstPlayers->findItems(state.PlayerName, Qt::MatchExactly);
    window->lstPlayers->setCurrentRow(current.isEmpty() ? 0 : window->lstPlayers->row(current[0]));
    return window;
}

frmChoosePlayer::frmChoosePlayer(WindowHost &main) : m_main(main)
{
    setObjectName("frmChoosePlayer");
    setWindowTitle(Title);
    setFixedSize(300, 420);

    lstPlayers = new QListWidget(this);
    lstPlayers->setObjectName("lstPlayers");
    lstPlayers->setFont(windowFont("MS Sans Serif", 9.75));
    // Enter on an item and a double click both arrive here.
    connect(lstPlayers, &QListWidget::activated, this, &frmChoosePlayer::choose);

    cmdChoose = new QPushButton("C&hoose", this);
    cmdChoose->setObjectName("cmdChoose");
    connect(cmdChoose, &QPushButton::clicked, this, &frmChoosePlayer::choose);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdChoose);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstPlayers);
    layout->addLayout(buttons);
    // The list takes Enter itself (and passes it on, so the window must not choose again).
    behaveLikeDialog(*this, nullptr, cmdCancel);
    lstPlayers->setFocus();
}

// As a click on his name in the team profile: he becomes current and the summary shows him.
void frmChoosePlayer::choose()
{
    const QListWidgetItem *item = lstPlayers->currentItem();
    if (!item)
        return;
    const QString chosen = item->text();
    if (const auto refused = cannotBeCurrent(chosen)) {
        m_main.dialogs().message(*refused, Title, MessageButtons::OK, MessageIcon::Exclamation);
        return;
    }
    choosePlayer(m_main.state(), chosen);
    m_main.UpdateMainPage();
    close();
}
