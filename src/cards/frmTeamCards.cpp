#include "frmTeamCards.h"

#include "CardTexts.h"
#include "PrintPhoto.h"
#include "core/CurrentTeam.h"
#include "core/Options.h"
#include "core/RecordFiles.h"
#include "platform/BusyPointer.h"
#include "platform/DialogKeys.h"
#include "platform/PainterCanvas.h"
#include "platform/Pictures.h"
#include "platform/PrintJobs.h"
#include "platform/Units.h"
#include "platform/WindowHost.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Team Cards");
constexpr int MaxCopies = 9;

int printableHeight(QPrinter &printer)
{
    return int(printer.pageRect(QPrinter::Inch).height() * TwipsPerInch);
}

} // namespace

frmTeamCards::frmTeamCards(WindowHost &main) : m_main(main), m_team(main.state().TeamName)
{
    setObjectName("frmTeamCards");
    setWindowTitle(Title);
    resize(420, 520);

    auto *lblPlayers = new QLabel("&Players:", this);
    lstPlayers = new QListWidget(this);
    lstPlayers->setObjectName("lstPlayers");
    lblPlayers->setBuddy(lstPlayers);
    if (Outcome<TeamFile> team = RecordFiles::ReadTeamFile(main.state().ApplicationPath, m_team))
        for (const RosterEntry &entry : team->roster) {
            if (entry.RosterPlayer.isEmpty())
                continue;
            auto *item = new QListWidgetItem(entry.RosterPlayer, lstPlayers);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
        }
    else
        tell(team.error());
    lstPlayers->setCurrentRow(0);

    auto *lblCopies = new QLabel("C&opies of each card:", this);
    spnCopies = new QSpinBox(this);
    spnCopies->setObjectName("spnCopies");
    spnCopies->setRange(1, MaxCopies);
    spnCopies->setValue(1);
    lblCopies->setBuddy(spnCopies);

    const auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    cmdPrintFronts = button("cmdPrintFronts", "Print &Fronts");
    cmdPrintBacks = button("cmdPrintBacks", "Print &Backs");
    cmdPreview = button("cmdPreview", "Pre&view");
    cmdClose = button("cmdClose", "&Close");
    connect(cmdPrintFronts, &QPushButton::clicked, this, [this] { print(true); });
    connect(cmdPrintBacks, &QPushButton::clicked, this, [this] { print(false); });
    connect(cmdPreview, &QPushButton::clicked, this, &frmTeamCards::preview);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto *copies = new QHBoxLayout;
    copies->addWidget(lblCopies);
    copies->addWidget(spnCopies);
    copies->addStretch(1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {cmdPrintFronts, cmdPrintBacks, cmdPreview})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblPlayers);
    layout->addWidget(lstPlayers, 1);
    layout->addLayout(copies);
    layout->addLayout(buttons);
    behaveLikeDialog(*this, nullptr, cmdClose);
}

std::optional<CardSheet::TeamSheets> frmTeamCards::gatherCards()
{
    const MainState &state = m_main.state();
    const QString &app = state.ApplicationPath;
    CardSheet::TeamSheets sheets;
    QStringList problems;
    {
        BusyPointer busy;
        Outcome<QImage> logo = LoadPicture(state.ShippedPath + QStringLiteral("logo2.bmp"));
        if (!logo) {
            tell(logo.error());
            return std::nullopt;
        }
        sheets.logo = *logo;
        for (int row = 0; row < lstPlayers->count(); ++row) {
            const QListWidgetItem *item = lstPlayers->item(row);
            if (item->checkState() != Qt::Checked)
                continue;
            const QString player = item->text();
            Outcome<PlayerPage> page = readPlayerPage(app, m_team, player);
            if (!page) {
                problems.append(QStringLiteral("%1: %2").arg(player, page.error()));
                continue;
            }
            MainState his = state;
            takePlayerPage(his, *page);
            CardSheet::TeamCard card{FillCard(his).texts, QImage()};
            if (!page->photoPath.isEmpty()) {
                Outcome<QImage> bitmap = LoadPicture(page->photoPath);
                if (!bitmap) {
                    problems.append(QStringLiteral("%1: his photo \"%2\": %3")
                                        .arg(player, page->photoPath, bitmap.error()));
                    continue;
                }
                card.photo = printPhotoOf(app, m_team, player, page->photoPath, *bitmap);
            }
            for (int copy = 0; copy < spnCopies->value(); ++copy)
                sheets.cards.append(card);
        }
    }
    if (!problems.isEmpty()) {
        const QString text =
            QStringLiteral("These cards cannot be printed:\n\n%1\n\n").arg(problems.join('\n'));
        if (sheets.cards.isEmpty()) {
            tell(text + QStringLiteral("Nothing was printed."));
            return std::nullopt;
        }
        if (m_main.dialogs().message(text + QStringLiteral("Print the other cards without them?"),
                                     Title, MessageButtons::YesNo,
                                     MessageIcon::Question) != MessageAnswer::Yes)
            return std::nullopt;
    }
    if (sheets.cards.isEmpty()) {
        tell(QStringLiteral("Check at least one player to print his card."));
        return std::nullopt;
    }
    const Options::CardPrinting printing = Options::readCardPrinting(app).printing;
    sheets.borderColor = state.TeamBorderColor;
    sheets.grayscale = state.PrintGrayscale;
    sheets.showBatting = state.ShowBatting;
    sheets.showPitching = state.ShowPitching;
    sheets.placement = {state.Alignment, printing.backOffsetDown, printing.shortEdgeFlip};
    return sheets;
}

void frmTeamCards::print(bool fronts)
{
    std::optional<CardSheet::TeamSheets> sheets = gatherCards();
    if (!sheets)
        return;
    const QString name = printDocumentName(m_team, fronts ? QStringLiteral("Team Card Fronts")
                                                          : QStringLiteral("Team Card Backs"));
    Outcome<void> printed =
        printFittedDrawing(m_main.dialogs(), name, [&](Canvas &canvas, const QSize &area) {
            sheets->placement.rows = CardSheet::rowsFor(area.height());
            if (fronts)
                CardSheet::drawTeamFronts(canvas, *sheets);
            else
                CardSheet::drawTeamBacks(canvas, *sheets);
        });
    if (!printed)
        tell(printed.error());
}

void frmTeamCards::preview()
{
    std::optional<CardSheet::TeamSheets> sheets = gatherCards();
    if (!sheets)
        return;
    m_main.dialogs().previewPrint(
        printDocumentName(m_team, QStringLiteral("Team Cards")), [&](QPrinter &printer, bool) {
            sheets->placement.rows = CardSheet::rowsFor(printableHeight(printer));
            PainterCanvas canvas(printer);
            CardSheet::drawTeamFronts(canvas, *sheets);
            canvas.newPage();
            CardSheet::drawTeamBacks(canvas, *sheets);
            if (Outcome<void> printed = canvas.endDoc(); !printed)
                tell(printed.error());
        });
}

void frmTeamCards::tell(const QString &text)
{
    m_main.dialogs().message(text, Title, MessageButtons::OK, MessageIcon::Exclamation);
}
