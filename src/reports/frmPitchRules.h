#pragma once

// The pitch-count rules as two tables the coach can change: the daily pitch limit by age, and the
// days of rest by the pitches of an outing. Save keeps them in the options file, and the open
// windows show what they give.

#include "core/PitchCounts.h"
#include "platform/WindowHost.h"

#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

class frmPitchRules : public QWidget, public EditingWindow
{
    Q_OBJECT

public:
    frmPitchRules(WindowHost &main, const PitchCounts::Rules &rules);

    bool hasUnsavedEdits() const override;
    bool saveEdits() override;

    QTableWidget *tblLimits;
    QTableWidget *tblRest;
    QPushButton *cmdAddRow;
    QPushButton *cmdRemoveRow;
    QPushButton *cmdDefaults;
    QPushButton *cmdSave;
    QPushButton *cmdCancel;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showRules(const PitchCounts::Rules &rules);
    // The tables as rules, or why a cell cannot be read.
    Outcome<PitchCounts::Rules> typedRules() const;
    QTableWidget *focusedTable() const;

    WindowHost &m_main;
    PitchCounts::Rules m_stored;
};
