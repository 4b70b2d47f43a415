#pragma once

// Team Cards: a card for every chosen roster player, copies of each, printed on as many sheets as
// it takes, fronts and backs, with a preview of every sheet.

#include "TeamCardSheets.h"

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

#include <optional>

class QPrinter;
class WindowHost;

class frmTeamCards : public QWidget
{
    Q_OBJECT

public:
    explicit frmTeamCards(WindowHost &main);

    QListWidget *lstPlayers; // the roster, each with a check box
    QSpinBox *spnCopies;
    QPushButton *cmdPrintFronts;
    QPushButton *cmdPrintBacks;
    QPushButton *cmdPreview;
    QPushButton *cmdClose;

private:
    // The chosen players' cards with the options in force; a player whose files cannot be read is
    // named first, and left out if the user says so. Nothing when there is nothing to print.
    std::optional<CardSheet::TeamSheets> gatherCards();
    void print(bool fronts);
    void preview();
    void tell(const QString &text);

    WindowHost &m_main;
    const QString m_team;
};
