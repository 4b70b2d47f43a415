#pragma once

// How cards show and print: cards per page, the border colour, the two stat blocks on the back,
// grayscale and the back alignment (with a suggestion from the printer's paper), the backs'
// vertical offset and the short-edge flip; and the two alignment test pages. Changes are collected
// here and take effect on Submit; an open card view shows them after its Refresh.

#include "platform/ClickLabel.h"
#include "platform/WindowHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QWidget>

#include <functional>
#include <tuple>

class Canvas;

class frmCardOptions : public QWidget, public EditingWindow
{
    Q_OBJECT

public:
    // Opens the window for the current team and player, or raises it when it is open.
    static void showFor(WindowHost &host);

    explicit frmCardOptions(WindowHost &host, QWidget *parent = nullptr);

    bool hasUnsavedEdits() const override;
    bool saveEdits() override;

    QComboBox *CBCardsPerPage;
    ClickLabel *lblColor;
    QPushButton *cmdBatting;
    QPushButton *cmdPitching;
    QCheckBox *checkGrayscale;
    QLabel *lblAlignValue;
    QScrollBar *HScroll1;
    QPushButton *cmdSuggest;
    QSpinBox *spnBackOffset;
    QCheckBox *checkShortEdge;
    QPushButton *cmdPrintTestFront;
    QPushButton *cmdPrintTestBack;
    QPushButton *cmdCancel;
    QPushButton *cmdSubmit;

    qint32 PendingBorderColor = 0;
    bool PendingShowBatting = true;
    bool PendingShowPitching = true;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct Options
    {
        int cardsPerPage;
        qint32 borderColor;
        bool showBatting;
        bool showPitching;
        int alignment;
        bool grayscale;
        int backOffsetDown;
        bool shortEdgeFlip;
        auto tie() const
        {
            return std::tie(cardsPerPage, borderColor, showBatting, showPitching, alignment,
                            grayscale, backOffsetDown, shortEdgeFlip);
        }
        bool operator!=(const Options &other) const { return tie() != other.tie(); }
    };

    void Form_Load();
    void toggleBatting();
    void togglePitching();
    void chooseColor();
    void submit();
    void printTestPage(const QString &name, const std::function<void(Canvas &)> &draw);
    // Sets the alignment that puts each back behind its front on the chosen printer's paper.
    void suggestAlignment();
    Options chosen() const;
    // Stores the chosen options, then rewrites the player's and team's files; false when a file
    // could not be written (the user is told which).
    bool store();
    bool rewriteFiles(qint32 borderColor);
    void tell(const QString &text);

    WindowHost &m_host;
    const QString m_team; // the team and player the window was opened for; either may be empty
    const QString m_player;
    Options m_loaded{};
};
