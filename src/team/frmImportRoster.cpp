#include "frmImportRoster.h"

#include "core/CodeTables.h"
#include "core/CurrentTeam.h"
#include "core/RecordFiles.h"
#include "core/RegularFile.h"
#include "core/TeamFolder.h"
#include "platform/BusyPointer.h"
#include "platform/DialogKeys.h"
#include "platform/UserFolders.h"
#include "platform/WindowHost.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Import Roster");
constexpr qint64 MaxRosterFileBytes = 1024 * 1024;

QString sideText(int code, bool bats)
{
    return bats ? Codes::batsName(code) : Codes::throwsName(code);
}

} // namespace

frmImportRoster *frmImportRoster::open(WindowHost &main)
{
    const auto tell = [&](const QString &text) {
        main.dialogs().message(text, Title, MessageButtons::OK, MessageIcon::Exclamation);
    };
    const std::optional<QString> path = main.dialogs().openFile(
        "Roster Files (*.csv;*.txt)|*.csv;*.txt", 1, Title, documentsFolder());
    if (!path)
        return nullptr;
    Outcome<QByteArray> file = readRegularFile(*path, MaxRosterFileBytes);
    if (!file) {
        tell(QStringLiteral("Cannot read \"%1\": %2").arg(*path, file.error()));
        return nullptr;
    }
    const MainState &state = main.state();
    Outcome<TeamFile> team = RecordFiles::ReadTeamFile(state.ApplicationPath, state.TeamName);
    if (!team) {
        tell(team.error());
        return nullptr;
    }
    Outcome<RosterImport::Preview> preview =
        RosterImport::preview(*file, state.TeamName, team->roster, QDate::currentDate());
    if (!preview) {
        tell(QStringLiteral("\"%1\" cannot be imported. %2").arg(*path, preview.error()));
        return nullptr;
    }
    return new frmImportRoster(main, *preview);
}

frmImportRoster::frmImportRoster(WindowHost &main, const RosterImport::Preview &preview)
    : m_main(main), m_team(main.state().TeamName)
{
    setObjectName("frmImportRoster");
    setWindowTitle(Title);
    resize(900, 480);

    const QStringList headings = {"Line",   "Name", "Number",    "Position",   "Position 2", "Bats",
                                  "Throws", "Age",  "Home Town", "Home State", "Status"};
    tblPlayers = new QTableWidget(int(preview.rows.size()), int(headings.size()), this);
    tblPlayers->setObjectName("tblPlayers");
    tblPlayers->setHorizontalHeaderLabels(headings);
    tblPlayers->verticalHeader()->hide();
    tblPlayers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPlayers->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < preview.rows.size(); ++r) {
        const RosterImport::Row &row = preview.rows[r];
        const PlayerProfile &p = row.profile;
        const QStringList cells = {QString::number(row.line),
                                   p.PlayerName,
                                   p.Jersey ? QString::number(p.Jersey) : QString(),
                                   Codes::positionShortName(p.Position1),
                                   Codes::positionShortName(p.Position2),
                                   sideText(p.Bats, true),
                                   sideText(p.Throws, false),
                                   p.Age ? QString::number(p.Age) : QString(),
                                   p.HomeTown,
                                   p.HomeState,
                                   row.problem.isEmpty() ? QStringLiteral("ready") : row.problem};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]); // a long reason is read whole here
            if (!row.problem.isEmpty())
                item->setForeground(QColor(160, 0, 0));
            tblPlayers->setItem(r, c, item);
        }
        if (row.problem.isEmpty())
            m_ready.append(p);
    }
    tblPlayers->resizeColumnsToContents();
    tblPlayers->horizontalHeader()->setStretchLastSection(true);

    lblIgnored = new QLabel(this);
    lblIgnored->setObjectName("lblIgnored");
    lblIgnored->setText(
        preview.ignored.isEmpty()
            ? QString()
            : QStringLiteral("Columns ignored: %1").arg(preview.ignored.join(", ")));
    lblIgnored->setVisible(!preview.ignored.isEmpty());

    cmdImport = new QPushButton(QStringLiteral("&Import %1").arg(m_ready.size()), this);
    cmdImport->setObjectName("cmdImport");
    cmdImport->setEnabled(!m_ready.isEmpty());
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    connect(cmdImport, &QPushButton::clicked, this, &frmImportRoster::import);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblIgnored, 1);
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tblPlayers);
    layout->addLayout(buttons);
    behaveLikeDialog(*this, cmdImport, cmdCancel);
}

void frmImportRoster::import()
{
    MainState &state = m_main.state();
    Outcome<TeamFile> stored = [&] {
        BusyPointer busy;
        return TeamFolder::importRoster(state.ApplicationPath, m_team, m_ready);
    }();
    if (!stored) {
        m_main.dialogs().message(stored.error() + QStringLiteral("\n\nNo player was added."), Title,
                                 MessageButtons::OK, MessageIcon::Critical);
        return;
    }
    state.PlayerCount = qint16(rosterCount(stored->roster));
    emit rosterImported(*stored);
    if (state.PlayerName.isEmpty()) {
        choosePlayer(state, m_ready.first().PlayerName);
        state.NewPlayer = false;
        m_main.UpdateMainPage();
    } else {
        m_main.filesChanged();
    }
    m_main.dialogs().message(
        m_ready.size() == 1
            ? QStringLiteral("1 player was added to the roster.")
            : QStringLiteral("%1 players were added to the roster.").arg(m_ready.size()),
        Title, MessageButtons::OK, MessageIcon::Information);
    close();
}
