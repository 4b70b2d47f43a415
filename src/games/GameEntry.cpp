#include "GameEntry.h"

#include "core/CodeTables.h"
#include "core/Innings.h"
#include "core/KeyRules.h"

#include <algorithm>

namespace GameEntry {

const std::array<CountBox, CountBoxCount> &countBoxes()
{
    static const std::array<CountBox, CountBoxCount> boxes = {{
        {"txtBAtBats", &GameRecord::BAtBats, "At Bats:", "Batting Stats"},
        {"txtBHits", &GameRecord::BHits, "Hits:", "Batting Stats"},
        {"txtBRuns", &GameRecord::BRuns, "Runs:", "Batting Stats"},
        {"txtBWalks", &GameRecord::BWalks, "Walks:", "Batting Stats"},
        {"txtBDoubles", &GameRecord::BDoubles, "Doubles:", "Batting Stats"},
        {"txtBTriples", &GameRecord::BTriples, "Triples:", "Batting Stats"},
        {"txtBHomers", &GameRecord::BHomers, "Home Runs:", "Batting Stats"},
        {"txtBSOs", &GameRecord::BSOs, "Strikeouts:", "Batting Stats"},
        {"txtBSBs", &GameRecord::BSBs, "Stolen Bases:", "Batting Stats"},
        {"txtBRBIs", &GameRecord::BRBIs, "RBIs:", "Batting Stats"},
        {"txtPAtBats", &GameRecord::PAtBats, "At Bats:", "Pitching Stats"},
        {"txtPHits", &GameRecord::PHits, "Hits:", "Pitching Stats"},
        {"txtPRuns", &GameRecord::PRuns, "Earned Runs:", "Pitching Stats"},
        {"txtPWalks", &GameRecord::PWalks, "Walks:", "Pitching Stats"},
        {"txtPSOs", &GameRecord::PSOs, "Strikeouts:", "Pitching Stats"},
        {"txtPStrikes", &GameRecord::PStrikes, "Strikes:", "Pitching Stats"},
        {"txtPBalls", &GameRecord::PBalls, "Balls:", "Pitching Stats"},
        {"txtPWild", &GameRecord::PWildPitches, "Wild Pitches:", "Pitching Stats"},
    }};
    return boxes;
}

namespace {

enum Count
{
    BAtBats = 0,
    BHits = 1,
    PAtBats = 10,
    PHits = 11
};

int readCount(const QString &text)
{
    return text.toInt(); // an empty or pasted non-number box reads 0, as an empty one
}

Failure notACount(const QString &caption, const QString &section)
{
    return Failure{QStringLiteral("\"%1\" under %2 must be a whole number from 0 to 32767.")
                       .arg(caption.chopped(1), section)};
}

} // namespace

bool isDateKey(QChar c)
{
    return Keys::isDigitKey(c) || c == QLatin1Char('/');
}

bool isOfferedDecision(const QString &decision)
{
    return decision.isEmpty() || Codes::decisionChoices().contains(decision);
}

bool hitsExceedAtBats(const EntryTexts &texts)
{
    return readCount(texts.counts[BHits]) > readCount(texts.counts[BAtBats]) ||
           readCount(texts.counts[PHits]) > readCount(texts.counts[PAtBats]);
}

void fillEmptyBoxes(EntryTexts &texts, bool innings)
{
    for (QString &count : texts.counts)
        if (count.isEmpty())
            count = QStringLiteral("0");
    if (innings && texts.innings.isEmpty())
        texts.innings = QStringLiteral("0");
}

Outcome<GameRecord> storeShownGame(const EntryTexts &texts, const GameRecord &previous)
{
    GameRecord record = previous;
    record.GameNumber = qint16(texts.game.toInt());
    record.GameDate = texts.date;
    record.Opponent = texts.opponent;
    for (int i = 0; i < CountBoxCount; ++i) {
        const std::optional<qint16> value = Keys::parseNumberBox(texts.counts[i]);
        if (!value)
            return notACount(countBoxes()[i].caption, countBoxes()[i].section);
        record.*countBoxes()[i].field = *value;
    }
    record.Highlights = texts.highlights;
    // A decision the list does not offer (an old file's "win") stays until the user picks one.
    if (!texts.decision.isEmpty() || isOfferedDecision(previous.Decision))
        record.Decision = texts.decision;
    const std::optional<qint16> whole = Keys::parseNumberBox(texts.innings);
    if (!whole)
        return notACount(QStringLiteral("Innings:"), QStringLiteral("Pitching Stats"));
    const QString &thirds = texts.inningsThirds;
    if (thirds.isEmpty() || thirds == QLatin1String("--"))
        record.PInnings = float(*whole);
    else if (thirds == QLatin1String("1/3"))
        record.PInnings = float(double(*whole) + 0.1);
    else if (thirds == QLatin1String("2/3"))
        record.PInnings = float(double(*whole) + 0.2);
    return record;
}

void showGame(const GameRecord &record, EntryTexts &texts)
{
    texts.date = record.GameDate;
    texts.opponent = record.Opponent;
    for (int i = 0; i < CountBoxCount; ++i) {
        const qint16 value = record.*countBoxes()[i].field;
        texts.counts[i] = value == 0 ? QString() : QString::number(value);
    }
    const int whole = Innings::whole(record.PInnings);
    texts.innings = whole == 0 ? QString() : QString::number(whole);
    texts.highlights = record.Highlights;
    switch (Innings::tenths(record.PInnings) - 10 * whole) {
    case 0: texts.inningsThirds = QStringLiteral("--"); break;
    case 1: texts.inningsThirds = QStringLiteral("1/3"); break;
    case 2: texts.inningsThirds = QStringLiteral("2/3"); break;
    default: break;
    }
    texts.decision = isOfferedDecision(record.Decision) ? record.Decision : QString();
}

GameTable::GameTable(const GameRecords &fromFile) : m_records(MaxStatsRecords), m_fromFile(fromFile)
{
    for (int i = 0; i < fromFile.size() && i < MaxStatsRecords; ++i)
        m_records[i] = fromFile[i];
    // A player without games starts with an empty game 1.
    m_storedGames = std::max(0, int(std::min<qsizetype>(fromFile.size(), MaxStatsRecords)) - 1);
    m_gameCount = std::max(1, m_storedGames);
}

bool holdsNothing(const GameRecord &record)
{
    GameRecord numberOnly;
    numberOnly.GameNumber = record.GameNumber;
    return record == numberOnly;
}

int GameTable::addGame()
{
    if (m_gameCount == 1 && m_storedGames == 0 && holdsNothing(m_records[1]))
        return 1;
    return ++m_gameCount;
}

void GameTable::deleteGame(int number)
{
    for (int later = number; later < m_gameCount; ++later) {
        m_records[later] = m_records[later + 1];
        m_records[later].GameNumber = qint16(later);
    }
    m_records[m_gameCount] = GameRecord{};
    if (number <= m_storedGames)
        --m_storedGames;
    if (m_gameCount > 1)
        --m_gameCount;
    else
        m_records[1].GameNumber = 1;
}

GameRecords GameTable::toWrite() const
{
    int count = m_gameCount;
    while (count > m_storedGames && holdsNothing(m_records[count]))
        --count;
    return m_records.mid(0, count + 1);
}

bool GameTable::differsFromFile() const
{
    const GameRecords records = toWrite();
    return records.size() != m_fromFile.size() ||
           !std::equal(m_fromFile.cbegin(), m_fromFile.cend(), records.cbegin());
}

void GameTable::written(const GameRecords &records)
{
    m_fromFile = records;
    m_storedGames = int(records.size()) - 1;
}

} // namespace GameEntry
