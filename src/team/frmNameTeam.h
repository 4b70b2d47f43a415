#pragma once

// Asks for a new team's name, creates its folder and empty team file, makes it current and hands
// over to the team window.

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

class frmMain;

class frmNameTeam : public QWidget
{
    Q_OBJECT

public:
    explicit frmNameTeam(frmMain &main, QWidget *parent = nullptr);

    QLineEdit *txtTeamName;
    QPushButton *OKButton;
    QPushButton *cmdCancel;

private:
    enum class Creation
    {
        Created,
        Declined,
        Failed
    };
    void submit();
    Creation CreateTeam(const QString &team);

    frmMain &m_main;
};
