#include "ProgressChart.h"

#include "core/Statistics.h"

#include <algorithm>
#include <cmath>

namespace ProgressChart {

namespace {

constexpr qint32 Black = 0x000000;
constexpr qint32 GridGrey = 0xD8D8D8;
constexpr int LabelPoints = 9;
constexpr int AxisRoom = 900;        // left of a plot, for the value labels
constexpr int GameRoom = 560;        // under a plot, for the game numbers and "Game"
constexpr int TitleRoom = 320;       // above a plot, for its title and legend
constexpr int Marker = 50;           // half the side of a point's square
constexpr int MinimumLabelGap = 480; // between game numbers

void setFont(Canvas &canvas, double points, bool bold)
{
    canvas.setFont(QStringLiteral("Arial"), points, bold, false);
    canvas.setForeColor(Black);
}

// The value axis, in thousandths: a step of 1, 2 or 5 times a power of ten giving at most five
// steps up to a top at or above the largest value.
struct Scale
{
    qint64 step = 0;
    qint64 top = 0;
};

Scale scaleFor(qint64 largest, qint64 least)
{
    const qint64 wanted = std::max(largest, least);
    qint64 power = 1;
    while (power * 10 <= wanted / 5)
        power *= 10;
    qint64 step = power;
    for (const qint64 factor : {1, 2, 5, 10}) {
        step = factor * power;
        if (step * 5 >= wanted)
            break;
    }
    return {step, (wanted + step - 1) / step * step};
}

qint64 thousandths(float value)
{
    return std::llround(double(value) * 1000.0);
}

// Rates as the program shows them (".250"); earned run averages with the decimals the step needs.
QString valueLabel(qint64 value, qint64 step, bool rate)
{
    if (rate)
        return Stats::formatQuotient(value, 1000, 3, false);
    const int decimals = step >= 1000 ? 0 : step >= 100 ? 1 : step >= 10 ? 2 : 3;
    return Stats::formatQuotient(value, 1000, decimals, true);
}

struct Series
{
    QString name;
    qint32 color;
    const QVector<SeasonProgress::Point> *points;
};

class Plot
{
public:
    Plot(Canvas &canvas, const QRect &box, int games) : m_canvas(canvas), m_box(box), m_games(games)
    {
    }

    int x(int game) const
    {
        return m_box.left() + int((2 * qint64(game) - 1) * m_box.width() / (2 * qint64(m_games)));
    }
    int y(float value) const
    {
        return m_box.bottom() - int(thousandths(value) * m_box.height() / m_scale.top);
    }

    void drawAxes(const Scale &scale, bool rate, const QString &valueCaption)
    {
        m_scale = scale;
        setFont(m_canvas, LabelPoints, false);
        m_canvas.setDrawWidthTwips(10);
        for (qint64 value = 0; value <= scale.top; value += scale.step) {
            const int atY = m_box.bottom() - int(value * m_box.height() / scale.top);
            if (value > 0)
                m_canvas.line(m_box.left(), atY, m_box.right(), atY, GridGrey);
            m_canvas.line(m_box.left() - 80, atY, m_box.left(), atY, Black);
            const QString label = valueLabel(value, scale.step, rate);
            m_canvas.printAt(label, m_box.left() - 120 - m_canvas.textWidth(label),
                             atY - m_canvas.textHeight(label) / 2);
        }
        int every = 1;
        for (const int candidate : {1, 2, 5, 10, 20, 25, 50, 100}) {
            every = candidate;
            if (qint64(m_box.width()) * candidate / m_games >= MinimumLabelGap)
                break;
        }
        for (int game = 1; game <= m_games; ++game) {
            if (game % every != 0 && game != 1)
                continue;
            m_canvas.line(x(game), m_box.bottom(), x(game), m_box.bottom() + 80, Black);
            const QString label = QString::number(game);
            m_canvas.printAt(label, x(game) - m_canvas.textWidth(label) / 2, m_box.bottom() + 110);
        }
        m_canvas.box(m_box.left(), m_box.top(), m_box.right(), m_box.bottom(), Black);
        const QString game = QStringLiteral("Game");
        m_canvas.printAt(game, m_box.center().x() - m_canvas.textWidth(game) / 2,
                         m_box.bottom() + 110 + m_canvas.textHeight(game));
        setFont(m_canvas, LabelPoints, true);
        m_canvas.printAt(valueCaption, m_box.left() - AxisRoom + 60, m_box.top() - TitleRoom + 40);
    }

    void drawSeries(const QVector<Series> &series)
    {
        int legendRight = m_box.right();
        for (auto it = series.rbegin(); it != series.rend(); ++it) {
            setFont(m_canvas, LabelPoints, false);
            const int width = m_canvas.textWidth(it->name);
            const int textLeft = legendRight - width;
            const int legendY = m_box.top() - TitleRoom + 40;
            m_canvas.printAt(it->name, textLeft, legendY);
            m_canvas.setDrawWidthTwips(30);
            const int lineY = legendY + m_canvas.textHeight(it->name) / 2;
            m_canvas.line(textLeft - 360, lineY, textLeft - 80, lineY, it->color);
            legendRight = textLeft - 520;
        }
        for (const Series &s : series) {
            m_canvas.setDrawWidthTwips(30);
            const QVector<SeasonProgress::Point> &points = *s.points;
            for (int i = 1; i < points.size(); ++i)
                m_canvas.line(x(points[i - 1].game), y(points[i - 1].value), x(points[i].game),
                              y(points[i].value), s.color);
            for (const SeasonProgress::Point &point : points)
                m_canvas.filledBox(x(point.game) - Marker, y(point.value) - Marker,
                                   x(point.game) + Marker, y(point.value) + Marker, s.color);
        }
    }

    void say(const QString &text)
    {
        setFont(m_canvas, 10, false);
        m_canvas.printAt(text, m_box.center().x() - m_canvas.textWidth(text) / 2,
                         m_box.center().y() - m_canvas.textHeight(text) / 2);
    }

private:
    Canvas &m_canvas;
    QRect m_box;
    int m_games;
    Scale m_scale;
};

qint64 largestOf(const QVector<SeasonProgress::Point> &points)
{
    qint64 largest = 0;
    for (const SeasonProgress::Point &point : points)
        largest = std::max(largest, thousandths(point.value));
    return largest;
}

} // namespace

void draw(Canvas &canvas, const QRect &area, const Heading &heading,
          const SeasonProgress::Lines &lines, int games)
{
    setFont(canvas, 13, true);
    const QString title = QStringLiteral("Season Progress: %1").arg(heading.player);
    canvas.printAt(title, area.left(), area.top());
    int top = area.top() + canvas.textHeight(title);
    setFont(canvas, LabelPoints, false);
    const QString subtitle = heading.season.isEmpty()
                                 ? heading.team
                                 : heading.team + QStringLiteral(" · ") + heading.season;
    canvas.printAt(subtitle, area.left(), top);
    top += canvas.textHeight(subtitle) + 120;

    const int plotHeight = (area.bottom() - top) / 2 - TitleRoom - GameRoom;
    const int plotWidth = area.width() - AxisRoom - 120;
    const QRect batting(area.left() + AxisRoom, top + TitleRoom, plotWidth, plotHeight);
    const QRect pitching(batting.left(), batting.bottom() + GameRoom + TitleRoom, plotWidth,
                         plotHeight);

    Plot battingPlot(canvas, batting, std::max(games, 1));
    battingPlot.drawAxes(
        scaleFor(std::max(largestOf(lines.average), largestOf(lines.slugging)), 500), true,
        QStringLiteral("AVG and Slug"));
    if (games == 0)
        battingPlot.say(QStringLiteral("No games are stored yet."));
    else
        battingPlot.drawSeries({{QStringLiteral("AVG"), AverageColor, &lines.average},
                                {QStringLiteral("Slug"), SluggingColor, &lines.slugging}});

    Plot pitchingPlot(canvas, pitching, std::max(games, 1));
    pitchingPlot.drawAxes(scaleFor(largestOf(lines.era), 5000), false, QStringLiteral("ERA"));
    if (lines.era.isEmpty())
        pitchingPlot.say(QStringLiteral("No innings pitched yet."));
    else
        pitchingPlot.drawSeries({{QStringLiteral("ERA"), EraColor, &lines.era}});
}

} // namespace ProgressChart
