#include "frmPitchRules.h"

#include "core/Options.h"
#include "platform/DialogKeys.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Pitch Count Rules");

QTableWidget *newTable(QWidget *parent, const char *name, const QStringList &headings)
{
    auto *table = new QTableWidget(0, int(headings.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    // Every default row in sight without scrolling.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

void setRow(QTableWidget *table, int row, const QStringList &cells)
{
    for (int column = 0; column < cells.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
}

QString number(int value)
{
    return QString::number(value);
}

} // namespace

frmPitchRules::frmPitchRules(WindowHost &main, const PitchCounts::Rules &rules)
    : m_main(main), m_stored(rules)
{
    setObjectName("frmPitchRules");
    setWindowTitle(Title);
    resize(560, 560);

    auto *lblLimits = new QLabel("Daily pitch &limit by age:", this);
    tblLimits = newTable(this, "tblLimits", {"Age from", "Age to", "Pitches a day"});
    lblLimits->setBuddy(tblLimits);
    auto *lblRest =
        new QLabel("&Days of rest by pitches thrown (an empty \"Pitches to\": or more):", this);
    tblRest = newTable(this, "tblRest",
                       {"Age from", "Age to", "Pitches from", "Pitches to", "Days of rest"});
    lblRest->setBuddy(tblRest);

    const auto button = [&](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    cmdAddRow = button("cmdAddRow", "&Add Row");
    cmdRemoveRow = button("cmdRemoveRow", "&Remove Row");
    cmdDefaults = button("cmdDefaults", "De&faults");
    cmdSave = button("cmdSave", "&Save");
    cmdCancel = button("cmdCancel", "&Cancel");
    connect(cmdAddRow, &QPushButton::clicked, this, [this] {
        QTableWidget *table = focusedTable();
        table->insertRow(table->currentRow() + 1);
        table->setCurrentCell(table->currentRow() + 1, 0);
        table->setFocus();
    });
    connect(cmdRemoveRow, &QPushButton::clicked, this, [this] {
        QTableWidget *table = focusedTable();
        if (table->currentRow() >= 0)
            table->removeRow(table->currentRow());
        table->setFocus();
    });
    connect(cmdDefaults, &QPushButton::clicked, this,
            [this] { showRules(PitchCounts::defaultRules()); });
    connect(cmdSave, &QPushButton::clicked, this, [this] {
        if (saveEdits())
            close();
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { closeDroppingEdits(*this); });

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {cmdAddRow, cmdRemoveRow, cmdDefaults})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblLimits);
    layout->addWidget(tblLimits, 1);
    layout->addWidget(lblRest);
    layout->addWidget(tblRest, 2);
    layout->addLayout(buttons);
    behaveLikeDialog(*this, nullptr, cmdCancel);
    showRules(rules);
}

void frmPitchRules::showRules(const PitchCounts::Rules &rules)
{
    tblLimits->setRowCount(int(rules.limits.size()));
    for (int row = 0; row < rules.limits.size(); ++row) {
        const PitchCounts::LimitRule &rule = rules.limits[row];
        setRow(tblLimits, row, {number(rule.fromAge), number(rule.toAge), number(rule.pitches)});
    }
    tblRest->setRowCount(int(rules.rest.size()));
    for (int row = 0; row < rules.rest.size(); ++row) {
        const PitchCounts::RestRule &rule = rules.rest[row];
        setRow(tblRest, row,
               {number(rule.fromAge), number(rule.toAge), number(rule.fromPitches),
                rule.toPitches == 0 ? QString() : number(rule.toPitches), number(rule.days)});
    }
}

QTableWidget *frmPitchRules::focusedTable() const
{
    return tblRest->hasFocus() || tblRest->isAncestorOf(focusWidget()) ? tblRest : tblLimits;
}

Outcome<PitchCounts::Rules> frmPitchRules::typedRules() const
{
    const auto cells = [](const QTableWidget *table, int row) -> Outcome<QVector<int>> {
        QVector<int> values;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->item(row, column);
            const QString text = item ? item->text().trimmed() : QString();
            // Only the upper end of a rest row's pitches may stay empty: no upper bound.
            if (text.isEmpty() && table->columnCount() == 5 && column == 3) {
                values.append(0);
                continue;
            }
            bool ok = false;
            const int value = text.toInt(&ok);
            if (!ok || value < 0 || value > 9999)
                return Failure{QStringLiteral("Row %1 of the %2 has no number under \"%3\".")
                                   .arg(row + 1)
                                   .arg(table->columnCount() == 5 ? "days of rest" : "daily limits")
                                   .arg(table->horizontalHeaderItem(column)->text())};
            values.append(value);
        }
        return values;
    };
    PitchCounts::Rules rules;
    for (int row = 0; row < tblLimits->rowCount(); ++row) {
        Outcome<QVector<int>> v = cells(tblLimits, row);
        if (!v)
            return v.failure();
        rules.limits.append({v->at(0), v->at(1), v->at(2)});
    }
    for (int row = 0; row < tblRest->rowCount(); ++row) {
        Outcome<QVector<int>> v = cells(tblRest, row);
        if (!v)
            return v.failure();
        rules.rest.append({v->at(0), v->at(1), v->at(2), v->at(3), v->at(4)});
    }
    if (const std::optional<QString> problem = PitchCounts::problemIn(rules))
        return Failure{*problem};
    return rules;
}

bool frmPitchRules::hasUnsavedEdits() const
{
    Outcome<PitchCounts::Rules> typed = typedRules();
    return !typed || !(*typed == m_stored);
}

bool frmPitchRules::saveEdits()
{
    Outcome<PitchCounts::Rules> typed = typedRules();
    Outcome<void> saved = typed ? Options::writePitchRules(m_main.state().ApplicationPath, *typed)
                                : Outcome<void>(typed.failure());
    if (!saved) {
        m_main.dialogs().message(saved.error() + QStringLiteral("\n\nThe rules were not saved."),
                                 Title, MessageButtons::OK, MessageIcon::Exclamation);
        return false;
    }
    m_stored = *typed;
    m_main.filesChanged();
    return true;
}

void frmPitchRules::closeEvent(QCloseEvent *event)
{
    if (!mayClose(*this, m_main.dialogs())) {
        event->ignore();
        return;
    }
    event->accept();
}
