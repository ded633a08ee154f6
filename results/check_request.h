#pragma once

#include "beam_values.h"
#include "design_data.h"
#include "input_reading.h"
#include "section_table.h"

#include <cstddef>
#include <optional>

namespace ipb {

enum class LoadCase {
    UniformLoad = 1, // self weight plus a uniform load, span typed
    PointLoad = 2,   // plus one point load F at la from A and lb from B; the span is la + lb
};

// One of the twelve sections, by its row of the table.
struct SectionId {
    std::size_t row = kDefaultSectionIndex;

    const BeamSection& section() const { return kSectionTable.at(row); }
    bool operator==(const SectionId&) const = default;
};

// What the engineer asks to be checked: the load case, the section, the deflection limit, the
// boxes as typed and the data of the design to the standard. Every calculation is made from one
// and from nothing else, so the same request always gives the same calculation; the input window
// writes its controls from it and builds it from them, and a filed check is one.
struct CheckRequest {
    LoadCase loadCase = LoadCase::UniformLoad;
    SectionId section;
    DeflectionLimit limit = 300;
    InputTexts texts;  // the load case's boxes shown, the others hidden
    DesignData design; // the grade, the permanent parts, the restraint, the bearing lengths
    // What the input window holds for the boxes it does not read: a hidden box keeps the value
    // it was given last. Only the distances and the point load of a uniform-load request can
    // matter (they would send it down the point-load path); going back to the choice of load
    // case clears them, so a new beam holds zeros here.
    BeamInput held;
    // The separator the windows write their numbers with, as the engineer's locale has it.
    char decimalSeparator = ',';

    bool pointLoad() const { return loadCase == LoadCase::PointLoad; }
    bool operator==(const CheckRequest&) const = default;
};

// The request with the boxes of its load case shown and the texts put into them.
CheckRequest checkRequest(LoadCase loadCase, SectionId section, DeflectionLimit limit,
                          const InputTexts& typed);

// Of what the input window stores, what a request with these texts can read of a box it does
// not show: the hidden point load and distances of a uniform load. The span of a point load is
// la + lb whatever was stored, and shown boxes are read anew, so they hold nothing here.
BeamInput heldValues(const InputTexts& texts, const BeamInput& stored);

// Which boxes a load case shows: +q and the safety always, F, la and lb with a point load, the
// span l without one.
bool boxShown(LoadCase loadCase, InputField field);
void showLoadCaseBoxes(InputTexts& texts, LoadCase loadCase);

// The longest text each box takes, as the input window's boxes are designed.
int boxLength(InputField field);

// Where Enter in a box goes next: on to the next box of the same load case; +q goes to the span
// in the uniform-load case and to F with a point load. The safety box takes no Enter.
std::optional<InputField> nextBoxOnEnter(LoadCase loadCase, InputField field);

// The character code a box keeps of a key press (Backspace 8, Enter 13, or a character), or 0
// when it refuses it: digits, comma and point, nothing else can make a number here; the minus
// sign is refused, loads and lengths are positive. The safety box takes neither Backspace nor
// Enter.
int keptCharacter(InputField field, int code);
inline constexpr int kBackspaceCode = 8;
inline constexpr int kEnterCode = 13;

// Whether every box the shown load case needs holds some text: F, la, lb and the safety with a
// point load, otherwise +q, l and the safety.
bool requiredBoxesFilled(const InputTexts& texts);

// The rules of the values that no window holds: what they forget when the input window is
// loaded and when the engineer goes back to the choice of load case.
// A freshly loaded input window: no support forces and no computed load case are kept.
void resetOnLoad(CalculationValues& values);
// Back to the choice of load case: the loads and distances go too, so a uniform-load
// calculation after a point-load one cannot find old distances and take the point-load path.
void resetOnBack(CalculationValues& values);

} // namespace ipb
