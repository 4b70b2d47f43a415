#pragma once

// The options this program keeps beyond settings.dft, in one INI file in the data folder,
// "Scorebinder.ini". A damaged file gives the defaults and says why; it is only written again when
// the user changes an option.

#include "Outcome.h"
#include "PitchCounts.h"

#include <QString>

namespace Options {

QString filePath(const QString &appPath);

struct PitchRules
{
    PitchCounts::Rules rules;
    QString problem; // why the defaults are used in place of a damaged file's rules
};

PitchRules readPitchRules(const QString &appPath);
Outcome<void> writePitchRules(const QString &appPath, const PitchCounts::Rules &rules);

// How card backs print beyond the alignment of settings.dft.
struct CardPrinting
{
    int backOffsetDown = 0;     // sixteenths of an inch, -16 to 16; positive moves the backs down
    bool shortEdgeFlip = false; // the printer turns the sheet about its short edge
    bool operator==(const CardPrinting &o) const
    {
        return backOffsetDown == o.backOffsetDown && shortEdgeFlip == o.shortEdgeFlip;
    }
};
struct CardPrintingRead
{
    CardPrinting printing;
    QString problem;
};

CardPrintingRead readCardPrinting(const QString &appPath);
Outcome<void> writeCardPrinting(const QString &appPath, const CardPrinting &printing);

// Whether the tip of the day opens at start-up.
struct TipsRead
{
    bool showAtStartUp = true;
    QString problem;
};

TipsRead readTips(const QString &appPath);
Outcome<void> writeTips(const QString &appPath, bool showAtStartUp);

} // namespace Options
