#pragma once

// Asks for a new team's name, creates its folder and empty team file, makes it current and hands
// over to the team window.

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

class WindowHost;

class frmNameTeam : public QWidget
{
    Q_OBJECT

public:
    explicit frmNameTeam(WindowHost &main, QWidget *parent = nullptr);

    QLineEdit *txtTeamName;
    QPushButton *OKButton;
    QPushButton *cmdCancel;

private:
    enum class Creation
    {
        Created,
        Declined,  // the user kept the existing team
        Cancelled, // the user kept the previous team's windows
        Failed
    };
    void submit();
    Creation CreateTeam(const QString &team);

    WindowHost &m_main;
};
