#pragma once

#include "worked_step.h"

#include <cmath>
#include <utility>

namespace ipb {

// Every step is checked: a zero divisor, a negative root or a non-finite value ends the
// computation. With inputs from the input check none of this happens; pasted exponents such
// as 1E-300 would make it happen.
struct Guard {
    bool ok = true;

    double value(double v) {
        if (!std::isfinite(v)) {
            ok = false;
        }
        return ok ? v : 0.0;
    }
    double divide(double numerator, double divisor) {
        if (divisor == 0) {
            ok = false;
        }
        return ok ? value(numerator / divisor) : 0.0;
    }
    double root(double v) {
        if (!(v >= 0)) {
            ok = false;
        }
        return ok ? value(std::sqrt(v)) : 0.0;
    }
};

// Hands each figure on and writes down how it was worked out; the statics' own tests may ask
// for the figures alone (no steps), and the operands are then not even gathered.
class Worksheet {
  public:
    explicit Worksheet(WorkedSteps* steps) : steps_(steps) {}
    explicit Worksheet(WorkedSteps& steps) : steps_(&steps) {}

    template <class Gather>
    double step(Quantity quantity, std::string_view symbol, std::string_view formula,
                std::string_view unit, double result, Gather&& operands) {
        if (steps_) {
            steps_->push_back({quantity, symbol, formula, unit, operands(), result});
        }
        return result;
    }
    // A line of the hand calculation that no reader looks up.
    template <class Gather>
    double step(std::string_view symbol, std::string_view formula, std::string_view unit,
                double result, Gather&& operands) {
        return step(Quantity::Other, symbol, formula, unit, result, std::forward<Gather>(operands));
    }
    // A line worked out once where several checks rest on it, written again for this one.
    double written(const WorkedStep& line) {
        if (steps_) {
            steps_->push_back(line);
        }
        return line.result;
    }

  private:
    WorkedSteps* steps_;
};

} // namespace ipb
