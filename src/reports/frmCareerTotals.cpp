#include "frmCareerTotals.h"

#include "CareerTable.h"
#include "platform/BusyPointer.h"
#include "platform/DialogKeys.h"
#include "platform/WindowHost.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Career Totals");

QTableWidget *newTable(QWidget *parent, const char *name)
{
    auto *table = new QTableWidget(parent);
    table->setObjectName(name);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    return table;
}

void showFigures(QTableWidget *table, const CareerTable::Table &figures, bool withCareer)
{
    table->clear();
    table->setColumnCount(int(figures.headings.size()));
    table->setHorizontalHeaderLabels(figures.headings);
    table->setRowCount(int(figures.rows.size()));
    for (int row = 0; row < figures.rows.size(); ++row) {
        const bool career = withCareer && row == figures.rows.size() - 1;
        for (int column = 0; column < figures.rows[row].size(); ++column) {
            auto *cell = new QTableWidgetItem(figures.rows[row][column]);
            cell->setTextAlignment(column < 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                              : Qt::AlignRight | Qt::AlignVCenter);
            if (career) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
            }
            table->setItem(row, column, cell);
        }
    }
    table->resizeColumnsToContents();
}

} // namespace

frmCareerTotals::frmCareerTotals(WindowHost &main) : m_main(main), m_player(main.state().PlayerName)
{
    setObjectName("frmCareerTotals");
    setWindowTitle(Title);
    resize(1000, 520);

    lblPlayer = new QLabel(this);
    lblPlayer->setObjectName("lblPlayer");
    QFont heading = lblPlayer->font();
    heading.setBold(true);
    lblPlayer->setFont(heading);
    auto *batting = new QLabel("&Batting", this);
    tblBatting = newTable(this, "tblBatting");
    batting->setBuddy(tblBatting);
    auto *pitching = new QLabel("&Pitching", this);
    tblPitching = newTable(this, "tblPitching");
    pitching->setBuddy(tblPitching);
    lblProblems = new QLabel(this);
    lblProblems->setObjectName("lblProblems");
    lblProblems->setWordWrap(true);
    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblProblems, 1);
    bottom->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblPlayer);
    layout->addWidget(batting);
    layout->addWidget(tblBatting);
    layout->addWidget(pitching);
    layout->addWidget(tblPitching);
    layout->addLayout(bottom);
    behaveLikeDialog(*this, nullptr, cmdClose);
    refill();
}

void frmCareerTotals::refill()
{
    lblPlayer->setText(m_player);
    const Career career = [&] {
        BusyPointer busy;
        return readCareer(m_main.state().ApplicationPath, m_player);
    }();
    const bool withCareer = career.total.has_value();
    showFigures(tblBatting, CareerTable::batting(career), withCareer);
    showFigures(tblPitching, CareerTable::pitching(career), withCareer);
    lblProblems->setText(career.problems.join(QLatin1Char('\n')));
}
