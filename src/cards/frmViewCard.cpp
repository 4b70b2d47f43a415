#include "frmViewCard.h"

#include "CardLayout.h"
#include "CardSheet.h"
#include "PrintPhoto.h"
#include "core/Options.h"
#include "frmCardOptions.h"
#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/PainterCanvas.h"
#include "platform/Pictures.h"
#include "platform/PrintJobs.h"
#include "platform/TextFit.h"
#include "platform/Units.h"

namespace {

const QColor LightGrey(192, 192, 192);
constexpr int SmallTextHeight = 195;
constexpr int CellWidth = 600; // room for a grid caption or value beside its edge
constexpr int ProfileCaptionLeft = 240;
const QPoint LogoPixel(185, 285);
constexpr qint32 PrintableAreaGrey = 0x909090;

QLabel *cardLabel(QWidget *surface, const QString &name, const QString &text, const QFont &font,
                  const QColor &colour, Qt::Alignment alignment, const QRect &twips)
{
    auto *label = new QLabel(text, surface);
    label->setObjectName(name);
    // Names and places come from the user's files: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

QFont italic(QFont font)
{
    font.setItalic(true);
    return font;
}

// The caption elements are named after the value they stand beside: "lblAgeCaption".
QString captionName(const char *element)
{
    return QLatin1String(element) + QStringLiteral("Caption");
}

} // namespace

frmViewCard::frmViewCard(WindowHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName("frmViewCard");
    setWindowTitle("Trading Card");
    setFixedSize(twipsToPixels(8010), twipsToPixels(6735));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, LightGrey);
    setPalette(palette);
    setFont(windowFont("MS Sans Serif", 8.25));

    picCard = new CardSurface("picCard", twipsRect(240, 240, 3600, 5040), this);
    picCardBack = new CardSurface("picCardBack", twipsRect(4200, 240, 3600, 5040), this);
    buildFront();
    buildBack();
    measureRooms();

    const auto button = [this](const char *name, const QString &caption, int left, int top,
                               int width) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(twipsRect(left, top, width, 375));
        return b;
    };
    cmdPrintFront = button("cmdPrintFront", "Print Card &Front", 1320, 5400, 1335);
    cmdCardOptions = button("cmdCardOptions", "&Card Options", 3360, 5400, 1335);
    cmdPrintBack = button("cmdPrintBack", "Print Card &Back", 5400, 5400, 1335);
    cmdPreview = button("cmdPreview", "Pre&view", 3840, 6240, 975);
    cmdRefresh = button("cmdRefresh", "&Refresh", 5280, 6240, 975);
    cmdExit = button("cmdExit", "&Exit", 6720, 6240, 975);
    connect(cmdPrintFront, &QPushButton::clicked, this, &frmViewCard::printFront);
    connect(cmdPrintBack, &QPushButton::clicked, this, &frmViewCard::printBack);
    connect(cmdPreview, &QPushButton::clicked, this, &frmViewCard::preview);
    connect(cmdRefresh, &QPushButton::clicked, this, &frmViewCard::reload);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    behaveLikeDialog(*this, cmdExit, cmdExit);
    connect(cmdCardOptions, &QPushButton::clicked, this,
            [this] { frmCardOptions::showFor(m_host); });

    LogoBlit = new frmLogoBlit(this);

    Timer1.setObjectName("Timer1");
    Timer1.setSingleShot(true);
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &frmViewCard::Timer1Tick);
    reload();
}

void frmViewCard::buildFront()
{
    Shape2 =
        new CardShape("Shape2", CardShape::Rectangle, twipsRect(240, 4320, 3135, 495), picCard);
    Shape4 =
        new CardShape("Shape4", CardShape::Rectangle, twipsRect(240, 240, 3135, 4095), picCard);
    Shape6 = new CardShape("Shape6", CardShape::Circle, twipsRect(2880, 4350, 405, 405), picCard);
    Shape6->setFill(Qt::white);
    Shape6->setBorder(Qt::black, 1);

    const QFont regular = windowFont("MS Sans Serif", 9.75);
    const QFont bold = windowFont("MS Sans Serif", 9.75, true);
    lblPlayer = addElement(picCard, "lblPlayer", regular, Qt::white, Qt::AlignHCenter,
                           QRect(240, 4320, 3180, 495));
    lblTeam = addElement(picCard, "lblTeam", bold, Qt::white, Qt::AlignHCenter,
                         QRect(240, 4560, 3135, 255));
    lblPosition = addElement(picCard, "lblPosition", bold, Qt::black, Qt::AlignHCenter,
                             QRect(2925, 4425, 315, 240));
}

void frmViewCard::buildBack()
{
    Shape1 =
        new CardShape("Shape1", CardShape::Rectangle, twipsRect(150, 150, 3275, 4700), picCardBack);
    Shape1->setBorder(Qt::black, 1);

    lblBackPlayer = addElement(picCardBack, "lblBackPlayer", windowFont("Arial", 9.75, true),
                               Qt::black, Qt::AlignHCenter, QRect(360, 240, 2970, 255));
    lblBackTeam =
        addElement(picCardBack, "lblBackTeam", italic(windowFont("MS Sans Serif", 9.75, true)),
                   Qt::black, Qt::AlignHCenter, QRect(240, 480, 3135, 255));

    const QFont small = windowFont("MS Sans Serif", 8.25);
    const QFont smallBold = windowFont("MS Sans Serif", 8.25, true);
    using namespace CardLayout;
    for (const ProfileRow &row : profileRows()) {
        cardLabel(picCardBack, captionName(row.element), row.caption, small, Qt::black,
                  Qt::AlignRight,
                  QRect(ProfileCaptionLeft, row.top, ProfileCaptionEdge - ProfileCaptionLeft,
                        SmallTextHeight));
        addElement(
            picCardBack, row.element, small, Qt::black, Qt::AlignLeft,
            QRect(ProfileValueEdge, row.top, CardWidth - 225 - ProfileValueEdge, SmallTextHeight));
    }

    const auto block = [&](const StatBlock &b, const char *titleName, bool pitching) {
        cardLabel(picCardBack, titleName, b.title, smallBold, Qt::black, Qt::AlignLeft,
                  QRect(HeadlineLeft, b.headlineTop, 1200, SmallTextHeight));
        cardLabel(picCardBack, captionName(b.rateElement), b.rateCaption, smallBold, Qt::black,
                  Qt::AlignRight,
                  QRect(RateCaptionEdge - CellWidth, b.headlineTop, CellWidth, SmallTextHeight));
        addElement(picCardBack, b.rateElement, smallBold, Qt::black, Qt::AlignLeft,
                   QRect(RateValueEdge, b.headlineTop, CellWidth, SmallTextHeight));
        for (const StatCell &cell : b.grid) {
            int captionEdge = CaptionEdges[cell.column];
            int valueEdge = ValueEdges[cell.column];
            // On screen the pitching grid's last column stands a little further left.
            if (pitching && cell.column == 3) {
                captionEdge = qstrcmp(cell.element, "lblPBalls") == 0 ? 2790 : 2820;
                valueEdge = 2850;
            }
            if (qstrcmp(cell.element, "lblPRuns") == 0)
                valueEdge = 1440;
            cardLabel(picCardBack, captionName(cell.element), cell.caption, small, Qt::black,
                      Qt::AlignRight,
                      QRect(captionEdge - CellWidth, cell.top, CellWidth, SmallTextHeight));
            addElement(picCardBack, cell.element, small, Qt::black, Qt::AlignLeft,
                       QRect(valueEdge, cell.top, CellWidth, SmallTextHeight));
        }
    };
    block(battingBlock(), "lblBattingCaption", false);
    block(pitchingBlock(), "lblPitchingCaption", true);

    // Above the blocks' texts, so a shield shown covers its whole block.
    sBat =
        new CardShape("sBat", CardShape::Rectangle, twipsRect(180, 2000, 3225, 975), picCardBack);
    sPit =
        new CardShape("sPit", CardShape::Rectangle, twipsRect(180, 3200, 3225, 975), picCardBack);
    for (CardShape *shield : {sBat, sPit})
        shield->setFill(Qt::white);
}

QLabel *frmViewCard::addElement(QWidget *surface, const char *name, const QFont &font,
                                const QColor &colour, Qt::Alignment alignment, const QRect &twips)
{
    QLabel *label = cardLabel(surface, name, QString(), font, colour, alignment, twips);
    m_elements.insert(name, label);
    return label;
}

void frmViewCard::measureRooms()
{
    using namespace CardLayout;
    const int gap = twipsToPixels(TextGap);
    const int margin = twipsToPixels(BackMargin);
    const int borderLeft = Shape1->x();
    const int borderRight = Shape1->x() + Shape1->width();
    const auto centred = [](const QLabel *label, int left, int right) {
        const int centre = label->x() + label->width() / 2;
        return std::min(label->width(), 2 * std::min(centre - left, right - centre));
    };
    // Clear of the disc; inside the border with the back's margin.
    for (QLabel *label : {lblPlayer, lblTeam})
        m_rooms.insert(label->objectName(), {label->font(), centred(label, 0, Shape6->x())});
    for (QLabel *label : {lblBackPlayer, lblBackTeam})
        m_rooms.insert(label->objectName(),
                       {label->font(), centred(label, borderLeft + margin, borderRight - margin)});
    for (const ProfileRow &row : profileRows())
        m_rooms.insert(row.element, {element(row.element)->font(), element(row.element)->width()});
    for (const StatBlock &block : {battingBlock(), pitchingBlock()}) {
        QLabel *rate = element(block.rateElement);
        m_rooms.insert(block.rateElement,
                       {rate->font(), std::min(rate->width(), borderRight - gap - rate->x())});
        // A value ends before the next column's caption, the last one before the border.
        for (const StatCell &cell : block.grid) {
            QLabel *value = element(cell.element);
            const StatCell *next = nextInRow(block, cell);
            int end = borderRight - gap;
            if (next) {
                const QLabel *caption = findChild<QLabel *>(captionName(next->element));
                end = caption->x() + caption->width() -
                      caption->fontMetrics().horizontalAdvance(caption->text()) - gap;
            }
            m_rooms.insert(cell.element, {value->font(), end - value->x()});
            value->resize(std::max(value->width(), end - value->x()), value->height());
        }
    }
}

QLabel *frmViewCard::element(const QString &name) const
{
    return m_elements.value(name);
}

CardElementTexts frmViewCard::elementTexts() const
{
    CardElementTexts texts;
    for (auto it = m_elements.cbegin(); it != m_elements.cend(); ++it)
        texts.insert(it.key(), wholeText(it.value()));
    return texts;
}

void frmViewCard::reload()
{
    Timer1.stop();
    picCard->clear();
    picCardBack->clear();
    for (QLabel *label : std::as_const(m_elements)) {
        label->clear();
        label->setToolTip(QString());
    }
    sBat->hide();
    sPit->hide();
    const QColor border = colorFromRgbLong(m_host.state().TeamBorderColor);
    Shape4->setBorder(border, 4);
    Shape2->setBorder(border, 4);
    Shape2->setFill(border);
    Timer1.start();
}

void frmViewCard::Timer1Tick()
{
    Timer1.stop();
    const MainState &state = m_host.state();
    showFill(FillCard(state));
    if (!state.PlayerPicturePath.isEmpty()) {
        PainterCanvas canvas(picCard->image());
        canvas.paintPicture(m_host.playerPicture(), QRect(275, 275, 3060, 4050),
                            QRect(0, 0, 3060, 4050));
        (void)canvas.endDoc(); // an image always takes the painting
        picCard->update();
    }
    LogoBlit->drawOn(picCardBack->image(), LogoPixel);
    picCardBack->update();
}

void frmViewCard::showFill(const CardFill &fill)
{
    for (auto it = fill.texts.cbegin(); it != fill.texts.cend(); ++it) {
        QLabel *label = m_elements.value(it.key());
        if (!label)
            continue;
        if (const auto room = m_rooms.constFind(it.key()); room != m_rooms.cend())
            showSetWithin(label, it.value(), room->font, room->pixels);
        else
            label->setText(it.value());
    }
    sBat->setVisible(fill.sBat == Shield::SolidWhite);
    sPit->setVisible(fill.sPit == Shield::SolidWhite);
}

CardSheet::FrontSheet frmViewCard::frontSheet() const
{
    const MainState &state = m_host.state();
    CardSheet::FrontSheet sheet;
    sheet.texts = elementTexts();
    sheet.borderColor = state.TeamBorderColor;
    sheet.photo = printPhoto();
    sheet.hasPhotoPath = !state.PlayerPicturePath.isEmpty();
    sheet.cards = state.CardsPerPage;
    sheet.grayscale = state.PrintGrayscale;
    return sheet;
}

QImage frmViewCard::printPhoto() const
{
    const MainState &state = m_host.state();
    return printPhotoOf(state.ApplicationPath, state.TeamName, state.PlayerName,
                        state.PlayerPicturePath, m_host.playerPicture());
}

Outcome<CardSheet::BackSheet> frmViewCard::backSheet() const
{
    const MainState &state = m_host.state();
    // Every back carries the logo: without it no sheet is printed, rather than half a card.
    Outcome<QImage> logo = LoadPicture(state.ShippedPath + QStringLiteral("logo2.bmp"));
    if (!logo)
        return logo.failure();
    CardSheet::BackSheet sheet;
    sheet.texts = elementTexts();
    sheet.logo = *logo;
    sheet.cards = state.CardsPerPage;
    sheet.alignment = state.Alignment;
    const Options::CardPrinting printing =
        Options::readCardPrinting(state.ApplicationPath).printing;
    sheet.offsetDown = printing.backOffsetDown;
    sheet.shortEdgeFlip = printing.shortEdgeFlip;
    sheet.showBatting = state.ShowBatting;
    sheet.showPitching = state.ShowPitching;
    sheet.grayscale = state.PrintGrayscale;
    return sheet;
}

void frmViewCard::printFront()
{
    const CardSheet::FrontSheet sheet = frontSheet();
    print(QStringLiteral("Card Fronts"),
          [&sheet](Canvas &canvas) { CardSheet::drawFronts(canvas, sheet); });
}

void frmViewCard::printBack()
{
    const Outcome<CardSheet::BackSheet> sheet = backSheet();
    if (!sheet) {
        tell(sheet.error());
        return;
    }
    print(QStringLiteral("Card Backs"),
          [&sheet](Canvas &canvas) { CardSheet::drawBacks(canvas, *sheet); });
}

void frmViewCard::preview()
{
    const Outcome<CardSheet::BackSheet> back = backSheet();
    if (!back) {
        tell(back.error());
        return;
    }
    const CardSheet::FrontSheet front = frontSheet();
    m_host.dialogs().previewPrint(
        printDocumentName(m_host.state().PlayerName, QStringLiteral("Card Sheets")),
        [&](QPrinter &printer, bool previewing) {
            PainterCanvas canvas(printer);
            // The preview outlines the printable area, where the sheets begin; paper never gets it.
            const QSizeF area = printer.pageRect(QPrinter::Inch).size() * TwipsPerInch;
            const auto outline = [&area](Canvas &page) {
                page.setDrawWidth(1); // one pixel of the screen at any zoom
                page.box(0, 0, int(area.width()), int(area.height()), PrintableAreaGrey);
            };
            CardSheet::drawBothSheets(canvas, front, *back,
                                      previewing ? std::function<void(Canvas &)>(outline)
                                                 : std::function<void(Canvas &)>());
            if (Outcome<void> printed = canvas.endDoc(); !printed)
                tell(printed.error());
        });
}

void frmViewCard::print(const QString &what, const std::function<void(Canvas &)> &draw)
{
    const QString name = printDocumentName(m_host.state().PlayerName, what);
    if (Outcome<void> printed = printDrawing(m_host.dialogs(), name, draw); !printed)
        tell(printed.error());
}

void frmViewCard::tell(const QString &text)
{
    m_host.dialogs().message(text, windowTitle(), MessageButtons::OK, MessageIcon::Exclamation);
}
