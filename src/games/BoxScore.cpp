#include "BoxScore.h"

namespace BoxScore {

using namespace GameEntry;

const CountBox &battingBox(int column)
{
    return countBoxes()[column];
}

const CountBox &pitchingBox(int column)
{
    return countBoxes()[BattingCount + column];
}

bool played(const PlayerRows &rows)
{
    const auto typed = [](const auto &cells) {
        return std::any_of(cells.cbegin(), cells.cend(),
                           [](const QString &cell) { return !cell.isEmpty(); });
    };
    return typed(rows.batting) ||
           (rows.pitches &&
            (typed(rows.pitching) || !rows.innings.isEmpty() || !rows.decision.isEmpty() ||
             (!rows.thirds.isEmpty() && rows.thirds != QLatin1String("--"))));
}

namespace {

EntryTexts textsOf(const PlayerRows &rows, const GameTexts &game, bool withPitching)
{
    EntryTexts texts;
    texts.date = game.date;
    texts.opponent = game.opponent;
    texts.highlights = game.highlights;
    for (int i = 0; i < BattingCount; ++i)
        texts.counts[i] = rows.batting[i];
    if (withPitching && rows.pitches) {
        for (int i = 0; i < PitchingCount; ++i)
            texts.counts[BattingCount + i] = rows.pitching[i];
        texts.innings = rows.innings;
        texts.inningsThirds = rows.thirds;
        texts.decision = rows.decision;
    }
    fillEmptyBoxes(texts, true);
    return texts;
}

} // namespace

std::optional<Problem> problemOf(const PlayerRows &rows)
{
    const EntryTexts texts = textsOf(rows, {}, true);
    if (Outcome<GameRecord> game = storeShownGame(texts, GameRecord{}); !game) {
        const bool pitching = !game.error().contains(battingBox(0).section);
        return Problem{pitching, QString(), game.error()};
    }
    if (hitsExceedAtBats(textsOf(rows, {}, false)))
        return Problem{false, battingBox(1).caption, HitsMessage};
    if (hitsExceedAtBats(texts))
        return Problem{true, pitchingBox(1).caption, HitsMessage};
    return std::nullopt;
}

GameRecord gameOf(const PlayerRows &rows, const GameTexts &game)
{
    return *storeShownGame(textsOf(rows, game, true), GameRecord{});
}

} // namespace BoxScore
