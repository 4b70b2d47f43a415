#pragma once

// The trading card of the current player on screen, front and back at real size, filled from the
// shared state a moment after the window loads; its texts are what the card prints read.

#include "CardSheet.h"
#include "CardTexts.h"
#include "CardWidgets.h"
#include "frmLogoBlit.h"
#include "platform/WindowHost.h"

#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>

class Canvas;

class frmViewCard : public QWidget
{
    Q_OBJECT

public:
    explicit frmViewCard(WindowHost &host, QWidget *parent = nullptr);

    CardSurface *picCard;
    CardSurface *picCardBack;
    CardShape *Shape2; // name band
    CardShape *Shape4; // photo frame
    CardShape *Shape6; // position disc
    CardShape *Shape1; // back border
    CardShape *sBat;   // shields: shown solid white over a block that is switched off
    CardShape *sPit;
    QLabel *lblPlayer;
    QLabel *lblTeam;
    QLabel *lblPosition;
    QLabel *lblBackPlayer;
    QLabel *lblBackTeam;
    QPushButton *cmdPrintFront;
    QPushButton *cmdCardOptions;
    QPushButton *cmdPrintBack;
    QPushButton *cmdPreview;
    QPushButton *cmdRefresh;
    QPushButton *cmdExit;
    QTimer Timer1;
    frmLogoBlit *LogoBlit;

    // The value element named `name` ("lblBAverage", …), or nullptr.
    QLabel *element(const QString &name) const;
    // Every value element's whole text, by name (what the card shows, before any "…").
    CardElementTexts elementTexts() const;
    // The sheets as they print now, with the options in force; the back needs the logo file.
    CardSheet::FrontSheet frontSheet() const;
    // The photo the prints use: "<player>.card.png" when his photo is his bitmap and that file is
    // not older than it, else the bitmap as the main window loaded it.
    QImage printPhoto() const;
    Outcome<CardSheet::BackSheet> backSheet() const;

public slots:
    // Runs once per load: fills the texts and shields, paints the photo and the logo.
    void Timer1Tick();
    // Reloads the window from the shared state, as when it was opened.
    void reload();
    void printFront();
    void printBack();
    // Both sheets in a print preview, from which they can be printed as one job.
    void preview();

private:
    void buildFront();
    void buildBack();
    QLabel *addElement(QWidget *surface, const char *name, const QFont &font, const QColor &colour,
                       Qt::Alignment alignment, const QRect &twips);
    void showFill(const CardFill &fill);
    // The rooms the texts keep to on screen, in pixels, from the shapes and captions about them:
    // the same rule as on paper.
    void measureRooms();
    // `what` the sheet is, for the print job's name.
    void print(const QString &what, const std::function<void(Canvas &)> &draw);
    void tell(const QString &text);

    WindowHost &m_host;
    QHash<QString, QLabel *> m_elements;
    struct Room
    {
        QFont font; // as the layout gives it
        int pixels = 0;
    };
    QHash<QString, Room> m_rooms;
};
