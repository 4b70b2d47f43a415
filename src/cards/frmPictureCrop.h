#pragma once

// The picture editor: imports a picture, shows it scaled and scrolled in the viewport, moves the
// crop frame over it and crops the card photo, with a card front preview; it also sets the team's
// border colour. Submit saves the photo as "<player>.bmp" in the team folder (and for the prints
// as "<player>.card.png") and records it in the player's file, and the colour in the team file.

#include "CardWidgets.h"
#include "platform/WindowHost.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

class frmPictureCrop : public QWidget, public EditingWindow
{
    Q_OBJECT

public:
    explicit frmPictureCrop(WindowHost &host, QWidget *parent = nullptr);

    bool hasUnsavedEdits() const override;
    bool saveEdits() override { return store(); }

    CardSurface *viewport; // the window surface the picture is drawn on
    QScrollBar *VScroll1;
    QScrollBar *HScroll1;
    CropGrip *Image1; // the crop frame the user drags
    CardShape *Shape1;
    QPushButton *cmdInsertPic;
    QLabel *lblScaleValue;
    QPushButton *cmdZoomIn;
    QPushButton *cmdZoomOut;
    QPushButton *cmdCrop;
    QPushButton *cmdBorderColor;
    QPushButton *cmdCancel;
    QPushButton *cmdSubmit;
    QLabel *Picture1;
    CardSurface *picCard;
    CardShape *Shape4;
    QLabel *lblPlayer;
    QLabel *lblTeam;
    CardShape *Shape6;
    QLabel *lblPosition;
    QTimer Timer1;

    // Hidden surfaces: the photo to save (3090 x 4080 twips, the crop at its top-left), the same
    // crop at print resolution, the imported picture at natural size, and the grey that clears the
    // viewport.
    QImage picSavePic;
    QImage picPrintPhoto;
    QImage frmRawPicture;
    QImage frmPictureClear;

    double ZoomFactor() const { return m_zoomPercent / 100.0; }
    QPoint offset() const { return QPoint(HScroll1->value(), VScroll1->value()); }
    QRect frame() const { return m_frame; } // Image1, in window twips
    bool PictureCropped() const { return m_cropped; }
    QString picturePath() const { return m_picturePath; } // what Submit records

    // The drag of the crop frame, in window twips: begun with the pointer at `grab` within the
    // frame, ended with the pointer at `at`. A drop outside the viewport leaves the frame.
    void Image1_MouseDown(QPoint grab);
    void Form_DragDrop(QPoint at);

public slots:
    void Timer1Tick();
    void importPicture();
    void zoomIn();
    void zoomOut();
    void crop();
    void chooseBorderColor();
    void submit();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPreview();
    void redrawViewport();
    // The scroll bars reach every part of the imported picture at the zoom in force.
    void setScrollRanges();
    void showCrop(const QRectF &source);
    void placeFrame(const QRect &twips);
    void showBorderColor(qint32 rgb);
    // Writes the photo, the player file and the team file; false (the user told which file)
    // when one could not be written.
    bool store();
    void tell(const QString &text, MessageIcon icon);

    WindowHost &m_host;
    const QString m_team;
    const QString m_player;
    qint32 m_loadedColor; // as stored
    qint32 m_borderColor;
    QString m_loadedPath; // as stored
    QString m_picturePath;
    int m_zoomPercent = 100;
    bool m_cropped = false;
    QRect m_frame;
    QPoint m_grab;
};
