// Start-up as a user feels it: the program started as a whole process until its main window has
// painted (on the benchmark team, its current player of 200 games shown), against a bare Qt main
// window with a menu bar and as many labels, alternating, 31 runs each; quartiles of the times and
// of the paired ratios.

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Run
{
    double ms;
    QByteArray output;
};

Run timeProcess(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qFatal("%s did not end well: %s", qPrintable(program),
               process.readAllStandardError().constData());
    return {timer.nsecsElapsed() / 1e6, process.readAllStandardOutput()};
}

double quartile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    return values[size_t(q * double(values.size() - 1) + 0.5)];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    BenchTeam team;
    // The program keeps its data in the per-user data folder: here, the benchmark's team.
    QTemporaryDir home;
    if (!QFile::link(team.dir.path(), home.path() + QStringLiteral("/Scorebinder")))
        qFatal("the benchmark's data folder could not be linked");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");

    const QString subject = folder + QStringLiteral("startup_subject");
    const QString floor = folder + QStringLiteral("startup_floor");
    const QString labels =
        QString::fromLatin1(timeProcess(subject, {}, environment).output.trimmed());
    timeProcess(floor, {labels}, environment); // both warm
    std::vector<double> subjectTimes, floorTimes, ratios;
    constexpr int Runs = 31;
    for (int run = 0; run < Runs; ++run) {
        subjectTimes.push_back(timeProcess(subject, {}, environment).ms);
        floorTimes.push_back(timeProcess(floor, {labels}, environment).ms);
        ratios.push_back(subjectTimes.back() / floorTimes.back());
    }
    std::printf("start-up: %d runs each, %s labels; subject quartiles %.1f / %.1f / %.1f ms, floor "
                "%.1f / %.1f / %.1f ms; paired ratios' quartiles %.2f / %.2f / %.2f\n",
                Runs, qPrintable(labels), quartile(subjectTimes, 0.25), quartile(subjectTimes, 0.5),
                quartile(subjectTimes, 0.75), quartile(floorTimes, 0.25), quartile(floorTimes, 0.5),
                quartile(floorTimes, 0.75), quartile(ratios, 0.25), quartile(ratios, 0.5),
                quartile(ratios, 0.75));
    // The ratio is the median of each run's ratio to the floor's run beside it: a slow or quick
    // moment of the machine, which a whole process feels more than anything timed inside one,
    // moves both alike and cancels out.
    std::printf("ratio start-up to the main window painted / bare window: %.2fx\n",
                quartile(ratios, 0.5));
    return 0;
}
