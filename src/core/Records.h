#pragma once

// The record types stored in the data folder. Each type lists its fields, in file order, through
// visit(), which the record codec uses to write and read a line; the field names appear in error
// messages.

#include <QString>
#include <QVector>

#include <array>
#include <tuple>

constexpr int RosterSlots = 27;
constexpr int MaxGames = 200;
constexpr int MaxStatsRecords = MaxGames + 1; // record 0 is a placeholder, then games 1 to 200

struct Settings
{
    QString TeamName;
    QString PlayerName;
    qint16 Alignment = 0;
    qint32 TeamBorderColor = 0;

    template <class Self, class Visitor>
    static void visit(Self &self, Visitor &&field)
    {
        field("TeamName", self.TeamName);
        field("PlayerName", self.PlayerName);
        field("Alignment", self.Alignment);
        field("TeamBorderColor", self.TeamBorderColor);
    }
    auto tied() const { return std::tie(TeamName, PlayerName, Alignment, TeamBorderColor); }
    bool operator==(const Settings &o) const { return tied() == o.tied(); }
};

struct TeamHeader
{
    QString TeamName;
    QString Coach;
    QString Asst;
    QString Season;
    QString TeamReserved; // kept as read; nothing shows or changes it
    qint32 TeamBorderColor = 0;

    template <class Self, class Visitor>
    static void visit(Self &self, Visitor &&field)
    {
        field("TeamName", self.TeamName);
        field("Coach", self.Coach);
        field("Asst", self.Asst);
        field("Season", self.Season);
        field("TeamReserved", self.TeamReserved);
        field("TeamBorderColor", self.TeamBorderColor);
    }
    auto tied() const
    {
        return std::tie(TeamName, Coach, Asst, Season, TeamReserved, TeamBorderColor);
    }
    bool operator==(const TeamHeader &o) const { return tied() == o.tied(); }
};

struct RosterEntry
{
    QString RosterPlayer; // "" = empty slot
    qint16 RosterPosition = 0;

    template <class Self, class Visitor>
    static void visit(Self &self, Visitor &&field)
    {
        field("RosterPlayer", self.RosterPlayer);
        field("RosterPosition", self.RosterPosition);
    }
    auto tied() const { return std::tie(RosterPlayer, RosterPosition); }
    bool operator==(const RosterEntry &o) const { return tied() == o.tied(); }
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

    template <class Self, class Visitor>
    static void visit(Self &self, Visitor &&field)
    {
        field("PlayerName", self.PlayerName);
        field("TeamName", self.TeamName);
        field("Position1", self.Position1);
        field("Position2", self.Position2);
        field("Bats", self.Bats);
        field("Throws", self.Throws);
        field("Jersey", self.Jersey);
        field("HomeTown", self.HomeTown);
        field("HomeState", self.HomeState);
        field("Age", self.Age);
        field("PlayerPicturePath", self.PlayerPicturePath);
    }
    auto tied() const
    {
        return std::tie(PlayerName, TeamName, Position1, Position2, Bats, Throws, Jersey, HomeTown,
                        HomeState, Age, PlayerPicturePath);
    }
    bool operator==(const PlayerProfile &o) const { return tied() == o.tied(); }
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

    template <class Self, class Visitor>
    static void visit(Self &self, Visitor &&field)
    {
        field("GameNumber", self.GameNumber);
        field("BHits", self.BHits);
        field("BAtBats", self.BAtBats);
        field("BRuns", self.BRuns);
        field("BWalks", self.BWalks);
        field("BDoubles", self.BDoubles);
        field("BTriples", self.BTriples);
        field("BHomers", self.BHomers);
        field("BSOs", self.BSOs);
        field("BSBs", self.BSBs);
        field("BRBIs", self.BRBIs);
        field("PAtBats", self.PAtBats);
        field("PHits", self.PHits);
        field("PRuns", self.PRuns);
        field("PInnings", self.PInnings);
        field("PWalks", self.PWalks);
        field("PSOs", self.PSOs);
        field("PStrikes", self.PStrikes);
        field("PBalls", self.PBalls);
        field("PWildPitches", self.PWildPitches);
        field("GameDate", self.GameDate);
        field("Opponent", self.Opponent);
        field("Decision", self.Decision);
        field("Highlights", self.Highlights);
    }
    auto tied() const
    {
        return std::tie(GameNumber, BHits, BAtBats, BRuns, BWalks, BDoubles, BTriples, BHomers,
                        BSOs, BSBs, BRBIs, PAtBats, PHits, PRuns, PInnings, PWalks, PSOs, PStrikes,
                        PBalls, PWildPitches, GameDate, Opponent, Decision, Highlights);
    }
    bool operator==(const GameRecord &o) const { return tied() == o.tied(); }
    bool operator!=(const GameRecord &o) const { return !(*this == o); }
};
// Numbers and implicitly shared texts: a list of games may move its records as plain bytes.
Q_DECLARE_TYPEINFO(GameRecord, Q_RELOCATABLE_TYPE);

using GameRecords = QVector<GameRecord>; // records 0 to N of one stats file
