#pragma once

#include "beam_values.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ipb {

// The input boxes in the order they are read.
enum class InputField { F, plusq, la, lb, l, sic };
inline constexpr std::size_t kInputFieldCount = 6;

// What the input window holds when the compute command runs. Texts are UTF-8.
struct InputTexts {
    std::array<std::string, kInputFieldCount> text;
    std::array<bool, kInputFieldCount> visible{};

    std::string& operator[](InputField f) { return text[static_cast<std::size_t>(f)]; }
    const std::string& operator[](InputField f) const { return text[static_cast<std::size_t>(f)]; }
    void setVisible(InputField f, bool on = true) { visible[static_cast<std::size_t>(f)] = on; }
    bool isVisible(InputField f) const { return visible[static_cast<std::size_t>(f)]; }
    bool operator==(const InputTexts&) const = default;
};

// The stored value each box but the safety is read into, in the order of InputField; the safety
// is kept in single precision, in `sic`.
inline constexpr std::array<double BeamInput::*, kInputFieldCount - 1> kInputMembers{
    &BeamInput::F, &BeamInput::plusq, &BeamInput::la, &BeamInput::lb, &BeamInput::l};

struct InputRejection {
    InputField field;
    std::string_view message; // the "Fehler:" message of that field
};

struct InputReading {
    BeamInput input; // every value read so far, a rejected one included
    std::optional<InputRejection> rejected;
};

// Reads the visible boxes (the safety box always) in the order F, +q, la, lb, l, safety into
// the stored values, testing each right after storing it; the first rejected field ends the
// reading and the fields after it keep their stored values.
InputReading readInputs(const InputTexts& texts, const BeamInput& stored);

// The field's message, exact to the blank.
std::string_view inputMessage(InputField field);

} // namespace ipb
