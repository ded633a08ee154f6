#include "checks_window.h"

#include "check_verdict.h"
#include "designed_palette.h"
#include "form_setup.h"
#include "qt_text.h"
#include "utilisation_bar.h"

#include <QHeaderView>

namespace ipb {

ChecksWindow::ChecksWindow() {
    ui.setupUi(this);
    finishForm(this);
    QTableWidget* table = ui.TabNachweise;
    table->setItemDelegateForColumn(1, new UtilisationBar(table));
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // Wide enough for "V,Ed > V,pl,Rd" and a bar long enough to compare by eye.
    header->resizeSection(1,
                          fontMetrics().horizontalAdvance(QStringLiteral("V,Ed > V,pl,Rd")) + 24);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    connect(ui.CmdBemessung, &QPushButton::clicked, this, &ChecksWindow::designRequested);
    connect(ui.CmdNachweiseSchliessen, &QPushButton::clicked, this, &QDialog::close);
    table->setFocus(Qt::OtherFocusReason);
    shrinkToScreen(this);
}

void ChecksWindow::showChecks(const CheckResults& checks, const DesignData& design,
                              const std::vector<std::string>& notes) {
    QTableWidget* table = ui.TabNachweise;
    const int current = std::max(table->currentRow(), 0);
    table->clearSpans();
    table->setRowCount(0);
    for (const CheckGroup group :
         {CheckGroup::Verdict, CheckGroup::Further, CheckGroup::Eurocode}) {
        addHeadingRow(qtText(groupHeading(group, design)));
        for (const CheckResult& check : checks) {
            if (check.group == group) {
                addCheckRow(check);
            }
        }
    }
    // The engineer keeps the place in the table when the checks are computed again.
    table->setCurrentCell(std::min(current, table->rowCount() - 1), 0);

    const bool everyCheckHolds = allHold(checks);
    ui.LabGesamturteil->setText(qtText(overallVerdict(checks)));
    QPalette palette = ui.LabGesamturteil->palette();
    palette.setColor(QPalette::WindowText,
                     everyCheckHolds ? this->palette().color(QPalette::WindowText) : kFailingRed);
    ui.LabGesamturteil->setPalette(palette);
    QStringList noteLines;
    for (const std::string& note : notes) {
        noteLines << qtText(note);
    }
    ui.LabAnnahmen->setText(noteLines.join(QLatin1Char('\n')));
    ui.LabAnnahmen->setVisible(!noteLines.isEmpty());
    fitRows();
}

void ChecksWindow::fitRows() {
    QTableWidget* table = ui.TabNachweise;
    const int wanted = table->horizontalHeader()->sizeHint().height() +
                       table->verticalHeader()->length() + 2 * table->frameWidth();
    if (wanted > table->height()) {
        layout()->activate();
        resize(width(), height() + wanted - table->height());
        shrinkToScreen(this);
    }
}

void ChecksWindow::addHeadingRow(const QString& heading) {
    QTableWidget* table = ui.TabNachweise;
    const int row = table->rowCount();
    table->insertRow(row);
    auto* item = new QTableWidgetItem(heading);
    QFont bold = table->font();
    bold.setBold(true);
    item->setFont(bold);
    table->setItem(row, 0, item);
    table->setSpan(row, 0, 1, table->columnCount());
}

void ChecksWindow::addCheckRow(const CheckResult& check) {
    QTableWidget* table = ui.TabNachweise;
    const int row = table->rowCount();
    table->insertRow(row);
    const char separator = localeDecimalSeparator();
    const QStringList cells{qtText(check.name), qtText(utilisationText(check, separator)),
                            qtText(stateWord(check.state))};
    // A screen reader reads the whole row wherever the cursor stands in it.
    const QString spoken = cells.join(QStringLiteral(", "));
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        item->setData(Qt::AccessibleTextRole, spoken);
        if (column == 1) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (check.utilisation) {
                item->setData(UtilisationBar::kUtilisationRole, *check.utilisation);
            }
        }
        if (column == 2 && check.fails()) {
            item->setForeground(kFailingRed);
        }
        table->setItem(row, column, item);
    }
}

} // namespace ipb
