#include "check_statement.h"

#include "number_text.h"

#include <cmath>

namespace ipb {

CheckResult namedCheck(std::string_view id, CheckGroup group, std::string_view name,
                       std::string_view title) {
    CheckResult result;
    result.id = id;
    result.group = group;
    result.name = name;
    result.title = title;
    return result;
}

CheckResult designCheck(std::string_view id, std::string_view name, std::string_view title) {
    CheckResult out = namedCheck(id, CheckGroup::Eurocode, name, title);
    out.comparisonColumn = "Ausnutzung EC3";
    return out;
}

namespace {

std::string withUnit(std::string figure, std::string_view unit) {
    return unit.empty() ? figure : figure + " " + std::string(unit);
}

} // namespace

std::string Comparison::valueText() const {
    return withUnit(std::string(symbol) + " = " + germanFixed(value, decimals), unit);
}

std::string Comparison::limitText() const {
    if (limitSymbol.empty()) {
        return withUnit(germanNumber(limit), unit);
    }
    return withUnit(std::string(limitSymbol) + " = " + germanFixed(limit, decimals), unit);
}

CheckResult limitCheck(std::string_view id, std::string_view name, double value, double limit) {
    CheckResult result = namedCheck(id, CheckGroup::Verdict, name);
    const Comparison comparison{{}, value, {}, limit, {}, 0};
    result.state = comparison.holds() ? CheckState::Holds : CheckState::Fails;
    if (const double percent = 100 * value / limit; std::isfinite(percent)) {
        result.utilisation = percent;
    }
    return result;
}

void settleCheck(CheckResult& out, const Comparison& comparison, double utilisation,
                 std::string summary, const NoteWording& wording) {
    out.state = comparison.holds() ? CheckState::Holds : CheckState::Fails;
    out.utilisation = utilisation;
    out.summary = std::move(summary);
    if (out.fails()) {
        const std::string_view subject = wording.subject.empty() ? out.name : wording.subject;
        out.note = std::string(subject) + (wording.rule.empty() ? "" : " ") +
                   std::string(wording.rule) + " nicht erfüllt" + std::string(wording.condition) +
                   ": " + comparison.valueText() + " > " + comparison.limitText() + wording.place +
                   ".";
    }
    if (out.group == CheckGroup::Eurocode) {
        out.copy =
            CheckFigure{"Ausnutzung " + std::string(out.name), utilisationFigure(utilisation), "%"};
    }
}

void wordDesignCheck(CheckResult& out, CheckState state, const std::string& reason) {
    const std::string word = state == CheckState::DoesNotApply  ? "entfällt"
                             : state == CheckState::NotExamined ? "nicht untersucht"
                                                                : "nicht nachweisbar";
    out.state = state;
    out.utilisation.reset();
    out.summary = std::string(out.name) + ": " + word + (reason.empty() ? "" : ", " + reason);
    out.copy = CheckFigure{"Ausnutzung " + std::string(out.name), word, ""};
}

} // namespace ipb
