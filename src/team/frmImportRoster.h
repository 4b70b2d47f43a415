#pragma once

// The preview of a roster file: a row for each line of the file with the values it will store and
// "ready" or why it cannot be taken. Import adds the ready players to the current team at once,
// Cancel adds nothing.

#include "RosterImport.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

class WindowHost;

class frmImportRoster : public QWidget
{
    Q_OBJECT

public:
    // Asks for the file and reads it; nothing when the user cancels or the file cannot be read
    // (the user is told why).
    static frmImportRoster *open(WindowHost &main);

    QTableWidget *tblPlayers;
    QLabel *lblIgnored;
    QPushButton *cmdImport;
    QPushButton *cmdCancel;

signals:
    // The team file as the import wrote it.
    void rosterImported(const TeamFile &teamFile);

private:
    frmImportRoster(WindowHost &main, const RosterImport::Preview &preview);
    void import();

    WindowHost &m_main;
    const QString m_team;
    QVector<PlayerProfile> m_ready;
};
