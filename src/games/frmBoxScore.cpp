#include "frmBoxScore.h"

#include "core/CodeTables.h"
#include "core/KeyRules.h"
#include "core/RecordFiles.h"
#include "core/TeamFolder.h"
#include "platform/BusyPointer.h"
#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/KeyFilter.h"

#include <QCloseEvent>
#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace BoxScore;

namespace {

const QString Title = QStringLiteral("Box Score");
const QString Marked = QStringLiteral("background: #ffd0d0;");

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(windowFont("Arial", 12, true, true));
    return label;
}

QWidget *inScrollArea(QWidget *grid, QWidget *parent)
{
    auto *area = new QScrollArea(parent);
    area->setWidget(grid);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);
    return area;
}

} // namespace

frmBoxScore *frmBoxScore::open(WindowHost &main)
{
    const MainState &state = main.state();
    Outcome<TeamFile> team = RecordFiles::ReadTeamFile(state.ApplicationPath, state.TeamName);
    if (!team) {
        main.dialogs().message(team.error(), Title, MessageButtons::OK, MessageIcon::Exclamation);
        return nullptr;
    }
    QStringList players;
    for (const RosterEntry &entry : team->roster)
        if (!entry.RosterPlayer.isEmpty())
            players.append(entry.RosterPlayer);
    return new frmBoxScore(main, players);
}

QLineEdit *frmBoxScore::countCell(const QString &name)
{
    auto *cell = new QLineEdit(this);
    cell->setObjectName(name);
    cell->setFixedWidth(56);
    filterKeys(cell, Keys::isDigitKey);
    cell->installEventFilter(this);
    return cell;
}

frmBoxScore::frmBoxScore(WindowHost &main, const QStringList &players)
    : m_main(main), m_team(main.state().TeamName), m_players(players),
      m_proposedDate(QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")))
{
    setObjectName("frmBoxScore");
    setWindowTitle(Title);
    resize(940, 720);
    const auto noQuote = [](QChar c) { return c != QLatin1Char('"'); };

    txtDate = new QLineEdit(m_proposedDate, this);
    txtDate->setObjectName("txtDate");
    txtDate->setFixedWidth(110);
    filterKeys(txtDate, GameEntry::isDateKey);
    cmdCalendar = new QPushButton("Calendar", this);
    cmdCalendar->setObjectName("cmdCalendar");
    txtOpponent = new QLineEdit(this);
    txtOpponent->setObjectName("txtOpponent");
    filterKeys(txtOpponent, noQuote);
    txtHighlights = new QLineEdit(this);
    txtHighlights->setObjectName("txtHighlights");
    filterKeys(txtHighlights, noQuote);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel("Date:", this));
    top->addWidget(txtDate);
    top->addWidget(cmdCalendar);
    top->addSpacing(16);
    top->addWidget(new QLabel("Opponent:", this));
    top->addWidget(txtOpponent, 1);
    auto *highlights = new QHBoxLayout;
    highlights->addWidget(new QLabel("Highlights:", this));
    highlights->addWidget(txtHighlights, 1);

    // The batting grid: a row per roster player, game entry's batting boxes as columns.
    auto *batting = new QWidget(this);
    auto *battingGrid = new QGridLayout(batting);
    battingGrid->addWidget(new QLabel("Player", batting), 0, 0);
    for (int column = 0; column < BattingCount; ++column)
        battingGrid->addWidget(new QLabel(QString(battingBox(column).caption).chopped(1), batting),
                               0, column + 1);
    for (int row = 0; row < m_players.size(); ++row) {
        battingGrid->addWidget(new QLabel(m_players[row], batting), row + 1, 0);
        std::array<QLineEdit *, BattingCount> cells{};
        for (int column = 0; column < BattingCount; ++column) {
            cells[column] = countCell(
                QStringLiteral("bat%1_%2").arg(row).arg(QLatin1String(battingBox(column).name)));
            battingGrid->addWidget(cells[column], row + 1, column + 1);
            m_cells.insert(cells[column], {0, row, column});
        }
        m_batting.append(cells);
    }
    battingGrid->setRowStretch(int(m_players.size()) + 1, 1);

    CBPitcher = new QComboBox(this);
    CBPitcher->setObjectName("CBPitcher");
    CBPitcher->setEditable(true); // a name typed picks the player
    CBPitcher->addItems(m_players);
    CBPitcher->setCurrentIndex(-1);
    cmdAddPitcher = new QPushButton("&Add Pitcher", this);
    cmdAddPitcher->setObjectName("cmdAddPitcher");
    auto *pitcherChoice = new QHBoxLayout;
    auto *pitcherCaption = new QLabel("Pitc&her:", this);
    pitcherCaption->setBuddy(CBPitcher); // Alt+H reaches the list from anywhere
    pitcherChoice->addWidget(pitcherCaption);
    pitcherChoice->addWidget(CBPitcher, 1);
    pitcherChoice->addWidget(cmdAddPitcher);
    pitcherChoice->addStretch(2);

    auto *pitching = new QWidget(this);
    m_pitchingGrid = new QGridLayout(pitching);
    m_pitchingGrid->addWidget(new QLabel("Pitcher", pitching), 0, 0);
    m_pitchingGrid->addWidget(new QLabel("Innings", pitching), 0, 1, 1, 2);
    for (int column = 0; column < PitchingCount; ++column)
        m_pitchingGrid->addWidget(
            new QLabel(QString(pitchingBox(column).caption).chopped(1), pitching), 0, column + 3);
    m_pitchingGrid->addWidget(new QLabel("Decision", pitching), 0, PitchingCount + 3);
    m_pitchingGrid->setRowStretch(RosterSlots + 1, 1);

    lblProblems = new QLabel(this);
    lblProblems->setObjectName("lblProblems");
    lblProblems->setWordWrap(true);
    lblProblems->setStyleSheet("color: #a00000;");
    cmdSubmit = new QPushButton("&Submit", this);
    cmdSubmit->setObjectName("cmdSubmit");
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblProblems, 1);
    buttons->addWidget(cmdSubmit);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(highlights);
    layout->addWidget(heading("Batting Stats:", this));
    layout->addWidget(inScrollArea(batting, this), 3);
    layout->addWidget(heading("Pitching Stats:", this));
    layout->addLayout(pitcherChoice);
    layout->addWidget(inScrollArea(pitching, this), 2);
    layout->addLayout(buttons);

    connect(cmdCalendar, &QPushButton::clicked, this, &frmBoxScore::showCalendar);

    connect(cmdAddPitcher, &QPushButton::clicked, this, [this] {
        if (addPitcher(CBPitcher->currentText()))
            m_pitching.last().innings->setFocus();
    });
    connect(cmdSubmit, &QPushButton::clicked, this, &frmBoxScore::submit);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { close(); });
    // A box score is typed cell by cell: Enter moves on, Ctrl+Enter (or Alt+S) submits, Esc
    // closes, asking about what was typed. Cancel asks too: a whole game's lines are at stake.
    enterMovesOn(*this, cmdSubmit);
    txtOpponent->setFocus();
}

bool frmBoxScore::addPitcher(const QString &player)
{
    const int index = int(m_players.indexOf(player));
    if (index < 0 || std::any_of(m_pitching.cbegin(), m_pitching.cend(),
                                 [&](const PitchingRow &row) { return row.player == index; }))
        return false;
    const int row = int(m_pitching.size());
    PitchingRow cells{index, nullptr, nullptr, {}, nullptr};
    QWidget *grid = m_pitchingGrid->parentWidget();
    m_pitchingGrid->addWidget(new QLabel(player, grid), row + 1, 0);
    cells.innings = countCell(QStringLiteral("pit%1_txtPInnings").arg(row));
    cells.thirds = new QComboBox(this);
    cells.thirds->setObjectName(QStringLiteral("pit%1_CBInnings").arg(row));
    cells.thirds->addItems({"--", "1/3", "2/3"});
    m_pitchingGrid->addWidget(cells.innings, row + 1, 1);
    m_pitchingGrid->addWidget(cells.thirds, row + 1, 2);
    m_cells.insert(cells.innings, {1, row, 0});
    m_cells.insert(cells.thirds, {1, row, 1});
    for (int column = 0; column < PitchingCount; ++column) {
        cells.counts[column] = countCell(
            QStringLiteral("pit%1_%2").arg(row).arg(QLatin1String(pitchingBox(column).name)));
        m_pitchingGrid->addWidget(cells.counts[column], row + 1, column + 3);
        m_cells.insert(cells.counts[column], {1, row, column + 2});
    }
    cells.decision = new QComboBox(this);
    cells.decision->setObjectName(QStringLiteral("pit%1_CBDecision").arg(row));
    cells.decision->addItem(QString());
    cells.decision->addItems(Codes::decisionChoices());
    m_pitchingGrid->addWidget(cells.decision, row + 1, PitchingCount + 3);
    m_cells.insert(cells.decision, {1, row, PitchingCount + 2});
    // Tab runs along the new row after the rows before it, then on to Submit.
    QWidget *previous =
        m_pitching.isEmpty() ? static_cast<QWidget *>(cmdAddPitcher) : m_pitching.last().decision;
    QWidget::setTabOrder(previous, cells.innings);
    QWidget::setTabOrder(cells.innings, cells.thirds);
    QWidget::setTabOrder(cells.thirds, cells.counts[0]);
    for (int column = 1; column < PitchingCount; ++column)
        QWidget::setTabOrder(cells.counts[column - 1], cells.counts[column]);
    QWidget::setTabOrder(cells.counts[PitchingCount - 1], cells.decision);
    QWidget::setTabOrder(cells.decision, cmdSubmit);
    // Shown now, not at the next turn of the event loop, so that the focus can go there at once.
    for (int column = 0; column < m_pitchingGrid->columnCount(); ++column)
        if (QLayoutItem *item = m_pitchingGrid->itemAtPosition(row + 1, column);
            item && item->widget())
            item->widget()->show();
    m_pitching.append(cells);
    CBPitcher->setCurrentIndex(-1);
    CBPitcher->clearEditText();
    return true;
}

QWidget *frmBoxScore::cellBeside(QWidget *from, int rows, int columns) const
{
    const auto at = m_cells.constFind(from);
    if (at == m_cells.cend())
        return nullptr;
    const int grid = (*at)[0];
    const int row = (*at)[1] + rows;
    const int column = (*at)[2] + columns;
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it)
        if ((*it)[0] == grid && (*it)[1] == row && (*it)[2] == column)
            return it.key();
    return nullptr;
}

bool frmBoxScore::eventFilter(QObject *watched, QEvent *event)
{
    auto *cell = qobject_cast<QLineEdit *>(watched);
    if (!cell || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
        return false;
    QWidget *to = nullptr;
    switch (key->key()) {
    case Qt::Key_Delete: cell->clear(); return true;
    case Qt::Key_Up: to = cellBeside(cell, -1, 0); break;
    case Qt::Key_Down: to = cellBeside(cell, 1, 0); break;
    case Qt::Key_Left:
        if (cell->cursorPosition() == 0)
            to = cellBeside(cell, 0, -1);
        break;
    case Qt::Key_Right:
        if (cell->cursorPosition() == cell->text().size())
            to = cellBeside(cell, 0, 1);
        break;
    default: return false;
    }
    if (!to)
        return false;
    to->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(to))
        edit->selectAll();
    return true;
}

bool frmBoxScore::hasUnsavedEdits() const
{
    if (m_stored)
        return false;
    if (txtDate->text() != m_proposedDate || !txtOpponent->text().isEmpty() ||
        !txtHighlights->text().isEmpty() || !m_pitching.isEmpty())
        return true;
    return std::any_of(m_batting.cbegin(), m_batting.cend(), [](const auto &cells) {
        return std::any_of(cells.cbegin(), cells.cend(),
                           [](const QLineEdit *cell) { return !cell->text().isEmpty(); });
    });
}

QVector<PlayerRows> frmBoxScore::rows() const
{
    QVector<PlayerRows> all(m_players.size());
    for (int player = 0; player < m_players.size(); ++player) {
        all[player].player = m_players[player];
        for (int column = 0; column < BattingCount; ++column)
            all[player].batting[column] = m_batting[player][column]->text();
    }
    for (const PitchingRow &row : m_pitching) {
        PlayerRows &rows = all[row.player];
        rows.pitches = true;
        rows.innings = row.innings->text();
        rows.thirds = row.thirds->currentText();
        for (int column = 0; column < PitchingCount; ++column)
            rows.pitching[column] = row.counts[column]->text();
        rows.decision = row.decision->currentText();
    }
    return all;
}

void frmBoxScore::clearMarks()
{
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it)
        it.key()->setStyleSheet(QString());
}

// The problem's cell, or its whole row when the message names the box, is marked.
void frmBoxScore::markProblem(int player, const Problem &problem)
{
    QVector<QWidget *> cells;
    if (!problem.pitching) {
        for (int column = 0; column < BattingCount; ++column)
            if (problem.caption.isEmpty() || problem.caption == QString(battingBox(column).caption))
                cells.append(m_batting[player][column]);
    } else {
        for (const PitchingRow &row : m_pitching)
            if (row.player == player)
                for (int column = 0; column < PitchingCount; ++column)
                    if (problem.caption.isEmpty() ||
                        problem.caption == QString(pitchingBox(column).caption))
                        cells.append(row.counts[column]);
    }
    for (QWidget *cell : std::as_const(cells))
        cell->setStyleSheet(Marked);
}

// Built the first time it is asked for: most box scores take today's date.
void frmBoxScore::showCalendar()
{
    if (!Calendar1) {
        Calendar1 = new QCalendarWidget(this);
        Calendar1->setObjectName("Calendar1");
        Calendar1->setAutoFillBackground(true);
        Calendar1->resize(Calendar1->sizeHint());
        connect(Calendar1, &QCalendarWidget::activated, this, [this](const QDate &date) {
            txtDate->setText(date.toString(QStringLiteral("MM/dd/yyyy")));
            Calendar1->hide();
            txtDate->setFocus();
        });
        connect(Calendar1, &QCalendarWidget::clicked, Calendar1, &QCalendarWidget::activated);
    }
    const QDate typed = QDate::fromString(txtDate->text(), QStringLiteral("MM/dd/yyyy"));
    if (typed.isValid())
        Calendar1->setSelectedDate(typed);
    Calendar1->move(txtDate->mapTo(this, QPoint(0, txtDate->height())));
    Calendar1->show();
    Calendar1->raise();
    Calendar1->setFocus();
}

bool frmBoxScore::store()
{
    if (Calendar1)
        Calendar1->hide();
    clearMarks();
    const QVector<PlayerRows> all = rows();
    const GameTexts game{txtDate->text(), txtOpponent->text(), txtHighlights->text()};
    QStringList problems;
    QVector<TeamFolder::BoxScoreLine> lines;
    for (int player = 0; player < all.size(); ++player) {
        if (!played(all[player]))
            continue;
        if (const std::optional<Problem> problem = problemOf(all[player])) {
            problems.append(
                QStringLiteral("%1 (%2 row): %3")
                    .arg(all[player].player,
                         problem->pitching ? QStringLiteral("pitching") : QStringLiteral("batting"),
                         problem->message));
            markProblem(player, *problem);
            continue;
        }
        lines.append({all[player].player, gameOf(all[player], game)});
    }
    lblProblems->setText(problems.join(QLatin1Char('\n')));
    if (!problems.isEmpty())
        return false;
    if (lines.isEmpty()) {
        m_main.dialogs().message(QStringLiteral("No player has a line yet: type the batting or "
                                                "pitching line of each player who played."),
                                 Title, MessageButtons::OK, MessageIcon::Information);
        return false;
    }
    Outcome<int> stored = [&] {
        BusyPointer busy;
        return TeamFolder::storeBoxScore(m_main.state().ApplicationPath, m_team, lines);
    }();
    if (!stored) {
        lblProblems->setText(stored.error());
        m_main.dialogs().message(stored.error() +
                                     QStringLiteral("\n\nNo stats file was changed; your box "
                                                    "score is still here."),
                                 Title, MessageButtons::OK, MessageIcon::Critical);
        return false;
    }
    m_stored = true;
    m_main.UpdateMainPage();
    m_main.dialogs().message(
        *stored == 1 ? QStringLiteral("The game was stored for 1 player.")
                     : QStringLiteral("The game was stored for %1 players.").arg(*stored),
        Title, MessageButtons::OK, MessageIcon::Information);
    return true;
}

void frmBoxScore::submit()
{
    if (store())
        close();
}

void frmBoxScore::closeEvent(QCloseEvent *event)
{
    if (!mayClose(*this, m_main.dialogs())) {
        event->ignore();
        return;
    }
    event->accept();
}
