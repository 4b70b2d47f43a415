#include "frmPitchCounts.h"

#include "core/Innings.h"
#include "core/Options.h"
#include "core/RecordFiles.h"
#include "core/SingleText.h"
#include "frmPitchRules.h"
#include "platform/BusyPointer.h"
#include "platform/DialogKeys.h"
#include "platform/WindowHost.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Pitch Counts");

enum Column
{
    DateColumn,
    OpponentColumn,
    PitchesColumn,
    InningsColumn,
    RestColumn,
    AllowedColumn,
    StatusColumn
};

QString pitcherHeading(const PitchCounts::Pitcher &p)
{
    QString text = p.name;
    if (p.age > 0)
        text += QStringLiteral(", age %1").arg(p.age);
    if (p.limit)
        text += QStringLiteral(", %1 pitches a day").arg(*p.limit);
    return text;
}

} // namespace

frmPitchCounts::frmPitchCounts(WindowHost &main) : m_main(main)
{
    setObjectName("frmPitchCounts");
    setWindowTitle(Title);
    resize(1000, 600);

    auto *lblAsOf = new QLabel("&As of:", this);
    dteAsOf = new QDateEdit(QDate::currentDate(), this);
    dteAsOf->setObjectName("dteAsOf");
    dteAsOf->setCalendarPopup(true);
    dteAsOf->setDisplayFormat("MM/dd/yyyy");
    lblAsOf->setBuddy(dteAsOf);
    lblLeague =
        new QLabel(QStringLiteral("Worked out from the stored strikes and balls by the rules under "
                                  "\"Rules...\". Your league's own rules decide who may pitch."),
                   this);
    lblLeague->setObjectName("lblLeague");
    lblLeague->setWordWrap(true);

    trePitchers = new QTreeWidget(this);
    trePitchers->setObjectName("trePitchers");
    trePitchers->setHeaderLabels({"Pitcher / Date", "Opponent", "Pitches", "Innings", "Rest days",
                                  "May pitch again", "Status"});
    trePitchers->setRootIsDecorated(true);
    trePitchers->setUniformRowHeights(true);

    cmdRules = new QPushButton("&Rules...", this);
    cmdRules->setObjectName("cmdRules");
    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdRules, &QPushButton::clicked, this, &frmPitchCounts::editRules);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(dteAsOf, &QDateEdit::dateChanged, this, &frmPitchCounts::showPitchers);

    auto *top = new QHBoxLayout;
    top->addWidget(lblAsOf);
    top->addWidget(dteAsOf);
    top->addSpacing(12);
    top->addWidget(lblLeague, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdRules);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(trePitchers, 1);
    layout->addLayout(buttons);
    behaveLikeDialog(*this, nullptr, cmdClose);

    refill();
}

void frmPitchCounts::refill()
{
    const MainState &state = m_main.state();
    // A damaged options file is told once, not at every refill.
    Options::PitchRules rules = Options::readPitchRules(state.ApplicationPath);
    m_rules = rules.rules;
    if (!rules.problem.isEmpty() && rules.problem != m_toldProblem)
        m_main.dialogs().message(rules.problem, Title, MessageButtons::OK,
                                 MessageIcon::Exclamation);
    m_toldProblem = rules.problem;
    QStringList problems;
    m_players.clear();
    {
        BusyPointer busy;
        Outcome<TeamFile> team = RecordFiles::ReadTeamFile(state.ApplicationPath, state.TeamName);
        if (!team)
            problems.append(team.error());
        for (const RosterEntry &entry : team ? team->roster : decltype(team->roster){}) {
            if (entry.RosterPlayer.isEmpty())
                continue;
            Outcome<PlayerProfile> profile = RecordFiles::ReadPlayerFile(
                state.ApplicationPath, state.TeamName, entry.RosterPlayer);
            Outcome<GameRecords> games = RecordFiles::ReadGameRecords(
                state.ApplicationPath, state.TeamName, entry.RosterPlayer);
            if (!profile || !games) {
                problems.append(QStringLiteral("%1: %2").arg(
                    entry.RosterPlayer, profile ? games.error() : profile.error()));
                continue;
            }
            m_players.append({entry.RosterPlayer, profile->Age, *games});
        }
    }
    showPitchers();
    if (!problems.isEmpty())
        m_main.dialogs().message(
            QStringLiteral("These players are not listed, their files cannot be read:\n\n%1")
                .arg(problems.join(QLatin1Char('\n'))),
            Title, MessageButtons::OK, MessageIcon::Exclamation);
}

void frmPitchCounts::showPitchers()
{
    trePitchers->clear();
    const QDate asOf = dteAsOf->date();
    for (const Player &player : m_players) {
        const PitchCounts::Pitcher pitcher =
            PitchCounts::assess(player.name, player.age, player.games, m_rules, asOf);
        if (pitcher.outings.isEmpty())
            continue;
        auto *item = new QTreeWidgetItem(trePitchers);
        item->setText(DateColumn, pitcherHeading(pitcher));
        item->setText(RestColumn,
                      pitcher.restDays ? QString::number(*pitcher.restDays) : QString());
        item->setText(AllowedColumn, pitcher.firstAllowed
                                         ? PitchCounts::dateText(*pitcher.firstAllowed)
                                         : QString());
        item->setText(StatusColumn, PitchCounts::statusText(pitcher));
        item->setTextAlignment(RestColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (pitcher.status == PitchCounts::Status::Available)
            item->setForeground(StatusColumn, QColor(0, 112, 0));
        else if (pitcher.status == PitchCounts::Status::Resting)
            item->setForeground(StatusColumn, QColor(176, 0, 0));
        QFont bold = item->font(DateColumn);
        bold.setBold(true);
        item->setFont(DateColumn, bold);
        item->setFont(StatusColumn, bold);
        for (const PitchCounts::Outing &outing : pitcher.outings) {
            auto *row = new QTreeWidgetItem(item);
            row->setText(DateColumn, outing.day ? outing.date : QStringLiteral("? ") + outing.date);
            row->setText(OpponentColumn, outing.opponent);
            row->setText(PitchesColumn, QString::number(outing.pitches));
            row->setText(InningsColumn, Innings::formatThirdsNotation(outing.innings)
                                            .value_or(Stats::formatSingle(outing.innings)));
            if (outing.overLimit) {
                row->setText(StatusColumn, QStringLiteral("over the daily limit"));
                for (int column = 0; column < trePitchers->columnCount(); ++column)
                    row->setForeground(column, QColor(176, 0, 0));
            }
            row->setTextAlignment(PitchesColumn, Qt::AlignRight | Qt::AlignVCenter);
            row->setTextAlignment(InningsColumn, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    trePitchers->expandAll();
    for (int column = 0; column < trePitchers->columnCount(); ++column)
        trePitchers->resizeColumnToContents(column);
}

void frmPitchCounts::editRules()
{
    m_main.showWindow<frmPitchRules>(WindowOwner{},
                                     [this] { return new frmPitchRules(m_main, m_rules); });
}
