#pragma once

// Tip of the day: a random line of the tip file among the shipped files; below it the choice
// whether it opens at start-up, which the main window keeps.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <functional>

class frmTip : public QWidget
{
    Q_OBJECT

public:
    // `random` gives a number in [0, 1); the clock-seeded generator unless a test gives its own.
    explicit frmTip(const QString &shippedPath, QWidget *parent = nullptr,
                    std::function<double()> random = {});

    // Reads every line of the file as a tip, blank lines included; false when there is no file.
    void LoadTips(const QByteArray &data);
    void DisplayCurrentTip();
    const QStringList &tips() const { return m_tips; }

    QLabel *lblTipText;
    QCheckBox *chkShowTips; // checked unless the main window says otherwise
    QPushButton *cmdNextTip;
    QPushButton *cmdOK;

private:
    void DoNextTip();

    std::function<double()> m_random;
    QStringList m_tips;
    int m_currentTip = 0; // 1-based
};
