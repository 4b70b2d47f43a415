#include "frmCardOptions.h"

#include "AlignmentTestPages.h"
#include "core/Options.h"
#include "core/TeamFolder.h"
#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/PrintJobs.h"
#include "platform/Units.h"

#include <QCloseEvent>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

const QString Title = QStringLiteral("Card Options");
const QString ShowCaption = QStringLiteral("Show");
const QString HideCaption = QStringLiteral("Hide");
constexpr int MaxCardsPerPage = 6;
constexpr int AlignmentLimit = 16; // sixteenths of an inch either way
constexpr int WindowWidth = 7680;
constexpr int LetterWidthTwips = 12240; // the paper the backs' mirror line was made for
constexpr int SixteenthOfAnInch = 90;

QString switchCaption(bool shown)
{
    return shown ? ShowCaption : HideCaption;
}

void showColor(QLabel &swatch, qint32 rgb)
{
    QPalette palette = swatch.palette();
    palette.setColor(QPalette::Window, colorFromRgbLong(rgb));
    swatch.setPalette(palette);
}

} // namespace

void frmCardOptions::showFor(WindowHost &host)
{
    const MainState &state = host.state();
    host.showWindow<frmCardOptions>({state.TeamName, state.PlayerName},
                                    [&host] { return new frmCardOptions(host); });
}

frmCardOptions::frmCardOptions(WindowHost &host, QWidget *parent)
    : QWidget(parent), m_host(host), m_team(host.state().TeamName),
      m_player(host.state().PlayerName)
{
    setObjectName("frmCardOptions");
    setWindowTitle(Title);
    // The seed's controls keep their places; the backs' further options stand to their right.
    setFixedSize(twipsToPixels(WindowWidth), twipsToPixels(4275));
    setFont(windowFont("MS Sans Serif", 8.25));

    const auto label = [this](const char *name, const QString &caption, int left, int top,
                              int width) {
        auto *l = new QLabel(caption, this);
        l->setObjectName(name);
        l->setGeometry(twipsRect(left, top, width, 195));
        // The fonts here run a little wider than the layout's: never cut a caption short.
        l->resize(std::max(l->width(), l->sizeHint().width()), l->height());
        return l;
    };
    const auto button = [this](const char *name, const QString &caption, int left, int top,
                               int width, int height) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(twipsRect(left, top, width, height));
        return b;
    };

    label("Label1", "Cards Per Page:", 1080, 285, 1155);
    CBCardsPerPage = new QComboBox(this);
    CBCardsPerPage->setObjectName("CBCardsPerPage");
    CBCardsPerPage->setGeometry(twipsRect(2400, 240, 735, 315));

    label("Label2", "Border Color:", 1080, 720, 915);
    lblColor = new ClickLabel(this);
    lblColor->setObjectName("lblColor");
    lblColor->setGeometry(twipsRect(2400, 720, 735, 255));
    lblColor->setFrameShape(QFrame::Box);
    lblColor->setAutoFillBackground(true);
    connect(lblColor, &ClickLabel::clicked, this, &frmCardOptions::chooseColor);

    label("Label3", "Batting Stats:", 1080, 1080, 945);
    cmdBatting = button("cmdBatting", ShowCaption, 2400, 1080, 735, 255);
    connect(cmdBatting, &QPushButton::clicked, this, &frmCardOptions::toggleBatting);
    label("Label4", "Pitching Stats:", 1080, 1440, 1020);
    cmdPitching = button("cmdPitching", ShowCaption, 2400, 1440, 735, 255);
    connect(cmdPitching, &QPushButton::clicked, this, &frmCardOptions::togglePitching);

    label("Label7", "Print Grayscale:", 1080, 1920, 1110);
    checkGrayscale = new QCheckBox(this);
    checkGrayscale->setObjectName("checkGrayscale");
    checkGrayscale->setGeometry(twipsRect(2640, 1920, 255, 195));

    lblAlignValue = new QLabel("0", this);
    lblAlignValue->setObjectName("lblAlignValue");
    lblAlignValue->setGeometry(twipsRect(2550, 2355, 600, 255));
    lblAlignValue->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblAlignValue->setFont(windowFont("MS Sans Serif", 9.75));
    QPalette grey = lblAlignValue->palette();
    grey.setColor(QPalette::WindowText, QColor(64, 64, 64));
    lblAlignValue->setPalette(grey);
    label("Label5", "Card Back Alignment:", 480, 2640, 1530);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setGeometry(twipsRect(2160, 2640, 1335, 255));
    HScroll1->setRange(-AlignmentLimit, AlignmentLimit);
    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { lblAlignValue->setText(QString::number(value)); });

    cmdSuggest = button("cmdSuggest", "Su&ggest", 3600, 2610, 855, 315);
    connect(cmdSuggest, &QPushButton::clicked, this, &frmCardOptions::suggestAlignment);

    QLabel *offsetLabel = label("lblBackOffset", "Back offset &down:", 5280, 285, 1290);
    spnBackOffset = new QSpinBox(this);
    spnBackOffset->setObjectName("spnBackOffset");
    spnBackOffset->setGeometry(twipsRect(6660, 240, 735, 315));
    spnBackOffset->setRange(-AlignmentLimit, AlignmentLimit);
    offsetLabel->setBuddy(spnBackOffset);
    checkShortEdge = new QCheckBox("S&hort-edge flip", this);
    checkShortEdge->setObjectName("checkShortEdge");
    checkShortEdge->setGeometry(twipsRect(5280, 720, 2115, 255));
    QLabel *hint = label("lblBackHint",
                         "Sixteenths of an inch; a positive offset moves the backs down. Flip on "
                         "the short edge for printers that turn the sheet top to bottom.",
                         5280, 1080, 2115);
    hint->setWordWrap(true);
    hint->resize(twipsToPixels(2115), twipsToPixels(1200));
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    label("Label6", "Alignment Test Print:", 600, 3240, 1455);
    cmdPrintTestFront = button("cmdPrintTestFront", "Print &Front", 2280, 3120, 975, 375);
    connect(cmdPrintTestFront, &QPushButton::clicked, this,
            [this] { printTestPage("Card Front Test Page", CardSheet::drawFrontTestPage); });
    cmdPrintTestBack = button("cmdPrintTestBack", "Print &Back", 3360, 3120, 975, 375);
    connect(cmdPrintTestBack, &QPushButton::clicked, this, [this] {
        const Options options = chosen();
        printTestPage("Card Back Test Page", [options](Canvas &canvas) {
            CardSheet::drawBackTestPage(canvas, {0, options.backOffsetDown, options.shortEdgeFlip});
        });
    });
    cmdCancel = button("cmdCancel", "&Cancel", 2880, 3840, 975, 375);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { closeDroppingEdits(*this); });
    cmdSubmit = button("cmdSubmit", "&Submit", 4080, 3840, 975, 375);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmCardOptions::submit);
    // Esc closes the window, asking about edits; Cancel drops them.
    behaveLikeDialog(*this, cmdSubmit, nullptr);

    Form_Load();
}

void frmCardOptions::Form_Load()
{
    const MainState &state = m_host.state();
    checkGrayscale->setChecked(state.PrintGrayscale);
    for (int n = 1; n <= MaxCardsPerPage; ++n)
        CBCardsPerPage->addItem(QString::number(n));
    CBCardsPerPage->setCurrentIndex(state.CardsPerPage > 1 ? state.CardsPerPage - 1 : 0);
    showColor(*lblColor, state.TeamBorderColor);
    PendingBorderColor = state.TeamBorderColor;
    PendingShowBatting = state.ShowBatting;
    PendingShowPitching = state.ShowPitching;
    // A hand-edited alignment beyond the bar shows at its nearer end.
    HScroll1->setValue(state.Alignment);
    lblAlignValue->setText(QString::number(HScroll1->value()));
    cmdBatting->setText(switchCaption(state.ShowBatting));
    cmdPitching->setText(switchCaption(state.ShowPitching));
    const ::Options::CardPrintingRead printing = ::Options::readCardPrinting(state.ApplicationPath);
    spnBackOffset->setValue(printing.printing.backOffsetDown);
    checkShortEdge->setChecked(printing.printing.shortEdgeFlip);
    if (!printing.problem.isEmpty())
        tell(printing.problem);
    m_loaded = chosen();
}

void frmCardOptions::toggleBatting()
{
    PendingShowBatting = cmdBatting->text() != ShowCaption;
    cmdBatting->setText(switchCaption(PendingShowBatting));
    cmdSubmit->setFocus();
}

void frmCardOptions::togglePitching()
{
    PendingShowPitching = cmdPitching->text() != ShowCaption;
    cmdPitching->setText(switchCaption(PendingShowPitching));
    cmdSubmit->setFocus();
}

void frmCardOptions::chooseColor()
{
    if (const std::optional<qint32> colour = m_host.dialogs().chooseColor()) {
        PendingBorderColor = *colour;
        showColor(*lblColor, *colour);
    }
}

frmCardOptions::Options frmCardOptions::chosen() const
{
    return {CBCardsPerPage->currentIndex() + 1,
            PendingBorderColor,
            PendingShowBatting,
            PendingShowPitching,
            HScroll1->value(),
            checkGrayscale->isChecked(),
            spnBackOffset->value(),
            checkShortEdge->isChecked()};
}

bool frmCardOptions::hasUnsavedEdits() const
{
    return chosen() != m_loaded;
}

bool frmCardOptions::saveEdits()
{
    return store();
}

void frmCardOptions::submit()
{
    // The options are in force even when a file could not be rewritten; the user was told.
    (void)store();
    close();
}

bool frmCardOptions::store()
{
    const Options options = chosen();
    MainState &state = m_host.state();
    state.CardsPerPage = qint16(options.cardsPerPage);
    state.TeamBorderColor = options.borderColor;
    state.ShowBatting = options.showBatting;
    state.ShowPitching = options.showPitching;
    state.Alignment = qint16(options.alignment);
    state.PrintGrayscale = options.grayscale;
    const Options loaded = m_loaded;
    m_loaded = options;
    // The options file is written only when one of its options changed.
    bool written = true;
    if (options.backOffsetDown != loaded.backOffsetDown ||
        options.shortEdgeFlip != loaded.shortEdgeFlip)
        if (Outcome<void> saved = ::Options::writeCardPrinting(
                state.ApplicationPath, {options.backOffsetDown, options.shortEdgeFlip});
            !saved) {
            tell(saved.error());
            written = false;
        }
    return rewriteFiles(options.borderColor) && written;
}

bool frmCardOptions::rewriteFiles(qint32 borderColor)
{
    if (m_team.isEmpty())
        return true;
    Outcome<void> written =
        TeamFolder::storeCardOptions(m_host.state().ApplicationPath, m_team, m_player, borderColor);
    if (!written) {
        tell(written.error() + QStringLiteral("\n\nThe new card options are in use; the file was "
                                              "left as it was."));
        return false;
    }
    return true;
}

void frmCardOptions::suggestAlignment()
{
    std::unique_ptr<QPrinter> printer =
        m_host.dialogs().choosePrinter(QStringLiteral("Card Back Alignment"));
    if (!printer)
        return;
    // Turned over about its vertical edge, a point x of the printable area lands at W - 2m - x;
    // the backs' mirror line suits W - 2m = 12240 only, and each step moves them 90 twips.
    const double paper = printer->paperRect(QPrinter::Inch).width() * TwipsPerInch;
    const double margin = printer->pageRect(QPrinter::Inch).left() * TwipsPerInch;
    const long suggested = std::lround((paper - LetterWidthTwips - 2 * margin) / SixteenthOfAnInch);
    HScroll1->setValue(int(std::clamp<long>(suggested, -AlignmentLimit, AlignmentLimit)));
}

void frmCardOptions::printTestPage(const QString &name, const std::function<void(Canvas &)> &draw)
{
    if (Outcome<void> printed = printDrawing(m_host.dialogs(), name, draw); !printed)
        tell(printed.error());
}

void frmCardOptions::tell(const QString &text)
{
    m_host.dialogs().message(text, Title, MessageButtons::OK, MessageIcon::Exclamation);
}

void frmCardOptions::closeEvent(QCloseEvent *event)
{
    if (!mayClose(*this, m_host.dialogs())) {
        event->ignore();
        return;
    }
    event->accept();
}
