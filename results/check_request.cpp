#include "check_request.h"

#include <algorithm>
#include <initializer_list>

namespace ipb {

CheckRequest checkRequest(LoadCase loadCase, SectionId section, DeflectionLimit limit,
                          const InputTexts& typed) {
    CheckRequest request{loadCase, section, limit, typed, {}, {}, ','};
    showLoadCaseBoxes(request.texts, loadCase);
    return request;
}

BeamInput heldValues(const InputTexts& texts, const BeamInput& stored) {
    BeamInput held;
    if (texts.isVisible(InputField::l)) {
        held.F = texts.isVisible(InputField::F) ? 0 : stored.F;
        held.la = texts.isVisible(InputField::la) ? 0 : stored.la;
        held.lb = texts.isVisible(InputField::lb) ? 0 : stored.lb;
    }
    return held;
}

bool boxShown(LoadCase loadCase, InputField field) {
    const bool point = loadCase == LoadCase::PointLoad;
    switch (field) {
    case InputField::F:
    case InputField::la:
    case InputField::lb:
        return point;
    case InputField::l:
        return !point;
    case InputField::plusq:
    case InputField::sic:
        break;
    }
    return true;
}

void showLoadCaseBoxes(InputTexts& texts, LoadCase loadCase) {
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        texts.setVisible(field, boxShown(loadCase, field));
    }
}

int boxLength(InputField field) {
    return field == InputField::sic ? 4 : 6;
}

std::optional<InputField> nextBoxOnEnter(LoadCase loadCase, InputField field) {
    switch (field) {
    case InputField::F:
        return InputField::la;
    case InputField::la:
        return InputField::lb;
    case InputField::lb:
    case InputField::l:
        return InputField::sic;
    case InputField::plusq:
        return loadCase == LoadCase::PointLoad ? InputField::F : InputField::l;
    case InputField::sic:
        break;
    }
    return std::nullopt;
}

int keptCharacter(InputField field, int code) {
    if (field != InputField::sic && (code == kBackspaceCode || code == kEnterCode)) {
        return code;
    }
    return code >= ',' && code <= '9' && code != '-' && code != '/' ? code : 0;
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

} // namespace ipb
