#include "frmSingleGameStats.h"

#include <QCloseEvent>

#include "core/CodeTables.h"
#include "core/KeyRules.h"
#include "core/RecordFiles.h"
#include "core/TeamFolder.h"
#include "platform/BusyPointer.h"
#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/KeyFilter.h"
#include "platform/TextFit.h"
#include "platform/Units.h"
#include "platform/WindowHost.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include <limits>

using namespace GameEntry;

namespace {

const QString Title = QStringLiteral("Enter Single Game Stats");
const QColor DarkGreen(0, 64, 0);
const QColor DarkBlue(0, 0, 192);

// Where each count box and its caption stand: caption name, caption, caption left, box left, top.
struct BoxPlace
{
    const char *box;
    const char *label;
    const char *caption;
    int captionLeft;
    int left;
    int top;
};

const BoxPlace CountPlaces[] = {
    {"txtBAtBats", "Label9", "At Bats:", 720, 1800, 2160},
    {"txtBHits", "Label11", "Hits:", 1080, 1800, 2640},
    {"txtBDoubles", "Label15", "Doubles:", 3240, 4440, 2160},
    {"txtBTriples", "Label17", "Triples:", 3480, 4440, 2640},
    {"txtBHomers", "Label19", "Home Runs:", 2760, 4440, 3120},
    {"txtBRBIs", "Label27", "RBIs:", 5760, 6480, 2160},
    {"txtBRuns", "Label25", "Runs:", 5640, 6480, 2640},
    {"txtBWalks", "Label13", "Walks:", 5520, 6480, 3120},
    {"txtBSOs", "Label21", "Strikeouts:", 7800, 9240, 2160},
    {"txtBSBs", "Label23", "Stolen Bases:", 7440, 9240, 2640},
    {"txtPAtBats", "Label56", "At Bats:", 600, 1680, 4440},
    {"txtPStrikes", "Label38", "Strikes:", 600, 1680, 5400},
    {"txtPBalls", "Label42", "Balls:", 3480, 4200, 4440},
    {"txtPHits", "Label34", "Hits:", 3600, 4200, 4920},
    {"txtPWalks", "Label52", "Walks:", 3240, 4200, 5400},
    {"txtPRuns", "Label40", "Earned Runs:", 5160, 6960, 4440},
    {"txtPSOs", "Label44", "Strikeouts:", 5520, 6960, 4920},
    {"txtPWild", "Label46", "Wild Pitches:", 5280, 6960, 5400},
};

// The focus order the Tab key follows.
const char *const TabOrder[] = {
    "CBGame",        "txtDate",    "txtOpponent", "txtBAtBats", "txtBHits",    "txtBDoubles",
    "txtBTriples",   "txtBHomers", "txtBRBIs",    "txtBRuns",   "txtBWalks",   "txtBSOs",
    "txtBSBs",       "txtPAtBats", "txtPInnings", "CBInnings",  "txtPStrikes", "txtPBalls",
    "txtPHits",      "txtPWalks",  "txtPRuns",    "txtPSOs",    "txtPWild",    "CBDecision",
    "txtHighlights", "cmdSubmit",  "cmdCancel",   "cmdClear",   "cmdCalendar", "cmdNewGame",
    "cmdDeleteGame"};

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

} // namespace

frmSingleGameStats *frmSingleGameStats::open(WindowHost &main)
{
    const MainState &state = main.state();
    Outcome<GameRecords> records =
        RecordFiles::ReadGameRecords(state.ApplicationPath, state.TeamName, state.PlayerName);
    if (!records) {
        main.dialogs().message(records.error(), Title, MessageButtons::OK,
                               MessageIcon::Exclamation);
        return nullptr;
    }
    return new frmSingleGameStats(main, *records, state.TeamName, state.PlayerName);
}

frmSingleGameStats::frmSingleGameStats(WindowHost &main, const GameRecords &records,
                                       const QString &team, const QString &player)
    : m_main(main), m_table(records), m_team(team), m_player(player)
{
    setObjectName("frmSingleGameStats");
    setWindowTitle(Title);
    setFixedSize(twipsToPixels(10815), twipsToPixels(7530));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, DarkGreen);
    setPalette(palette);
    // The focus must show on the dark green: a light frame around the control that has it.
    setStyleSheet(QStringLiteral(
        "QLineEdit:focus, QComboBox:focus { border: 2px solid #ffff80; }"
        "QPushButton:focus { border: 2px solid #ffff80; padding: 1px; background: #f0f0f0; }"));
    buildControls();
    LoadGames();
}

QLineEdit *frmSingleGameStats::numberBox(const char *name, int left, int top)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    box->setGeometry(twipsRect(left, top, 735, 375));
    box->installEventFilter(this);
    return box;
}

void frmSingleGameStats::buildControls()
{
    const QFont labelFont = windowFont("MS Sans Serif", 12, true);
    const QFont inputFont = windowFont("MS Sans Serif", 9.75, true);
    const auto label = [&](const char *name, const QString &caption, int left, int top,
                           int width = 0, int height = 0) {
        auto *l = new QLabel(caption, this);
        l->setObjectName(name);
        l->setFont(labelFont);
        setTextColour(l, Qt::white);
        if (width > 0)
            l->setGeometry(twipsRect(left, top, width, height));
        else {
            l->move(twipsToPixels(left), twipsToPixels(top));
            l->adjustSize();
        }
        return l;
    };

    label("lblPlayer", "Player:", 4080, 150, 975, 375);
    lblPlayerName = label("lblPlayerName", QString(), 5160, 120);
    lblPlayerName->setFont(windowFont("Comic Sans MS", 14.25));
    // Sized to the name; a name longer than the room up to the opponent box's right edge takes a
    // second line above the game's row rather than running off the window.
    placeFitted(lblPlayerName,
                QRect(lblPlayerName->pos(), QSize(0, lblPlayerName->fontMetrics().height())));
    showWithin(lblPlayerName, m_player, twipsToPixels(7920 + 2775) - lblPlayerName->x(), 2);
    label("Label2", "Game:", 600, 840, 975, 375);
    label("Label1", "Date:", 3360, 840, 975, 375);
    QLabel *hint = label("Label4", DateHint, 3960, 1275, 1575, 375);
    hint->setFont(inputFont);
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label("Label3", "Opponent:", 6600, 840);
    const QFont headingFont = windowFont("Arial", 12, true, true);
    label("Label6", "Batting Stats:", 360, 1560, 1935, 360)->setFont(headingFont);
    label("Label59", "Pitching Stats:", 360, 3840, 1935, 360)->setFont(headingFont);
    label("lblHighlights", "Highlights:", 360, 6240);
    label("Label54", "Innings:", 480, 4920);
    QLabel *decisionCaption = label("Label48", "Decision:", 8040, 4440);

    CBGame = new QComboBox(this);
    CBGame->setObjectName("CBGame");
    CBGame->setGeometry(twipsRect(1560, 840, 975, 360));
    connect(CBGame, &QComboBox::activated, this, [this](int index) { selectGame(index + 1); });

    const auto textBox = [&](const char *name, int left, int top, int width) {
        auto *box = new QLineEdit(this);
        box->setObjectName(name);
        box->setGeometry(twipsRect(left, top, width, 375));
        // Typing in any box marks the shown game as edited, so the edit is never lost.
        connect(box, &QLineEdit::textEdited, this, &frmSingleGameStats::markEdited);
        return box;
    };
    txtDate = textBox("txtDate", 4080, 840, 1335);
    txtDate->installEventFilter(this);
    txtOpponent = textBox("txtOpponent", 7920, 840, 2775);
    txtHighlights = textBox("txtHighlights", 1800, 6240, 8295);
    // An old file's texts can be longer than a line edit keeps by default; the boxes must hold
    // them whole, or storing the game would cut them.
    txtOpponent->setMaxLength(std::numeric_limits<int>::max());
    txtHighlights->setMaxLength(std::numeric_limits<int>::max());
    // The record format cannot store a double quote.
    const auto noQuote = [](QChar c) { return c != QLatin1Char('"'); };
    filterKeys(txtOpponent, noQuote);
    filterKeys(txtHighlights, noQuote);

    cmdCalendar = new QPushButton("Calendar", this);
    cmdCalendar->setObjectName("cmdCalendar");
    cmdCalendar->setGeometry(twipsRect(5520, 840, 855, 375));
    connect(cmdCalendar, &QPushButton::clicked, this, &frmSingleGameStats::showCalendar);

    for (const BoxPlace &place : CountPlaces) {
        label(place.label, place.caption, place.captionLeft, place.top);
        QLineEdit *box = numberBox(place.box, place.left, place.top);
        connect(box, &QLineEdit::textEdited, this, &frmSingleGameStats::markEdited);
        for (int i = 0; i < CountBoxCount; ++i)
            if (QLatin1String(GameEntry::countBoxes()[i].name) == QLatin1String(place.box))
                countBoxes[i] = box;
    }
    txtPInnings = numberBox("txtPInnings", 1680, 4920);
    connect(txtPInnings, &QLineEdit::textEdited, this, &frmSingleGameStats::markEdited);
    std::copy(countBoxes.begin(), countBoxes.end(), m_numberBoxes.begin());
    m_numberBoxes.back() = txtPInnings;

    CBInnings = new QComboBox(this);
    CBInnings->setObjectName("CBInnings");
    CBInnings->setEditable(true);
    CBInnings->addItems({"--", "1/3", "2/3"});
    CBInnings->setCurrentIndex(-1);
    CBInnings->setGeometry(twipsRect(2520, 4920, 735, 360));
    connect(CBInnings, &QComboBox::activated, this, &frmSingleGameStats::markEdited);
    connect(CBInnings->lineEdit(), &QLineEdit::textEdited, this, &frmSingleGameStats::markEdited);

    CBDecision = new QComboBox(this);
    CBDecision->setObjectName("CBDecision");
    CBDecision->addItems(Codes::decisionChoices());
    CBDecision->setCurrentIndex(-1);
    CBDecision->setGeometry(twipsRect(9240, 4440, 1335, 360));
    CBDecision->setFont(inputFont);
    // Wide enough for "No Decision" in the font in use, still inside the window's right edge.
    if (const int wanted = CBDecision->sizeHint().width(); wanted > CBDecision->width()) {
        CBDecision->setGeometry(std::min(CBDecision->x(), width() - twipsToPixels(120) - wanted),
                                CBDecision->y(), wanted, CBDecision->height());
        // Its caption moves left as far as the list did.
        const int captionRight =
            decisionCaption->x() +
            decisionCaption->fontMetrics().horizontalAdvance(decisionCaption->text());
        if (const int overlap = captionRight + 4 - CBDecision->x(); overlap > 0)
            decisionCaption->move(decisionCaption->x() - overlap, decisionCaption->y());
    }
    connect(CBDecision, &QComboBox::activated, this, &frmSingleGameStats::markEdited);

    const auto button = [&](const char *name, const QString &caption, int left) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(twipsRect(left, 6960, 1095, 375));
        // A caption longer than the button takes narrower letters, not a cut.
        b->setFont(
            fontFitting(b->font(), QString(caption).remove(QLatin1Char('&')), b->width() - 8));
        return b;
    };
    cmdDeleteGame = button("cmdDeleteGame", "&Delete Game", 3960);
    cmdNewGame = button("cmdNewGame", "&New Game ", 5280);
    cmdClear = button("cmdClear", "Clea&r Game ", 6600);
    cmdCancel = button("cmdCancel", "&Cancel", 7920);
    cmdSubmit = button("cmdSubmit", "&Submit", 9240);
    connect(cmdDeleteGame, &QPushButton::clicked, this, &frmSingleGameStats::deleteGame);
    connect(cmdNewGame, &QPushButton::clicked, this, &frmSingleGameStats::newGame);
    connect(cmdClear, &QPushButton::clicked, this, &frmSingleGameStats::clearGame);
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        hideCalendar();
        closeDroppingEdits(*this);
    });
    connect(cmdSubmit, &QPushButton::clicked, this, &frmSingleGameStats::submit);
    // Enter moves from box to box as a box score is typed; Ctrl+Enter (or Alt+S) submits, and Esc
    // closes, asking about edits.
    enterMovesOn(*this, cmdSubmit);

    for (QWidget *input : std::initializer_list<QWidget *>{CBGame, txtDate, txtOpponent,
                                                           txtHighlights, CBInnings, CBDecision}) {
        input->setFont(inputFont);
        setTextColour(input, DarkBlue);
    }
    for (QLineEdit *box : m_numberBoxes) {
        box->setFont(inputFont);
        setTextColour(box, DarkBlue);
    }

    QWidget *previous = nullptr;
    for (const char *name : TabOrder) {
        auto *widget = findChild<QWidget *>(name);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

// The digit filter on the number boxes and the date filter; a key that passes marks the game
// edited.
bool frmSingleGameStats::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Backspace) {
        markEdited();
        return false;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint())
        return false;
    const QChar c = text.at(0);
    if (watched == txtDate) {
        if (!isDateKey(c))
            return true;
        if (Keys::isDigitKey(c) && txtDate->text() == DateHint)
            txtDate->clear();
    } else if (!Keys::isDigitKey(c)) {
        return true;
    }
    markEdited();
    return false;
}

void frmSingleGameStats::LoadGames()
{
    m_gameChanged = false;
    for (int number = 1; number <= m_table.GameCount(); ++number)
        CBGame->addItem(QString::number(number));
    CBGame->setCurrentIndex(m_table.GameCount() - 1);
    selectGame(m_table.GameCount());
    cmdNewGame->setEnabled(m_table.canAddGame());
    CBGame->setFocus();
}

EntryTexts frmSingleGameStats::texts() const
{
    EntryTexts t;
    t.game = CBGame->currentText();
    t.date = txtDate->text();
    t.opponent = txtOpponent->text();
    for (int i = 0; i < CountBoxCount; ++i)
        t.counts[i] = countBoxes[i]->text();
    t.innings = txtPInnings->text();
    t.inningsThirds = CBInnings->currentText();
    t.decision = CBDecision->currentIndex() < 0 ? QString() : CBDecision->currentText();
    t.highlights = txtHighlights->text();
    return t;
}

void frmSingleGameStats::showTexts(const EntryTexts &t)
{
    txtDate->setText(t.date);
    txtOpponent->setText(t.opponent);
    for (int i = 0; i < CountBoxCount; ++i)
        countBoxes[i]->setText(t.counts[i]);
    txtPInnings->setText(t.innings);
    const int thirds = CBInnings->findText(t.inningsThirds);
    CBInnings->setCurrentIndex(thirds);
    if (thirds < 0)
        CBInnings->setEditText(t.inningsThirds);
    CBDecision->setCurrentIndex(t.decision.isEmpty() ? -1 : CBDecision->findText(t.decision));
    txtHighlights->setText(t.highlights);
}

void frmSingleGameStats::ShowGame()
{
    EntryTexts t = texts();
    showGame(m_table.record(m_currentGame), t);
    showTexts(t);
}

bool frmSingleGameStats::CheckHits()
{
    if (!hitsExceedAtBats(texts()))
        return true;
    m_main.dialogs().message(HitsMessage, HitsTitle, MessageButtons::OK, MessageIcon::None);
    return false;
}

// Stores the boxes (already filled) into the shown game; a box that holds no count is named to the
// user and nothing is stored.
Outcome<GameRecord> frmSingleGameStats::shownRecord(EntryTexts t) const
{
    // The record keeps its own number, whichever item the game list shows by now.
    t.game = QString::number(m_currentGame);
    return storeShownGame(t, m_table.record(m_currentGame));
}

bool frmSingleGameStats::storeShown(EntryTexts &t)
{
    showTexts(t);
    Outcome<GameRecord> record = shownRecord(t);
    if (!record) {
        m_main.dialogs().message(record.error(), Title, MessageButtons::OK,
                                 MessageIcon::Exclamation);
        return false;
    }
    m_table.record(m_currentGame) = *record;
    return true;
}

// Built the first time it is asked for: most visits to a game never open it.
void frmSingleGameStats::showCalendar()
{
    if (!Calendar1) {
        Calendar1 = new QCalendarWidget(this);
        Calendar1->setObjectName("Calendar1");
        Calendar1->setGeometry(twipsRect(3720, 1280, 2895, 2175));
        Calendar1->setAutoFillBackground(true);
        // The calendar's box is small: single-letter day names and no week numbers keep it legible.
        Calendar1->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
        Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        // Its layout's box holds only five weeks and a half: from the same corner, it takes the
        // room its navigation bar, day names and six weeks need.
        Calendar1->resize(Calendar1->size().expandedTo(Calendar1->sizeHint()));
        connect(Calendar1, &QCalendarWidget::clicked, this, &frmSingleGameStats::chooseDate);
        connect(Calendar1, &QCalendarWidget::activated, this, &frmSingleGameStats::chooseDate);
    }
    const QDate typed = QDate::fromString(txtDate->text(), QStringLiteral("MM/dd/yyyy"));
    if (typed.isValid())
        Calendar1->setSelectedDate(typed);
    Calendar1->show();
    Calendar1->raise();
}

void frmSingleGameStats::hideCalendar()
{
    if (Calendar1)
        Calendar1->hide();
}

void frmSingleGameStats::selectGame(int number)
{
    hideCalendar();
    const auto backToShown = [this] {
        const QSignalBlocker blocker(CBGame);
        CBGame->setCurrentIndex(m_currentGame - 1);
    };
    if (m_currentGame > 0 && !CheckHits()) {
        backToShown();
        return;
    }
    EntryTexts t = texts();
    fillEmptyBoxes(t, true);
    if (m_gameChanged && !storeShown(t)) {
        backToShown();
        return;
    }
    showTexts(t);
    m_gameChanged = false;
    m_currentGame = number;
    ShowGame();
}

void frmSingleGameStats::newGame()
{
    hideCalendar();
    if (!m_table.canAddGame())
        return;
    EntryTexts t = texts();
    fillEmptyBoxes(t, m_gameChanged);
    showTexts(t);
    if (m_gameChanged && !storeShown(t))
        return;
    const int number = m_table.addGame();
    if (number == m_currentGame) {
        // The untouched first game of a player without games is the new one.
        txtDate->setFocus();
        return;
    }
    cmdNewGame->setEnabled(m_table.canAddGame());
    CBGame->addItem(QString::number(number));
    CBGame->setCurrentIndex(number - 1);
    selectGame(number);
    m_currentGame = number;
    {
        const QSignalBlocker blocker(CBGame);
        CBGame->setCurrentIndex(number - 1);
    }
    ShowGame();
    m_gameChanged = true;
}

void frmSingleGameStats::deleteGame()
{
    hideCalendar();
    const EntryTexts t = texts();
    const QString date =
        t.date.isEmpty() || t.date == DateHint ? QStringLiteral("no date") : t.date;
    const QString opponent = t.opponent.isEmpty() ? QStringLiteral("no opponent") : t.opponent;
    if (m_main.dialogs().message(
            QStringLiteral("Delete game %1 (%2, %3)? The games after it move up one number.")
                .arg(m_currentGame)
                .arg(date, opponent),
            QStringLiteral("Delete Game"), MessageButtons::YesNoDefaultNo,
            MessageIcon::Question) != MessageAnswer::Yes)
        return;
    m_table.deleteGame(m_currentGame);
    m_gameChanged = false;
    m_currentGame = std::min(m_currentGame, m_table.GameCount());
    {
        const QSignalBlocker blocker(CBGame);
        CBGame->clear();
        for (int number = 1; number <= m_table.GameCount(); ++number)
            CBGame->addItem(QString::number(number));
        CBGame->setCurrentIndex(m_currentGame - 1);
    }
    ShowGame();
    cmdNewGame->setEnabled(m_table.canAddGame());
}

void frmSingleGameStats::clearGame()
{
    hideCalendar();
    for (QLineEdit *box : m_numberBoxes)
        box->clear();
    txtHighlights->clear();
    txtDate->clear();
    CBInnings->setCurrentIndex(-1);
    CBInnings->setEditText(QString());
    CBDecision->setCurrentIndex(-1);
}

void frmSingleGameStats::chooseDate(const QDate &date)
{
    txtDate->setText(date.toString(QStringLiteral("MM/dd/yyyy")));
    hideCalendar();
    markEdited();
}

bool frmSingleGameStats::hasUnsavedEdits() const
{
    if (!m_gameChanged)
        return m_table.differsFromFile();
    EntryTexts t = texts();
    fillEmptyBoxes(t, true);
    Outcome<GameRecord> record = shownRecord(t);
    if (!record)
        return true;
    GameTable table = m_table;
    table.record(m_currentGame) = *record;
    return table.differsFromFile();
}

bool frmSingleGameStats::storeAndWrite()
{
    hideCalendar();
    if (!CheckHits())
        return false;
    BusyPointer busy;
    if (m_gameChanged) {
        EntryTexts t = texts();
        fillEmptyBoxes(t, true);
        if (!storeShown(t))
            return false;
    }
    m_gameChanged = false;
    if (!m_table.differsFromFile())
        return true;
    const QString &app = m_main.state().ApplicationPath;
    const GameRecords records = m_table.toWrite();
    if (Outcome<void> written = TeamFolder::storeGames(app, m_team, m_player, records); !written) {
        m_main.dialogs().message(written.error() +
                                     QStringLiteral("\n\nYour games are still here; try again."),
                                 Title, MessageButtons::OK, MessageIcon::Critical);
        return false;
    }
    m_table.written(records);
    return true;
}

// Asked on closing: the games stored, the summary and the open reports show them.
bool frmSingleGameStats::saveEdits()
{
    if (!storeAndWrite())
        return false;
    m_main.UpdateMainPage();
    return true;
}

void frmSingleGameStats::submit()
{
    if (!storeAndWrite())
        return;
    m_main.UpdateMainPage();
    close();
}

void frmSingleGameStats::closeEvent(QCloseEvent *event)
{
    if (!mayClose(*this, m_main.dialogs())) {
        event->ignore();
        return;
    }
    event->accept();
}
