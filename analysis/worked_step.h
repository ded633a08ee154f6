#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ipb {

// The figures a reader looks a step up by: the rows of the results window, whose record lines
// carry the window's own figure, and the point load's place of the largest deflection. Every
// other step is one of the hand calculation's lines and no more.
enum class Quantity {
    Other,
    FA,
    FB,
    TotalLoad, // q * l
    Span,      // point-load case: la + lb
    Mb,
    Sigmax,
    Sigzul,
    Safety,
    Xf, // point-load case: the shorter distance
    Z,  // point-load case: place of the point load's largest deflection
    Fmax,
    Fzul,
};

// Where an operand's value comes from, which decides how a record writes it: a typed value as
// the engineer typed it, a computed one to the digits a checker needs, and a constant that the
// formula shows as its number too (the limit's divisor, the reference strength).
// A line that subtracts nearly equal figures amplifies their rounding; its operands are written
// precisely (fifteen digits) so that the line recomputes from what it prints.
enum class OperandKind { Computed, Typed, Constant, Precise };

// A value a step is worked out from. Its name stands in the formula.
struct Operand {
    std::string_view name;
    double value = 0;
    OperandKind kind = OperandKind::Computed;
};

using Operands = std::array<Operand, 8>;

// One step of the calculation as a hand calculation writes it, symbol = formula = the formula
// with the values put in = result. The formula names its operands in braces,
// "{q}·{l}/2 + {F}·{lb}/{l}", so the formula and the values line are written from the one text.
// The result is the number the calculation itself computed, not one worked out again.
struct WorkedStep {
    Quantity quantity = Quantity::Other;
    std::string_view symbol;
    std::string_view formula;
    std::string_view unit; // empty for a pure number
    Operands operands{};
    double result = 0;

    const Operand* operand(std::string_view name) const;
};

using WorkedSteps = std::vector<WorkedStep>;

// The formula with its operand names ("q·l/2 + F·lb/l") or, given a writer for numbers, with
// their values ("10,601·5/2 + 50·2/5").
std::string formulaText(const WorkedStep& step);
std::string valuesText(const WorkedStep& step,
                       const std::function<std::string(const Operand&)>& number);

} // namespace ipb
