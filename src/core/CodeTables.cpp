#include "CodeTables.h"

namespace Codes {

namespace {

QString entry(const QStringList &table, int code)
{
    return code >= 0 && code < table.size() ? table.at(code) : QString();
}

} // namespace

QStringList positionChoices()
{
    return {"--", "PIT", "CAT", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH"};
}

QString positionShortName(int code)
{
    static const QStringList names = {"", "P", "C", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH"};
    return entry(names, code);
}

QString positionLongName(int code)
{
    static const QStringList names = {
        "",          "Pitcher",    "Catcher",      "First Base",  "Second Base", "Third Base",
        "Shortstop", "Left Field", "Center Field", "Right Field", "DH"};
    return entry(names, code);
}

QStringList batsChoices()
{
    return {"--", "Left", "Right", "Both"};
}

QStringList throwsChoices()
{
    return {"--", "Left", "Right"};
}

QString batsName(int code)
{
    return code >= 1 ? entry(batsChoices(), code) : QString();
}

QString throwsName(int code)
{
    return code >= 1 ? entry(throwsChoices(), code) : QString();
}

QStringList decisionChoices()
{
    return {NoDecision, Win, Loss, Save};
}

} // namespace Codes
