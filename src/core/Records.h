#pragma once

// The record types stored in the data folder. Each type lists its fields once, in file order, by
// name and member through fields(): the record codec writes and reads a line from that list, the
// comparisons compare by it, and the field names appear in error messages.

#include <QString>
#include <QVector>

#include <array>
#include <type_traits>

// Calls visitor(name, field) for each field of `record`, in file order. Always inlined: the codec
// reads and writes every line through it, and a call per field would cost more than the field.
template <class Record, class Visitor>
[[gnu::always_inline]] inline void visitFields(Record &record, Visitor &&visitor)
{
    std::remove_const_t<Record>::fields([&](const char *name, auto member) [[gnu::always_inline]] {
        visitor(name, record.*member);
    });
}

template <class Record>
bool sameFields(const Record &a, const Record &b)
{
    bool same = true;
    Record::fields([&](const char *, auto member) { same = same && a.*member == b.*member; });
    return same;
}

constexpr int RosterSlots = 27;
constexpr int MaxGames = 200;
constexpr int MaxStatsRecords = MaxGames + 1; // record 0 is a placeholder, then games 1 to 200

struct Settings
{
    QString TeamName;
    QString PlayerName;
    qint16 Alignment = 0;
    qint32 TeamBorderColor = 0;

    template <class Field>
    static void fields(Field &&field)
    {
        field("TeamName", &Settings::TeamName);
        field("PlayerName", &Settings::PlayerName);
        field("Alignment", &Settings::Alignment);
        field("TeamBorderColor", &Settings::TeamBorderColor);
    }
    bool operator==(const Settings &o) const { return sameFields(*this, o); }
};

struct TeamHeader
{
    QString TeamName;
    QString Coach;
    QString Asst;
    QString Season;
    QString TeamReserved; // kept as read; nothing shows or changes it
    qint32 TeamBorderColor = 0;

    template <class Field>
    static void fields(Field &&field)
    {
        field("TeamName", &TeamHeader::TeamName);
        field("Coach", &TeamHeader::Coach);
        field("Asst", &TeamHeader::Asst);
        field("Season", &TeamHeader::Season);
        field("TeamReserved", &TeamHeader::TeamReserved);
        field("TeamBorderColor", &TeamHeader::TeamBorderColor);
    }
    bool operator==(const TeamHeader &o) const { return sameFields(*this, o); }
};

struct RosterEntry
{
    QString RosterPlayer; // "" = empty slot
    qint16 RosterPosition = 0;

    template <class Field>
    static void fields(Field &&field)
    {
        field("RosterPlayer", &RosterEntry::RosterPlayer);
        field("RosterPosition", &RosterEntry::RosterPosition);
    }
    bool operator==(const RosterEntry &o) const { return sameFields(*this, o); }
};

struct TeamFile
{
    TeamHeader header;
    std::array<RosterEntry, RosterSlots> roster;

    bool operator==(const TeamFile &o) const { return header == o.header && roster == o.roster; }
};

struct PlayerProfile
{
    QString PlayerName;
    QString TeamName;
    qint16 Position1 = 0;
    qint16 Position2 = 0;
    qint16 Bats = 0;
    qint16 Throws = 0;
    qint16 Jersey = 0;
    QString HomeTown;
    QString HomeState;
    qint16 Age = 0;
    QString PlayerPicturePath;

    template <class Field>
    static void fields(Field &&field)
    {
        field("PlayerName", &PlayerProfile::PlayerName);
        field("TeamName", &PlayerProfile::TeamName);
        field("Position1", &PlayerProfile::Position1);
        field("Position2", &PlayerProfile::Position2);
        field("Bats", &PlayerProfile::Bats);
        field("Throws", &PlayerProfile::Throws);
        field("Jersey", &PlayerProfile::Jersey);
        field("HomeTown", &PlayerProfile::HomeTown);
        field("HomeState", &PlayerProfile::HomeState);
        field("Age", &PlayerProfile::Age);
        field("PlayerPicturePath", &PlayerProfile::PlayerPicturePath);
    }
    bool operator==(const PlayerProfile &o) const { return sameFields(*this, o); }
};

struct GameRecord
{
    qint16 GameNumber = 0;
    qint16 BHits = 0;
    qint16 BAtBats = 0;
    qint16 BRuns = 0;
    qint16 BWalks = 0;
    qint16 BDoubles = 0;
    qint16 BTriples = 0;
    qint16 BHomers = 0;
    qint16 BSOs = 0;
    qint16 BSBs = 0;
    qint16 BRBIs = 0;
    qint16 PAtBats = 0;
    qint16 PHits = 0;
    qint16 PRuns = 0;   // earned runs allowed
    float PInnings = 0; // thirds notation: 5.1 is 5 1/3 innings
    qint16 PWalks = 0;
    qint16 PSOs = 0;
    qint16 PStrikes = 0;
    qint16 PBalls = 0;
    qint16 PWildPitches = 0;
    QString GameDate;
    QString Opponent;
    QString Decision;
    QString Highlights;

    template <class Field>
    static void fields(Field &&field)
    {
        field("GameNumber", &GameRecord::GameNumber);
        field("BHits", &GameRecord::BHits);
        field("BAtBats", &GameRecord::BAtBats);
        field("BRuns", &GameRecord::BRuns);
        field("BWalks", &GameRecord::BWalks);
        field("BDoubles", &GameRecord::BDoubles);
        field("BTriples", &GameRecord::BTriples);
        field("BHomers", &GameRecord::BHomers);
        field("BSOs", &GameRecord::BSOs);
        field("BSBs", &GameRecord::BSBs);
        field("BRBIs", &GameRecord::BRBIs);
        field("PAtBats", &GameRecord::PAtBats);
        field("PHits", &GameRecord::PHits);
        field("PRuns", &GameRecord::PRuns);
        field("PInnings", &GameRecord::PInnings);
        field("PWalks", &GameRecord::PWalks);
        field("PSOs", &GameRecord::PSOs);
        field("PStrikes", &GameRecord::PStrikes);
        field("PBalls", &GameRecord::PBalls);
        field("PWildPitches", &GameRecord::PWildPitches);
        field("GameDate", &GameRecord::GameDate);
        field("Opponent", &GameRecord::Opponent);
        field("Decision", &GameRecord::Decision);
        field("Highlights", &GameRecord::Highlights);
    }
    bool operator==(const GameRecord &o) const { return sameFields(*this, o); }
    bool operator!=(const GameRecord &o) const { return !(*this == o); }
};
// Numbers and implicitly shared texts: a list of games may move its records as plain bytes.
Q_DECLARE_TYPEINFO(GameRecord, Q_RELOCATABLE_TYPE);

using GameRecords = QVector<GameRecord>; // records 0 to N of one stats file
