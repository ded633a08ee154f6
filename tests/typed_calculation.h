#pragma once

// A calculation as "Berechnen" runs it on a fresh input window, without the window: the texts
// typed into +q, then l or F, la, lb, then the safety; the deflection limit l/300.

#include "calculation.h"
#include "input_rules.h"
#include "section_table.h"

#include <QStringList>

inline ipb::FinishedCalculation typedCalculation(std::size_t row, const QStringList& typed) {
    using ipb::InputField;
    ipb::InputTexts texts;
    const bool point = typed.size() == 5;
    ipb::showLoadCaseBoxes(texts, point);
    const auto fields = point ? std::vector{InputField::plusq, InputField::F, InputField::la,
                                            InputField::lb, InputField::sic}
                              : std::vector{InputField::plusq, InputField::l, InputField::sic};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        texts[fields[i]] = typed[qsizetype(i)].toStdString();
    }
    const auto out = ipb::calculate(texts, ipb::kSectionTable[row].values, 300, {}, ',');
    return {texts, row, out.values, out.view};
}
