#include "input_rules.h"

#include <algorithm>
#include <initializer_list>

namespace ipb {

void resetOnLoad(CalculationValues& values) {
    values.result.FA = 0;
    values.result.FB = 0;
    values.result.lastfall = 0;
}

void resetOnBack(CalculationValues& values) {
    values.input.F = 0;
    values.input.plusq = 0;
    values.input.la = 0;
    values.input.lb = 0;
    values.result.lastfall = 0;
}

void showLoadCaseBoxes(InputTexts& texts, bool pointLoad) {
    texts.setVisible(InputField::F, pointLoad);
    texts.setVisible(InputField::plusq, true);
    texts.setVisible(InputField::la, pointLoad);
    texts.setVisible(InputField::lb, pointLoad);
    texts.setVisible(InputField::l, !pointLoad);
    texts.setVisible(InputField::sic, true);
}

bool requiredBoxesFilled(const InputTexts& texts) {
    const auto filled = [&texts](std::initializer_list<InputField> fields) {
        return std::none_of(fields.begin(), fields.end(),
                            [&texts](InputField f) { return texts[f].empty(); });
    };
    if (texts.isVisible(InputField::F)) {
        return filled({InputField::F, InputField::la, InputField::lb, InputField::sic});
    }
    return filled({InputField::plusq, InputField::l, InputField::sic});
}

} // namespace ipb
