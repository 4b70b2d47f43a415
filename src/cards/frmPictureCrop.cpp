#include "frmPictureCrop.h"

#include <QCloseEvent>

#include "CropRules.h"
#include "core/CodeTables.h"
#include "core/RecordFiles.h"
#include "core/TeamFolder.h"
#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "platform/TextFit.h"
#include "platform/Units.h"

#include <QPainter>

#include <cmath>

namespace {

const QString Title = QStringLiteral("Edit Picture For Trading Card");
const QString ImportFilter = QStringLiteral(
    "All Files (*.*)|*.*|JPEG Picture Files (*.jpg)|*.jpg|GIF Picture Files (*.gif)|*.gif|"
    "Bitmap Picture Files (*.bmp)|*.bmp|TIFF Picture Files (*.tif)|*.tif");

QRect pixelsOf(const QRect &twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

QRectF pixelsF(const QRectF &twips)
{
    return QRectF(twips.x() / TwipsPerPixel, twips.y() / TwipsPerPixel,
                  twips.width() / TwipsPerPixel, twips.height() / TwipsPerPixel);
}

void setColours(QWidget &widget, const QColor &text, const QColor &background = QColor())
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid())
        palette.setColor(QPalette::Window, background);
    widget.setPalette(palette);
    widget.setAutoFillBackground(background.isValid());
}

} // namespace

frmPictureCrop::frmPictureCrop(WindowHost &host, QWidget *parent)
    : QWidget(parent), m_host(host), m_team(host.state().TeamName),
      m_player(host.state().PlayerName), m_loadedColor(host.state().TeamBorderColor),
      m_borderColor(m_loadedColor), m_loadedPath(host.state().PlayerPicturePath),
      m_picturePath(m_loadedPath), m_frame(QPoint(0, 0), CropRules::FrameTwips)
{
    setObjectName("frmPictureCrop");
    setWindowTitle(Title);
    setFixedSize(twipsToPixels(11880), twipsToPixels(7770));
    setFont(windowFont("MS Sans Serif", 8.25));
    setColours(*this, Qt::white, Qt::black);

    const QSize viewportPixels = pixelsOf(QRect(QPoint(0, 0), CropRules::ViewportTwips)).size();
    viewport = new CardSurface("viewport", QRect(QPoint(0, 0), viewportPixels), this,
                               CropRules::ViewportGrey);
    frmPictureClear = screenPicture(viewportPixels, CropRules::ViewportGrey);
    picSavePic =
        screenPicture(pixelsOf(QRect(QPoint(0, 0), CropRules::SavedPhotoTwips)).size(), Qt::white);
    picPrintPhoto = QImage(CropRules::PrintPhotoPixels, QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(CropRules::PrintPhotoDpi / 0.0254));
    picPrintPhoto.setDotsPerMeterX(dotsPerMeter);
    picPrintPhoto.setDotsPerMeterY(dotsPerMeter);

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setGeometry(twipsRect(7000, 0, 255, 6000));
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setGeometry(twipsRect(0, 6000, 7000, 255));
    for (QScrollBar *bar : {VScroll1, HScroll1}) {
        bar->setRange(0, 0);
        bar->setEnabled(false);
        connect(bar, &QScrollBar::valueChanged, this, &frmPictureCrop::redrawViewport);
    }

    Shape1 = new CardShape("Shape1", CardShape::Rectangle, pixelsOf(m_frame), this);
    Shape1->setBorder(Qt::black, 3);
    Image1 = new CropGrip("Image1", pixelsOf(m_frame), this);
    connect(Image1, &CropGrip::pressed, this,
            [this](QPoint within) { Image1_MouseDown(within * TwipsPerPixel); });
    connect(Image1, &CropGrip::dragged, this, [this](QPoint inWindow) {
        // The frame follows the pointer; only a drop on the viewport keeps it there.
        const QPoint at = inWindow * TwipsPerPixel - m_grab;
        const QRect shown = pixelsOf(QRect(at, m_frame.size()));
        Image1->setGeometry(shown);
        Shape1->setGeometry(shown);
    });
    connect(Image1, &CropGrip::dropped, this,
            [this](QPoint inWindow) { Form_DragDrop(inWindow * TwipsPerPixel); });

    const auto button = [this](const char *name, const QString &caption, int left, int top) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(twipsRect(left, top, 855, 375));
        return b;
    };
    cmdInsertPic = button("cmdInsertPic", "&Import...", 840, 6360);
    cmdZoomIn = button("cmdZoomIn", "&Zoom In", 3000, 6360);
    cmdZoomOut = button("cmdZoomOut", "Zoom &Out", 3960, 6360);
    cmdCrop = button("cmdCrop", "Cro&p", 5400, 6360);
    // Each its own Alt key: Import has I, Zoom Out has O.
    cmdBorderColor = button("cmdBorderColor", "Co&lor", 7200, 6360);
    cmdCancel = button("cmdCancel", "&Cancel", 5400, 7320);
    cmdSubmit = button("cmdSubmit", "&Submit", 6360, 7320);
    for (QPushButton *b : {cmdZoomIn, cmdZoomOut, cmdCrop})
        b->setEnabled(false);
    connect(cmdInsertPic, &QPushButton::clicked, this, &frmPictureCrop::importPicture);
    connect(cmdZoomIn, &QPushButton::clicked, this, &frmPictureCrop::zoomIn);
    connect(cmdZoomOut, &QPushButton::clicked, this, &frmPictureCrop::zoomOut);
    connect(cmdCrop, &QPushButton::clicked, this, &frmPictureCrop::crop);
    connect(cmdBorderColor, &QPushButton::clicked, this, &frmPictureCrop::chooseBorderColor);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { closeDroppingEdits(*this); });
    connect(cmdSubmit, &QPushButton::clicked, this, &frmPictureCrop::submit);
    // Esc closes the window, asking about edits; Cancel drops them.
    behaveLikeDialog(*this, cmdSubmit, nullptr);

    lblScaleValue = new QLabel(CropRules::scaleText(m_zoomPercent), this);
    lblScaleValue->setObjectName("lblScaleValue");
    lblScaleValue->setGeometry(twipsRect(2280, 6405, 615, 315));
    lblScaleValue->setFont(windowFont("MS Sans Serif", 9.75, true));
    lblScaleValue->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColours(*lblScaleValue, Qt::white);

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(twipsRect(9600, 120, 2115, 1860));
    Picture1->setPixmap(QPixmap(QStringLiteral(":/logo2.bmp")));

    buildPreview();

    auto *caption = new QLabel("Card Front Preview", this);
    caption->setObjectName("Label1");
    caption->setGeometry(twipsRect(8520, 7485, 2895, 255));
    caption->setFont(windowFont("MS Sans Serif", 8.25, true));
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColours(*caption, Qt::black, palette().color(QPalette::Button));

    // The current photo, as the main window loaded it, at natural size under the frame; one that
    // could not be loaded leaves the viewport grey, and the user is told only if he uses it.
    const QImage &photo = m_host.playerPicture();
    if (!m_picturePath.isEmpty() && !photo.isNull()) {
        const QRectF natural(QPointF(0, 0), naturalSizeTwips(photo));
        CropRules::paintPart(viewport->image(), pixelsF(natural), photo, natural, false);
    }

    Timer1.setObjectName("Timer1");
    Timer1.setSingleShot(true);
    Timer1.setInterval(300);
    connect(&Timer1, &QTimer::timeout, this, &frmPictureCrop::Timer1Tick);
    Timer1.start();
}

void frmPictureCrop::buildPreview()
{
    picCard = new CardSurface("picCard", twipsRect(8160, 2400, 3600, 5040), this);
    Shape4 =
        new CardShape("Shape4", CardShape::Rectangle, twipsRect(240, 240, 3135, 4215), picCard);
    lblPlayer = new QLabel(m_player, picCard);
    lblPlayer->setObjectName("lblPlayer");
    lblPlayer->setTextFormat(Qt::PlainText);
    lblPlayer->setGeometry(twipsRect(210, 4320, 3180, 495));
    lblPlayer->setFont(windowFont("MS Sans Serif", 9.75));
    lblPlayer->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblTeam = new QLabel(m_team, picCard);
    lblTeam->setObjectName("lblTeam");
    lblTeam->setTextFormat(Qt::PlainText);
    lblTeam->setGeometry(twipsRect(240, 4560, 3135, 255));
    lblTeam->setFont(windowFont("MS Sans Serif", 9.75, true));
    lblTeam->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColours(*lblTeam, Qt::white);
    Shape6 = new CardShape("Shape6", CardShape::Circle, twipsRect(2880, 4350, 405, 405), picCard);
    Shape6->setFill(Qt::white);
    Shape6->setBorder(Qt::black, 1);
    // The name and the team keep clear of the disc, as on the card.
    for (QLabel *label : {lblPlayer, lblTeam}) {
        const int centre = label->x() + label->width() / 2;
        showSetWithin(label, label->text(), label->font(),
                      std::min(label->width(), 2 * (Shape6->x() - centre)));
    }
    lblPosition = new QLabel(Codes::positionShortName(m_host.state().Position1), picCard);
    lblPosition->setObjectName("lblPosition");
    lblPosition->setGeometry(twipsRect(2895, 4425, 375, 375));
    lblPosition->setFont(windowFont("MS Sans Serif", 9.75, true));
    lblPosition->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColours(*lblPosition, Qt::black);
    showBorderColor(m_borderColor);
}

void frmPictureCrop::showBorderColor(qint32 rgb)
{
    const QColor colour = colorFromRgbLong(rgb);
    Shape4->setBorder(colour, 4);
    setColours(*lblPlayer, Qt::white, colour);
}

void frmPictureCrop::Timer1Tick()
{
    Timer1.stop();
    if (m_host.state().PlayerPicturePath.isEmpty())
        return;
    CropRules::paintPart(
        picCard->image(), pixelsF(QRectF(CropRules::PreviewPhotoAt, CropRules::FrameTwips)),
        m_host.playerPicture(), QRectF(QPointF(0, 0), CropRules::FrameTwips), true);
    picCard->update();
}

void frmPictureCrop::importPicture()
{
    const MainState &state = m_host.state();
    const std::optional<QString> path =
        m_host.dialogs().openFile(ImportFilter, 1, "Insert Player Picture", state.ApplicationPath);
    Outcome<QImage> picture =
        path ? LoadPicture(*path) : Outcome<QImage>(Failure{QStringLiteral("cancelled")});
    if (!picture || picture->isNull()) {
        m_host.dialogs().message("There was an error inserting the picture.",
                                 "Picture Not Inserted", MessageButtons::OK, MessageIcon::Critical);
        return;
    }
    // Drawn many times from here on: in the one format the painter scales without converting.
    frmRawPicture = picture->convertToFormat(
        picture->hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    m_picturePath = *path;
    m_zoomPercent = CropRules::fittingZoomPercent(naturalSizeTwips(frmRawPicture));
    for (QScrollBar *bar : {HScroll1, VScroll1}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(0);
        bar->setEnabled(true);
    }
    setScrollRanges();
    redrawViewport();
    for (QPushButton *b : {cmdZoomIn, cmdZoomOut, cmdCrop})
        b->setEnabled(true);
    lblScaleValue->setText(CropRules::scaleText(m_zoomPercent));
    showCrop(QRectF(QPointF(0, 0), CropRules::FrameTwips));
}

void frmPictureCrop::zoomIn()
{
    m_zoomPercent = CropRules::zoomedIn(m_zoomPercent);
    lblScaleValue->setText(CropRules::scaleText(m_zoomPercent));
    setScrollRanges();
    redrawViewport();
}

void frmPictureCrop::zoomOut()
{
    m_zoomPercent = CropRules::zoomedOut(m_zoomPercent);
    lblScaleValue->setText(CropRules::scaleText(m_zoomPercent));
    setScrollRanges();
    redrawViewport();
}

void frmPictureCrop::setScrollRanges()
{
    const QSize natural = naturalSizeTwips(frmRawPicture);
    const auto setRange = [](QScrollBar *bar, const CropRules::ScrollRange &range) {
        // A shorter range moves the offset in; the one redraw follows.
        const QSignalBlocker quiet(bar);
        bar->setRange(0, range.maximum);
        bar->setSingleStep(range.smallChange);
        bar->setPageStep(range.largeChange);
    };
    setRange(HScroll1, CropRules::scrollRange(natural.width(), CropRules::ViewportTwips.width(),
                                              ZoomFactor()));
    setRange(VScroll1, CropRules::scrollRange(natural.height(), CropRules::ViewportTwips.height(),
                                              ZoomFactor()));
}

void frmPictureCrop::redrawViewport()
{
    QImage &surface = viewport->image();
    surface = frmPictureClear;
    const QRectF target = pixelsF(QRectF(QPointF(0, 0), CropRules::ViewportTwips));
    CropRules::paintPart(surface, target, frmRawPicture,
                         CropRules::viewportSource(offset(), ZoomFactor()), false);
    viewport->update();
}

void frmPictureCrop::crop()
{
    showCrop(CropRules::cropSource(m_frame, offset(), ZoomFactor()));
}

// The part of the imported picture under the frame into the preview's photo area and into the
// photo to save; what the picture does not cover stays white.
void frmPictureCrop::showCrop(const QRectF &source)
{
    const QRectF photo = pixelsF(QRectF(CropRules::PreviewPhotoAt, CropRules::FrameTwips));
    QImage &card = picCard->image();
    {
        QPainter painter(&card);
        painter.fillRect(photo, Qt::white);
    }
    CropRules::paintPart(card, photo, frmRawPicture, source, true);
    picCard->update();
    picSavePic.fill(Qt::white);
    CropRules::paintPart(picSavePic, pixelsF(QRectF(QPointF(0, 0), CropRules::FrameTwips)),
                         frmRawPicture, source, true);
    picPrintPhoto.fill(Qt::white);
    const double printScale = double(CropRules::PrintPhotoDpi) / TwipsPerInch;
    CropRules::paintPart(picPrintPhoto,
                         QRectF(0, 0, CropRules::FrameTwips.width() * printScale,
                                CropRules::FrameTwips.height() * printScale),
                         frmRawPicture, source, true);
    m_cropped = true;
}

void frmPictureCrop::Image1_MouseDown(QPoint grab)
{
    m_grab = grab;
}

void frmPictureCrop::Form_DragDrop(QPoint at)
{
    if (QRect(QPoint(0, 0), CropRules::ViewportTwips).contains(at))
        m_frame.moveTopLeft(at - m_grab);
    placeFrame(m_frame);
}

void frmPictureCrop::placeFrame(const QRect &twips)
{
    Image1->setGeometry(pixelsOf(twips));
    Shape1->setGeometry(pixelsOf(twips));
}

void frmPictureCrop::chooseBorderColor()
{
    if (const std::optional<qint32> colour = m_host.dialogs().chooseColor()) {
        m_borderColor = *colour;
        showBorderColor(*colour);
    }
}

bool frmPictureCrop::hasUnsavedEdits() const
{
    return m_cropped || m_borderColor != m_loadedColor;
}

void frmPictureCrop::submit()
{
    if (!store())
        return;
    m_host.UpdateMainPage();
    close();
}

bool frmPictureCrop::store()
{
    const QString &app = m_host.state().ApplicationPath;
    // Only what the user changed is written: another window may have stored the rest meanwhile.
    TeamFolder::CardPhoto change;
    if (m_cropped && !m_picturePath.isEmpty()) {
        Outcome<QByteArray> bitmap = bitmapBytes(picSavePic);
        if (!bitmap) {
            tell(QStringLiteral("Cannot save \"%1\": %2")
                     .arg(RecordFiles::photoFilePath(app, m_team, m_player), bitmap.error()),
                 MessageIcon::Exclamation);
            return false;
        }
        change.photo = *bitmap;
        Outcome<QByteArray> printPhoto = pngBytes(picPrintPhoto);
        if (!printPhoto) {
            tell(
                QStringLiteral("Cannot save \"%1\": %2")
                    .arg(RecordFiles::cardPhotoFilePath(app, m_team, m_player), printPhoto.error()),
                MessageIcon::Exclamation);
            return false;
        }
        change.printPhoto = *printPhoto;
    } else if (m_picturePath != m_loadedPath) {
        change.picturePath = m_picturePath;
    }
    if (m_borderColor != m_loadedColor)
        change.borderColor = m_borderColor;
    Outcome<QString> recorded = TeamFolder::storeCardPhoto(app, m_team, m_player, change);
    if (!recorded) {
        tell(recorded.error(), MessageIcon::Exclamation);
        return false;
    }
    MainState &state = m_host.state();
    if (change.borderColor)
        state.TeamBorderColor = m_borderColor;
    state.PlayerPicturePath = *recorded;
    m_loadedColor = m_borderColor;
    m_loadedPath = m_picturePath = *recorded;
    m_cropped = false;
    return true;
}

void frmPictureCrop::tell(const QString &text, MessageIcon icon)
{
    m_host.dialogs().message(text, Title, MessageButtons::OK, icon);
}

void frmPictureCrop::closeEvent(QCloseEvent *event)
{
    if (!mayClose(*this, m_host.dialogs())) {
        event->ignore();
        return;
    }
    event->accept();
}
