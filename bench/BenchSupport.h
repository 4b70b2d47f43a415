#pragma once

// What the benchmarks share: a team of 27 players with 200 games each in a temporary program
// folder, and timing a subject against its floor in alternating runs, so that both meet the same
// moments of a noisy machine.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <string>

struct BenchTeam
{
    BenchTeam();
    QTemporaryDir dir;
    QString app; // with its trailing "/"
    QStringList statsFiles;
};

struct PairedTimes
{
    double subject; // medians, in milliseconds
    double floor;
    double ratio() const { return subject / floor; }
};

// `untimed`, when given, runs before each run of the subject, outside the time.
PairedTimes timePaired(int runs, const std::function<void()> &subject,
                       const std::function<void()> &floor,
                       const std::function<void()> &untimed = {});

class QWidget;

// Runs `open`, which shows a window, then handles events until a window has painted; returns that
// window.
QWidget *openUntilPainted(const std::function<void()> &open);

// The floor of a durable save: `bytes` in a temporary file beside `path`, written and synced,
// renamed over it, then `folder` synced.
void durableWrite(const std::string &path, const std::string &folder, const QByteArray &bytes);

// Prints "<what>: subject x ms, floor y ms" and "ratio <what>: <n>x".
void reportRatio(const char *what, const PairedTimes &times);
