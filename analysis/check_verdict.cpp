#include "check_verdict.h"

#include "number_text.h"

#include <algorithm>

namespace ipb {

std::string_view groupName(CheckGroup group) {
    switch (group) {
    case CheckGroup::Verdict:
        return "Urteil der vier Fenster";
    case CheckGroup::Further:
        return "Weitere Nachweise";
    case CheckGroup::Eurocode:
        break;
    }
    return "DIN EN 1993-1-1";
}

std::string_view stateWord(CheckState state) {
    switch (state) {
    case CheckState::Holds:
        return "erfüllt";
    case CheckState::DoesNotApply:
        return "entfällt";
    case CheckState::NotExamined:
        return "nicht untersucht";
    case CheckState::Fails:
    case CheckState::NotComputable:
        break;
    }
    return "nicht erfüllt";
}

namespace {

bool beyondVerdict(CheckGroup group) {
    return group != CheckGroup::Verdict;
}

} // namespace

bool allHold(const CheckResults& checks) {
    return std::none_of(checks.begin(), checks.end(),
                        [](const CheckResult& check) { return check.fails(); });
}

std::string failingChecks(const CheckResults& checks) {
    return failingByGroup(checks, [](CheckGroup) { return true; });
}

std::string overallVerdict(const CheckResults& checks) {
    const std::string failing = failingChecks(checks);
    return failing.empty() ? "Alle Nachweise erfüllt." : "Nicht erfüllt: " + failing + ".";
}

std::string beyondVerdictHint(const CheckResults& checks) {
    const std::string failing = failingByGroup(checks, beyondVerdict);
    return failing.empty()
               ? std::string()
               : "Außerdem nicht erfüllt: " + failing + ". Strg+E zeigt alle Nachweise.";
}

std::string groupHeading(CheckGroup group, const DesignData& design) {
    switch (group) {
    case CheckGroup::Verdict:
        return std::string(groupName(group)) + " (zul. σ = 330/ν)";
    case CheckGroup::Further:
        break;
    case CheckGroup::Eurocode:
        return std::string(groupName(group)) + ", " + std::string(gradeName(design.grade));
    }
    return std::string(groupName(group));
}

std::string utilisationText(const CheckResult& check, char decimalSeparator) {
    if (check.utilisation) {
        return percentText(*check.utilisation, decimalSeparator);
    }
    return check.noFigure.empty() ? "—" : std::string(check.noFigure);
}

} // namespace ipb
