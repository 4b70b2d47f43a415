#include "frmNameTeam.h"

#include "core/CurrentTeam.h"
#include "core/NameCheck.h"
#include "core/TeamFolder.h"
#include "frmTeamData.h"
#include "platform/BusyPointer.h"
#include "platform/DialogKeys.h"
#include "platform/KeyFilter.h"
#include "platform/Units.h"
#include "platform/WindowHost.h"

namespace {

const QString Title = QStringLiteral("Enter Team Name");

} // namespace

frmNameTeam::frmNameTeam(WindowHost &main, QWidget *parent) : QWidget(parent), m_main(main)
{
    setObjectName("frmNameTeam");
    setWindowTitle(Title);
    setFixedSize(twipsToPixels(4800), twipsToPixels(1500));

    txtTeamName = new QLineEdit(this);
    txtTeamName->setObjectName("txtTeamName");
    txtTeamName->setGeometry(twipsRect(240, 240, 4320, 345));
    // The team's name becomes its folder's and files' names, and is stored in its team file.
    filterNameKeys(txtTeamName);

    OKButton = new QPushButton("&Submit", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(twipsRect(1920, 840, 1215, 420));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &frmNameTeam::submit);

    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(twipsRect(3345, 840, 1215, 420));
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    behaveLikeDialog(*this, OKButton, cmdCancel);
}

void frmNameTeam::submit()
{
    const QString team = txtTeamName->text();
    if (team.isEmpty())
        return;
    if (const auto problem = nameProblem(team)) {
        m_main.dialogs().message(*problem, Title, MessageButtons::OK, MessageIcon::Exclamation);
        return;
    }
    const Creation created = CreateTeam(team);
    if (created == Creation::Declined)
        m_main.dialogs().message("Enter a new team name", Title, MessageButtons::OK,
                                 MessageIcon::None);
    if (created != Creation::Created)
        return;
    MainState &state = m_main.state();
    state.TeamName = team;
    state.NewPlayer = true;
    choosePlayer(state, QString());
    m_main.showWindow<frmTeamData>({team, QString()}, [this] { return frmTeamData::open(m_main); });
    close();
}

// Writes the team file of a new or overwritten team, once the previous team's windows are closed.
// A failure is told to the user here.
frmNameTeam::Creation frmNameTeam::CreateTeam(const QString &team)
{
    const QString &app = m_main.state().ApplicationPath;
    if (TeamFolder::teamExists(app, team) &&
        m_main.dialogs().message("Overwrite Existing Team?", "Team Already Exists",
                                 MessageButtons::YesNo,
                                 MessageIcon::Question) != MessageAnswer::Yes)
        return Creation::Declined;
    if (!m_main.releaseWindows(m_main.state().TeamName))
        return Creation::Cancelled;
    Outcome<void> created = [&] {
        BusyPointer busy;
        return TeamFolder::createTeam(app, team);
    }();
    if (!created) {
        m_main.dialogs().message(created.error(), Title, MessageButtons::OK, MessageIcon::Critical);
        return Creation::Failed;
    }
    return Creation::Created;
}
