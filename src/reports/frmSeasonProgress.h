#pragma once

// Season Progress: the current player's average and slugging after each game, and his earned run
// average after each game he pitched, as a chart that prints as drawing.

#include "ProgressChart.h"

#include <QPushButton>
#include <QWidget>

class WindowHost;

// Paints the chart at the widget's size.
class ProgressChartView : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressChartView(QWidget *parent);
    void setChart(const ProgressChart::Heading &heading, const SeasonProgress::Lines &lines,
                  int games);
    void drawOn(Canvas &canvas, const QRect &area) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ProgressChart::Heading m_heading;
    SeasonProgress::Lines m_lines;
    int m_games = 0;
};

class frmSeasonProgress : public QWidget
{
    Q_OBJECT

public:
    explicit frmSeasonProgress(WindowHost &main);

    const QString &player() const { return m_player; }
    // Reads his files again and shows what they hold now.
    void refill();

    ProgressChartView *picChart;
    QPushButton *cmdPrint;
    QPushButton *cmdClose;

private:
    void print();

    WindowHost &m_main;
    const QString m_team;
    const QString m_player;
};
