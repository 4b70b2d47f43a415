#include "StatsTableWindow.h"

#include "platform/DialogKeys.h"
#include "platform/Fonts.h"
#include "platform/PrintJobs.h"
#include "platform/TextFit.h"
#include "platform/Units.h"
#include "platform/WindowHost.h"

namespace {

const QColor DarkBlue(0, 0, 192);
const QColor DisabledGrey(128, 128, 128);
constexpr int CellHeight = 255;
constexpr int AutoCellHeight = 195;
constexpr int AutoCellWidth = 1560;
// The least space between a text that must keep to its room and the next text.
constexpr int TextGap = 60;

QWidget *line(QWidget *parent, const char *name, int left, int right, int y)
{
    auto *l = new QWidget(parent);
    l->setObjectName(name);
    l->setAutoFillBackground(true);
    QPalette palette = l->palette();
    palette.setColor(QPalette::Window, Qt::black);
    l->setPalette(palette);
    l->setGeometry(twipsToPixels(left), twipsToPixels(y), twipsToPixels(right - left), 2);
    return l;
}

} // namespace

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    // The window's black text covers every state; a disabled label must look disabled instead.
    palette.setColor(QPalette::Disabled, QPalette::WindowText, DisabledGrey);
    widget->setPalette(palette);
}

StatsTableWindow::StatsTableWindow(WindowHost &main, const TableLayout &layout)
    : m_main(main), m_layout(layout)
{
    setWindowTitle(layout.caption);
    resize(twipsToPixels(layout.width), twipsToPixels(layout.height));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setFont(windowFont("MS Sans Serif", 8.25));

    const auto label = [&](const char *name, const QString &text, const QFont &font,
                           Qt::Alignment align, const QRect &twips) {
        auto *l = new QLabel(text, this);
        l->setObjectName(name);
        l->setFont(font);
        setTextColour(l, DarkBlue);
        l->setAlignment(align | Qt::AlignTop);
        placeFitted(l, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        fitToText(l);
        return l;
    };
    const QFont boldSmall = windowFont("MS Sans Serif", 9.75, true);
    const QLabel *heading =
        label("Label1", layout.heading, windowFont("Arial", 12, true), Qt::AlignHCenter,
              QRect(layout.headingLeft, 120, layout.headingWidth, 285));
    nameLabel = label(layout.nameLabel, layout.nameCaption, boldSmall, Qt::AlignLeft,
                      QRect(layout.nameLeft, 120, layout.nameWidth, layout.nameHeight));
    lblSeason = label("lblSeason", layout.seasonCaption, boldSmall, Qt::AlignRight,
                      QRect(7920, 120, 1905, 360));
    // The name and the season keep to the room beside the centred heading.
    const int headingText = heading->fontMetrics().horizontalAdvance(layout.heading);
    const int headingLeft = heading->x() + (heading->width() - headingText) / 2;
    m_nameRoom = headingLeft - twipsToPixels(TextGap) - nameLabel->x();
    m_seasonRoom =
        lblSeason->x() + lblSeason->width() - twipsToPixels(TextGap) - (headingLeft + headingText);
    line(this, "Line1", layout.lineLeft, layout.lineRight, 720);
    Line2 = line(this, "Line2", layout.lineLeft, layout.lineRight, layout.lineY);

    const QFont bold = windowFont("MS Sans Serif", 8.25, true);
    bool firstAutoColumn = true;
    for (int c = 0; c < layout.columns.size(); ++c) {
        const TableColumn &column = layout.columns[c];
        // A left-aligned cell's text keeps to the room before the next column.
        const TableColumn *next = c + 1 < layout.columns.size() ? &layout.columns[c + 1] : nullptr;
        m_textEnds.append(
            column.cellWidth != 0 || !next
                ? 0
                : twipsToPixels(std::min(next->headerLeft, next->cellLeft) - TextGap));
        auto *header = new QLabel(column.header, this);
        header->setObjectName(column.headerName);
        header->setFont(bold);
        setTextColour(header, DarkBlue);
        header->move(twipsToPixels(column.headerLeft), twipsToPixels(480));
        header->adjustSize();
        QVector<QLabel *> cells;
        for (int row = 0; row < layout.rows; ++row) {
            auto *c = new QLabel(this);
            c->setObjectName(QStringLiteral("%1%2").arg(column.cellName).arg(row));
            const bool last = row == layout.rows - 1;
            const int top = !last               ? (row == 0 ? layout.firstRowTop : 800 + 200 * row)
                            : column.lastRowTop ? column.lastRowTop
                                                : layout.lastRowTop;
            if (column.cellWidth == 0) {
                const int left = last && firstAutoColumn ? layout.lastRowNameLeft : column.cellLeft;
                c->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                placeFitted(c, twipsRect(left, top, AutoCellWidth, AutoCellHeight));
            } else {
                c->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
                placeFitted(c, twipsRect(column.cellLeft, top, column.cellWidth, CellHeight));
            }
            if (last) {
                c->setFont(bold);
                setTextColour(c, DarkBlue);
            }
            cells.append(c);
        }
        if (column.cellWidth == 0)
            firstAutoColumn = false;
        m_cells.append(cells);
    }

    const auto button = [&](const char *name, const QString &caption, int left) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(twipsRect(left, layout.buttonsTop, layout.buttonWidth, 375));
        return b;
    };
    cmdPrint = button("cmdPrint", "&Print", layout.printLeft);
    cmdClose = button("cmdClose", "&Close", layout.closeLeft);
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        // Named after the team or player the window shows.
        const QString name = printDocumentName(wholeText(nameLabel), windowTitle());
        if (Outcome<void> printed = printWindow(m_main.dialogs(), *this, name); !printed)
            m_main.dialogs().message(printed.error(), windowTitle(), MessageButtons::OK,
                                     MessageIcon::Exclamation);
    });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    behaveLikeDialog(*this, cmdClose, cmdClose);
}

QLabel *StatsTableWindow::cell(const QString &column, int row) const
{
    for (int c = 0; c < m_layout.columns.size(); ++c)
        if (column == QLatin1String(m_layout.columns[c].cellName))
            return m_cells[c][row];
    return nullptr;
}

void StatsTableWindow::showCell(int column, int row, const QString &text)
{
    QLabel *cell = m_cells[column][row];
    if (m_textEnds[column])
        showWithin(cell, text, m_textEnds[column] - cell->x(), 1);
    else
        showWhole(cell, text);
}

void StatsTableWindow::setRow(int row, const QStringList &texts)
{
    for (int c = 0; c < m_cells.size(); ++c)
        showCell(c, row, texts.value(c));
}

void StatsTableWindow::clearRows(int from, int to)
{
    for (int c = 0; c < m_cells.size(); ++c)
        for (int row = from; row <= to; ++row)
            showCell(c, row, QString());
}

void StatsTableWindow::showName(const QString &text)
{
    showWithin(nameLabel, text, m_nameRoom, 1);
}

void StatsTableWindow::showSeason(const QString &text)
{
    showWithin(lblSeason, text, m_seasonRoom, 1);
}

void StatsTableWindow::clearAll()
{
    clearRows(0, lastRow());
    showName(QString());
    showSeason(QString());
}

void StatsTableWindow::placeLastRow(int top, int lineY)
{
    for (int c = 0; c < m_cells.size(); ++c) {
        QLabel *lastCell = m_cells[c][lastRow()];
        if (m_layout.columns[c].lastRowMoves)
            lastCell->move(lastCell->x(), twipsToPixels(top));
    }
    Line2->move(Line2->x(), twipsToPixels(lineY));
}

void StatsTableWindow::showNoFigures(const QString &error)
{
    clearAll();
    m_main.dialogs().message(error, windowTitle(), MessageButtons::OK, MessageIcon::Exclamation);
}
