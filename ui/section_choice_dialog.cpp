#include "section_choice_dialog.h"

#include "designed_palette.h"
#include "form_setup.h"
#include "qt_text.h"

#include <QHeaderView>
#include <QLayout>
#include <QScrollBar>

namespace ipb {
namespace {

// The section of the calculation on display: a light tint that keeps every text readable.
const QColor kCalculatedTint(0xFF, 0xF2, 0xB3);

// The section and its self weight stand first, the verdict last; the checks give what lies
// between.
constexpr int kFirstCheckColumn = 2;

QString lightestText(const SectionComparison& comparison, int row) {
    return row >= 0 ? QStringLiteral("IPB ") +
                          qtText(comparison[static_cast<std::size_t>(row)].section->Size)
                    : QStringLiteral("kein Profil IPB 100 bis 600");
}

} // namespace

SectionChoiceDialog::SectionChoiceDialog(const SectionComparison& comparison, int calculatedRow,
                                         QWidget* parent)
    : QDialog(parent) {
    ui.setupUi(this);
    finishForm(this);
    const int lightest = lightestWhere(comparison, &SectionCheck::holdsEverything);
    const int columnsWidth = fillTable(comparison, calculatedRow, lightest);

    ui.LabEmpfehlung->setText(qtText(proposalHeadline(comparison, lightest)));
    // What each way of checking alone would propose, so the engineer sees which one decides.
    const int byStandard = lightestWhere(comparison, [](const SectionCheck& s) {
        return s.holds([](const CheckResult& c) { return c.group == CheckGroup::Eurocode; });
    });
    ui.LabWeitere->setText(QStringLiteral("Nach dem Urteil der vier Fenster allein: ") +
                           lightestText(comparison, lightestPassing(comparison)) +
                           QStringLiteral("\nNach DIN EN 1993-1-1 allein: ") +
                           lightestText(comparison, byStandard));
    // Where no section holds everything, the one on display stays chosen: Enter takes it again.
    const int proposed = lightest >= 0 ? lightest : calculatedRow;
    if (proposed >= 0 && proposed < ui.TabProfile->rowCount()) {
        ui.TabProfile->selectRow(proposed);
    } else {
        ui.TabProfile->setCurrentCell(-1, -1);
    }

    // "Übernehmen" needs a row: the arrow keys and a click choose one, nothing else.
    const auto enableTaking = [this] { ui.CmdUebernehmen->setEnabled(chosenRow() >= 0); };
    connect(ui.TabProfile->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            enableTaking);
    enableTaking();
    connect(ui.TabProfile, &QTableWidget::doubleClicked, this, [this] {
        if (chosenRow() >= 0) {
            accept();
        }
    });
    connect(ui.CmdUebernehmen, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui.CmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    ui.TabProfile->setFocus(Qt::OtherFocusReason);
    // Wide enough for every column, the verdict last; the table scrolls, so the dialog may
    // shrink to a small screen.
    const QMargins margins = layout()->contentsMargins();
    resize(std::max(width(), columnsWidth + margins.left() + margins.right()), height());
    shrinkToScreen(this);
}

int SectionChoiceDialog::fillTable(const SectionComparison& comparison, int calculatedRow,
                                   int lightest) {
    QTableWidget* table = ui.TabProfile;
    const ComparisonTable cells = comparisonTable(comparison, localeDecimalSeparator());
    const int verdictColumn = kFirstCheckColumn + static_cast<int>(cells.headers.size());
    if (!cells.headers.empty()) {
        QStringList headers{table->horizontalHeaderItem(0)->text(),
                            table->horizontalHeaderItem(1)->text()};
        for (const std::string& header : cells.headers) {
            headers << qtText(header);
        }
        headers << table->horizontalHeaderItem(table->columnCount() - 1)->text();
        table->setColumnCount(static_cast<int>(headers.size()));
        table->setHorizontalHeaderLabels(headers);
    }
    table->setRowCount(static_cast<int>(comparison.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const SectionCheck& check = comparison[static_cast<std::size_t>(row)];
        const bool computed = check.outcome.succeeded();
        std::vector<ComparisonCell> rowCells{{"IPB " + std::string(check.section->Size), false},
                                             {std::to_string(check.section->values.q0), false}};
        const auto& checkCells = cells.rows[static_cast<std::size_t>(row)];
        rowCells.insert(rowCells.end(), checkCells.begin(), checkCells.end());
        // "zulässig" only where every check holds, not the verdict of the four windows alone.
        const bool holds = check.holdsEverything();
        rowCells.push_back({!computed ? "Rechenfehler"
                            : holds   ? "zulässig"
                                      : "unzulässig",
                            computed && !holds});
        for (int column = 0; column < static_cast<int>(rowCells.size()); ++column) {
            const ComparisonCell& cell = rowCells[static_cast<std::size_t>(column)];
            auto* item = new QTableWidgetItem(qtText(cell.text));
            item->setTextAlignment(column == 0 || column == verdictColumn
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
            if (row == lightest) {
                QFont bold = table->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            if (row == calculatedRow) {
                item->setBackground(kCalculatedTint);
                item->setToolTip(QStringLiteral("Profil der angezeigten Berechnung"));
            }
            // Above 100 %: the check does not hold.
            if (cell.red) {
                item->setForeground(kFailingRed);
            }
            table->setItem(row, column, item);
        }
    }
    // Each column as wide as its contents; the last one fills what room is left over.
    QHeaderView* header = table->horizontalHeader();
    header->setStretchLastSection(false);
    table->resizeColumnsToContents();
    const int width =
        header->length() + 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    header->setStretchLastSection(true);
    return width;
}

int SectionChoiceDialog::chosenRow() const {
    const QModelIndexList rows = ui.TabProfile->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace ipb
