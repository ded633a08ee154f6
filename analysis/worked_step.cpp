#include "worked_step.h"

namespace ipb {
namespace {

// Copies the formula, handing each "{name}" to `put` and everything else through unchanged.
template <class Put> std::string substitute(std::string_view formula, Put put) {
    std::string out;
    out.reserve(formula.size() + 32);
    while (!formula.empty()) {
        const std::size_t open = formula.find('{');
        const std::size_t close = formula.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            out += formula;
            break;
        }
        out += formula.substr(0, open);
        put(out, formula.substr(open + 1, close - open - 1));
        formula.remove_prefix(close + 1);
    }
    return out;
}

} // namespace

const Operand* WorkedStep::operand(std::string_view name) const {
    for (const Operand& o : operands) {
        if (!o.name.empty() && o.name == name) {
            return &o;
        }
    }
    return nullptr;
}

std::string formulaText(const WorkedStep& step) {
    // The formula is only ever written for a record, so a constant shown as its number uses the
    // same plain writer as everywhere: whole numbers such as 330 or 300 need no locale.
    return substitute(step.formula, [&](std::string& out, std::string_view name) {
        const Operand* o = step.operand(name);
        if (o && o->kind == OperandKind::Constant) {
            out += std::to_string(static_cast<long long>(o->value));
        } else {
            out += name;
        }
    });
}

std::string valuesText(const WorkedStep& step,
                       const std::function<std::string(const Operand&)>& number) {
    return substitute(step.formula, [&](std::string& out, std::string_view name) {
        const Operand* o = step.operand(name);
        out += o ? number(*o) : std::string(name);
    });
}

} // namespace ipb
