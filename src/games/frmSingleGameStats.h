#pragma once

// Game stats entry: the current player's whole stats file as a game table, one game in the boxes
// at a time; New Game adds one at the end, Submit writes the table back.

#include "GameEntry.h"
#include "platform/WindowHost.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>

class frmSingleGameStats : public QWidget, public EditingWindow
{
    Q_OBJECT

public:
    // The window with the player's games loaded, or nothing when his stats file cannot be read
    // (the user is told why).
    static frmSingleGameStats *open(WindowHost &main);

    const GameEntry::GameTable &table() const { return m_table; }
    int CurrentGame() const { return m_currentGame; }
    bool GameChanged() const { return m_gameChanged; }
    bool hasUnsavedEdits() const override;
    bool saveEdits() override;

    QLabel *lblPlayerName;
    QComboBox *CBGame;
    QLineEdit *txtDate;
    QPushButton *cmdCalendar;
    QCalendarWidget *Calendar1 = nullptr; // built when first shown
    QLineEdit *txtOpponent;
    std::array<QLineEdit *, GameEntry::CountBoxCount> countBoxes{}; // in storing order
    QLineEdit *txtPInnings;
    QComboBox *CBInnings;
    QComboBox *CBDecision;
    QLineEdit *txtHighlights;
    QPushButton *cmdDeleteGame;
    QPushButton *cmdNewGame;
    QPushButton *cmdClear;
    QPushButton *cmdCancel;
    QPushButton *cmdSubmit;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmSingleGameStats(WindowHost &main, const GameRecords &records, const QString &team,
                       const QString &player);
    void buildControls();
    void LoadGames();
    void selectGame(int number);
    void newGame();
    void deleteGame();
    void clearGame();
    void submit();
    // Stores the shown game and writes the stats file when it changed; false, the user told why,
    // when it could not.
    bool storeAndWrite();
    void chooseDate(const QDate &date);
    void showCalendar();
    void hideCalendar();
    bool CheckHits();
    // The shown game's record from the boxes' texts, numbered as the game shown.
    Outcome<GameRecord> shownRecord(GameEntry::EntryTexts texts) const;
    bool storeShown(GameEntry::EntryTexts &texts);
    GameEntry::EntryTexts texts() const;
    // The boxes take `texts`; named apart from QWidget::show(), which it must not hide.
    void showTexts(const GameEntry::EntryTexts &texts);
    void ShowGame();
    void markEdited() { m_gameChanged = true; }
    QLineEdit *numberBox(const char *name, int left, int top);

    WindowHost &m_main;
    GameEntry::GameTable m_table;
    QString m_team; // the stats file read, which Submit writes
    QString m_player;
    int m_currentGame = 0;
    bool m_gameChanged = false;
    std::array<QLineEdit *, GameEntry::CountBoxCount + 1> m_numberBoxes{}; // counts and innings
};
