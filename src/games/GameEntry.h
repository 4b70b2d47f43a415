#pragma once

// The rules of the game entry window, on the texts of its boxes: the key filters, the hits check,
// turning the boxes into a game record and a record into the boxes, and the game table that Submit
// writes back.

#include "core/Outcome.h"
#include "core/Records.h"

#include <QString>

#include <array>

namespace GameEntry {

constexpr int CountBoxCount = 18;

// The count boxes in storing order, with the record field each edits.
struct CountBox
{
    const char *name;
    qint16 GameRecord::*field;
    const char *caption; // as on screen, for messages
    const char *section;
};
const std::array<CountBox, CountBoxCount> &countBoxes();

// What the boxes of the window hold.
struct EntryTexts
{
    QString game; // the selected item of the game list
    QString date;
    QString opponent;
    std::array<QString, CountBoxCount> counts; // in storing order
    QString innings;                           // whole innings
    QString inningsThirds;                     // "--", "1/3", "2/3", "" or typed text
    QString decision;                          // "" when nothing is chosen
    QString highlights;
};

// Date box: digits, "/" (and Backspace, which every filter passes).
bool isDateKey(QChar c);
// A digit typed over the hint "MM/DD/YYYY" replaces it.
inline const QString DateHint = QStringLiteral("MM/DD/YYYY");

// No decision, or one of the decision list's items.
bool isOfferedDecision(const QString &decision);

// Hits above at bats, for batting or else for pitching; empty boxes read as 0.
bool hitsExceedAtBats(const EntryTexts &texts);
inline const QString HitsMessage = QStringLiteral("Hits cannot exceed At Bats");
inline const QString HitsTitle = QStringLiteral("Invalid Entry");

// Gives every empty count box, and the innings box when `innings` is set, the text "0".
void fillEmptyBoxes(EntryTexts &texts, bool innings);

// The record the boxes stand for. `previous` supplies the innings when the thirds list holds a
// typed text that is none of its items. Fails, naming the box, when a number box holds anything
// but digits or a number above 32767 (only a paste can put it there).
Outcome<GameRecord> storeShownGame(const EntryTexts &texts, const GameRecord &previous);

// Puts a record into the boxes. The thirds list keeps its text when the record holds a value it
// does not offer; a decision the list does not offer shows no choice and is kept when the game is
// stored without one picked.
void showGame(const GameRecord &record, EntryTexts &texts);

// Nothing in it but its number: every count 0, every text empty.
bool holdsNothing(const GameRecord &record);

// The player's games while the window is open: records 0 to 200, the last game's number, and what
// the stats file held when it was read.
class GameTable
{
public:
    explicit GameTable(const GameRecords &fromFile);

    GameRecord &record(int number) { return m_records[number]; }
    const GameRecord &record(int number) const { return m_records[number]; }
    int GameCount() const { return m_gameCount; }
    bool canAddGame() const { return m_gameCount < MaxGames; }
    // A new game after the last, unless the table is only the empty game 1 of a player without
    // games: that one is kept for him, and its number is given.
    int addGame();
    // Game `number` removed; the games after it move up one number. The last one deleted leaves an
    // empty game 1.
    void deleteGame(int number);

    // Records 0 to GameCount, as Submit writes them, less the games at the end that hold nothing
    // and were never stored: no game of a new player is all zero unless he was entered so.
    GameRecords toWrite() const;
    // Whether writing would change the file.
    bool differsFromFile() const;
    // The file now holds `records`, as toWrite() gave them.
    void written(const GameRecords &records);

private:
    GameRecords m_records;
    GameRecords m_fromFile;
    int m_storedGames; // games 1 to this one came from the file (or were written)
    int m_gameCount;
};

} // namespace GameEntry
