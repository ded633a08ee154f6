#include "section_choice_dialog.h"

#include "form_setup.h"
#include "qt_text.h"

#include <QHeaderView>
#include <QScreen>

namespace ipb {
namespace {

// The section of the calculation on display: a light tint that keeps every text readable.
const QColor kCalculatedTint(0xFF, 0xF2, 0xB3);
const QColor kRed(0xFF, 0x00, 0x00);

enum Column { ProfileColumn, StrengthColumn = 6, BucklingColumn, VerdictColumn };

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
    const int lightest = lightestPassing(comparison);
    fillTable(comparison, calculatedRow, lightest);

    ui.LabEmpfehlung->setText(
        lightest >= 0 ? QStringLiteral("Leichtestes ausreichendes Profil: IPB ") +
                            qtText(comparison[static_cast<std::size_t>(lightest)].section->Size)
                      : QStringLiteral("Kein Profil IPB 100 bis 600 reicht aus."));
    // The checks beyond the verdict propose what the verdict alone would not.
    ui.LabWeitere->setText(QStringLiteral("Mit Schub und Vergleichsspannung: ") +
                           lightestText(comparison, lightestHoldingStrength(comparison)) +
                           QStringLiteral("\nZusätzlich kippsicher ohne seitliche Halterung: ") +
                           lightestText(comparison, lightestHoldingAll(comparison)));
    if (lightest >= 0) {
        ui.TabProfile->selectRow(lightest);
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
    fitScreen();
}

void SectionChoiceDialog::fillTable(const SectionComparison& comparison, int calculatedRow,
                                    int lightest) {
    QTableWidget* table = ui.TabProfile;
    table->setRowCount(static_cast<int>(comparison.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const SectionCheck& check = comparison[static_cast<std::size_t>(row)];
        const ResultView& view = check.outcome.view;
        const bool computed = check.outcome.succeeded();
        const auto rowText = [&](std::size_t r) {
            return computed && view.rows[r].text ? qtText(*view.rows[r].text) : QString();
        };
        const QString cells[] = {QStringLiteral("IPB ") + qtText(check.section->Size),
                                 QString::number(check.section->values.q0),
                                 rowText(RowSigmax),
                                 qtText(check.stressUtilisation),
                                 rowText(RowFmax),
                                 qtText(check.deflectionUtilisation),
                                 qtText(check.strengthUtilisation),
                                 qtText(check.bucklingUtilisation),
                                 !computed        ? QStringLiteral("Rechenfehler")
                                 : check.passes() ? QStringLiteral("zulässig")
                                                  : QStringLiteral("unzulässig")};
        for (int column = 0; column < table->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == ProfileColumn || column == VerdictColumn
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
            if (column == VerdictColumn && computed && !check.passes()) {
                item->setForeground(kRed);
            }
            // Above 100 %: the check does not hold.
            if (check.further && ((column == StrengthColumn && !check.holdsStrength()) ||
                                  (column == BucklingColumn && !check.holdsBuckling()))) {
                item->setForeground(kRed);
            }
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
}

void SectionChoiceDialog::fitScreen() {
    // The table scrolls, so the dialog may shrink to a small screen's free area, title bar and
    // frame left room.
    const QScreen* where = parentWidget() ? parentWidget()->screen() : screen();
    const QRect available = where->availableGeometry();
    resize(std::min(width(), available.width() - 16), std::min(height(), available.height() - 40));
}

int SectionChoiceDialog::chosenRow() const {
    const QModelIndexList rows = ui.TabProfile->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace ipb
