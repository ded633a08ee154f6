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
    texts.show(InputField::F, pointLoad);
    texts.show(InputField::plusq, true);
    texts.show(InputField::la, pointLoad);
    texts.show(InputField::lb, pointLoad);
    texts.show(InputField::l, !pointLoad);
    texts.show(InputField::sic, true);
}

bool requiredBoxesFilled(const InputTexts& texts) {
    const auto filled = [&texts](std::initializer_list<InputField> fields) {
        return std::none_of(fields.begin(), fields.end(),
                            [&texts](InputField f) { return texts[f].empty(); });
    };
    if (texts.shown(InputField::F)) {
        return filled({InputField::F, InputField::la, InputField::lb, InputField::sic});
    }
    return filled({InputField::plusq, InputField::l, InputField::sic});
}

} // namespace ipb
