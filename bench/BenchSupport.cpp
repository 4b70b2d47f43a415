#include "BenchSupport.h"

#include "core/RecordFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// Notes the first window to receive a paint event.
class PaintWatch : public QObject
{
public:
    QWidget *painted = nullptr;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!painted && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow())
            painted = static_cast<QWidget *>(watched);
        return false;
    }
};

void written(const Outcome<void> &saved)
{
    if (!saved)
        qFatal("the benchmark's team could not be written: %s", qPrintable(saved.error()));
}

} // namespace

BenchTeam::BenchTeam()
{
    app = dir.path() + '/';
    QDir().mkpath(app + "Team1");
    TeamFile team;
    team.header = {"Team1", "Coach", "Asst", "Season", "", 0};
    for (int p = 0; p < RosterSlots; ++p) {
        const QString name = QStringLiteral("Player %1").arg(p + 1);
        team.roster[p] = {name, qint16(p % 10 + 1)};
        GameRecords records{GameRecord{}};
        for (int g = 1; g <= MaxGames; ++g) {
            GameRecord r;
            r.GameNumber = qint16(g);
            r.BHits = qint16(g % 3);
            r.BAtBats = 4;
            r.BWalks = qint16(g % 2);
            r.BDoubles = qint16(g % 5 == 0);
            r.PAtBats = qint16(p % 3 == 0 ? 12 : 0);
            r.PHits = qint16(p % 3 == 0 ? 3 : 0);
            r.PInnings = p % 3 == 0 ? 3.1f : 0.0f;
            r.PStrikes = qint16(p % 3 == 0 ? 15 : 0); // the team's sum stays within 16 bits
            r.GameDate = QStringLiteral("05/%1/2026").arg(g % 28 + 1, 2, 10, QLatin1Char('0'));
            r.Opponent = QStringLiteral("Opponent %1").arg(g);
            r.Decision = p % 3 == 0 ? QStringLiteral("Win") : QString();
            r.Highlights = QStringLiteral("Two hits, one a double to the gap");
            records.append(r);
        }
        const PlayerProfile profile{
            name, "Team1", qint16(p % 10 + 1), 0, 1, 2, qint16(p), "Springfield", "IL", 12, ""};
        written(RecordFiles::WriteGameRecords(app, "Team1", name, records));
        written(RecordFiles::WritePlayerFile(app, "Team1", name, profile));
        statsFiles << RecordFiles::statsFilePath(app, "Team1", name);
    }
    written(RecordFiles::WriteTeamFile(app, "Team1", team));
    written(RecordFiles::WriteSettings(app, Settings{"Team1", "Player 1", 0, 0}));
}

QWidget *openUntilPainted(const std::function<void()> &open)
{
    PaintWatch watch;
    QCoreApplication::instance()->installEventFilter(&watch);
    open();
    // The paint event reaches the window first, its children within the same handling.
    while (!watch.painted)
        QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&watch);
    return watch.painted;
}

PairedTimes timePaired(int runs, const std::function<void()> &subject,
                       const std::function<void()> &floor, const std::function<void()> &untimed)
{
    std::vector<double> subjectTimes, floorTimes;
    QElapsedTimer timer;
    const auto time = [&timer](const std::function<void()> &run) {
        timer.start();
        run();
        return timer.nsecsElapsed() / 1e6;
    };
    subject(); // warm the caches for both
    floor();
    for (int i = 0; i < runs; ++i) {
        if (untimed)
            untimed();
        subjectTimes.push_back(time(subject));
        floorTimes.push_back(time(floor));
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    return {median(subjectTimes), median(floorTimes)};
}

void reportRatio(const char *what, const PairedTimes &times)
{
    std::printf("%s: %.3f ms, floor %.3f ms\n", what, times.subject, times.floor);
    std::printf("ratio %s: %.2fx\n", what, times.ratio());
    std::fflush(stdout);
}

void durableWrite(const std::string &path, const std::string &folder, const QByteArray &bytes)
{
    const std::string temp = path + ".floor";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    if (::write(fd, bytes.constData(), std::size_t(bytes.size())) == bytes.size())
        ::fsync(fd);
    ::close(fd);
    ::rename(temp.c_str(), path.c_str());
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(dir);
    ::close(dir);
}
