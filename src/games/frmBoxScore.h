#pragma once

// One game for the whole team: the date, the opponent and the highlights, a batting row for every
// roster player and a pitching row for each pitcher added. The grids move like a spreadsheet from
// the keyboard. Submit gives every player who played his next game, all the stats files or none.

#include "BoxScore.h"
#include "platform/WindowHost.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>

class frmBoxScore : public QWidget, public EditingWindow
{
    Q_OBJECT

public:
    // The window for the current team's roster, or nothing when its team file cannot be read (the
    // user is told why).
    static frmBoxScore *open(WindowHost &main);

    bool hasUnsavedEdits() const override;
    bool saveEdits() override { return store(); }

    // Adds a pitching row for `player` (a roster name); false when he has one or is no player.
    bool addPitcher(const QString &player);

    QLineEdit *txtDate;
    QPushButton *cmdCalendar;
    QLineEdit *txtOpponent;
    QLineEdit *txtHighlights;
    QComboBox *CBPitcher;
    QPushButton *cmdAddPitcher;
    QLabel *lblProblems;
    QPushButton *cmdSubmit;
    QPushButton *cmdCancel;
    QCalendarWidget *Calendar1 = nullptr; // built when first shown

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showCalendar();
    explicit frmBoxScore(WindowHost &main, const QStringList &players);
    QLineEdit *countCell(const QString &name);
    void submit();
    // Checks every row, then stores the games; false (the problems shown, or the user told why)
    // when nothing was stored.
    bool store();
    QVector<BoxScore::PlayerRows> rows() const;
    void markProblem(int player, const BoxScore::Problem &problem);
    void clearMarks();
    // The cell `rows` rows and `columns` columns from `from` in its grid, if there is one.
    QWidget *cellBeside(QWidget *from, int rows, int columns) const;

    struct PitchingRow
    {
        int player; // index into m_players
        QLineEdit *innings;
        QComboBox *thirds;
        std::array<QLineEdit *, BoxScore::PitchingCount> counts;
        QComboBox *decision;
    };

    WindowHost &m_main;
    const QString m_team;
    const QStringList m_players; // the roster, in its order
    const QString m_proposedDate;
    QVector<std::array<QLineEdit *, BoxScore::BattingCount>> m_batting; // by player
    QVector<PitchingRow> m_pitching;
    QGridLayout *m_pitchingGrid;
    // Every grid cell with its grid (0 batting, 1 pitching), row and column, for the arrow keys.
    QHash<QWidget *, std::array<int, 3>> m_cells;
    bool m_stored = false;
};
