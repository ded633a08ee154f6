#include "input_reading.h"

#include "number_text.h"

#include <algorithm>
#include <limits>

namespace ipb {
namespace {

struct FieldRule {
    double upper;      // inclusive
    bool zeroRejected; // a missing load or length
    double lower;      // inclusive lower bound
    std::string_view message;
};

// Negative numbers cannot be typed but can be pasted; a negative load or length has no
// meaning for this beam, so every field rejects it with its own message. "-0" is 0.
constexpr std::array<FieldRule, kInputFieldCount> kRules{{
    {10000, true, 0, "Unzulässige Eingabe 'F' "},
    {250, false, 0, "Unzulässige Eingabe '+q ' "},
    {20, true, 0, "Unzulässige Eingabe ' la ' "},
    {20, true, 0, "Unzulässige Eingabe ' lb ' "},
    {40, true, 0, "Unzulässige Eingabe ' l ' "},
    {10, false, 1, "Unzulässige Eingabe ' Mindestsicherheit ' "},
}};

struct CleanedNumber {
    double value;
    int pointCount;
};

// Comma and point both count as the decimal separator; more than one of them is an error even
// when the number in front of the second one would be fine.
CleanedNumber cleanAndConvert(std::string text) {
    int points = 0;
    for (char& c : text) {
        if (c == ',') {
            c = '.';
        }
        if (c == '.') {
            ++points;
        }
    }
    // A pasted exponent beyond double's range is kept as the largest finite value: it is
    // rejected all the same, and nothing stored is ever infinite. + 0.0 turns -0 into 0.
    constexpr double kLargest = std::numeric_limits<double>::max();
    return {std::clamp(numberFromText(text), -kLargest, kLargest) + 0.0, points};
}

bool rejected(const FieldRule& rule, double value, int points) {
    return value > rule.upper || value < rule.lower || (rule.zeroRejected && value == 0) ||
           points > 1 || value != value;
}

// Single precision holds the safety; the clamp keeps the conversion of a huge or infinite
// value defined (and still rejected by the range test).
float toSingle(double value) {
    return static_cast<float>(std::clamp(value, -1e30, 1e30));
}

} // namespace

std::string_view inputMessage(InputField field) {
    return kRules[static_cast<std::size_t>(field)].message;
}

InputReading readInputs(const InputTexts& texts, const BeamInput& stored) {
    InputReading reading{stored, std::nullopt};
    BeamInput& in = reading.input;

    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        if (field != InputField::sic && !texts.isVisible(field)) {
            continue;
        }
        const CleanedNumber number = cleanAndConvert(texts[field]);
        double tested = number.value;
        if (field == InputField::sic) {
            in.sic = toSingle(number.value);
            tested = in.sic;
        } else {
            in.*kInputMembers[i] = number.value;
        }
        if (rejected(kRules[i], tested, number.pointCount)) {
            reading.rejected = InputRejection{field, kRules[i].message};
            return reading;
        }
    }
    return reading;
}

} // namespace ipb
