#include "check_verdict.h"

#include "number_text.h"

#include <algorithm>
#include <vector>

namespace ipb {

std::string_view groupName(CheckGroup group) {
    switch (group) {
    case CheckGroup::Verdict:
        return "Urteil der vier Fenster";
    case CheckGroup::Further:
        // Against the same 330/ν as the four windows: a check, not a design to a standard.
        return "Weitere Nachweise mit zul. σ = 330/ν (keine Norm)";
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

std::string notExaminedChecks(const CheckResults& checks) {
    std::string names;
    for (const CheckResult& check : checks) {
        if (check.state == CheckState::NotExamined) {
            names += (names.empty() ? "" : ", ") + std::string(check.name);
        }
    }
    return names;
}

std::string notExaminedKinds(const CheckResults& checks) {
    std::vector<std::string> kinds;
    for (const CheckResult& check : checks) {
        if (check.state != CheckState::NotExamined) {
            continue;
        }
        // Checks of one kind at several places say their kind once: "Lasteinleitung".
        const std::string_view name = check.name;
        const std::string_view kind = name.substr(0, name.find(' '));
        const auto sameKind = [&](const CheckResult& other) {
            return &other != &check && other.state == CheckState::NotExamined &&
                   other.name.substr(0, other.name.find(' ')) == kind;
        };
        const std::string said(std::any_of(checks.begin(), checks.end(), sameKind) ? kind : name);
        if (std::find(kinds.begin(), kinds.end(), said) == kinds.end()) {
            kinds.push_back(said);
        }
    }
    std::string text;
    for (const std::string& kind : kinds) {
        text += (text.empty() ? "" : ", ") + kind;
    }
    return text;
}

std::string overallVerdict(const CheckResults& checks) {
    const std::string failing = failingChecks(checks);
    if (!failing.empty()) {
        return "Nicht erfüllt: " + failing + ".";
    }
    const std::string skipped = notExaminedChecks(checks);
    return skipped.empty()
               ? "Alle Nachweise erfüllt."
               : "Alle untersuchten Nachweise erfüllt; nicht untersucht: " + skipped + ".";
}

std::string beyondVerdictHint(const CheckResults& checks) {
    const std::string failing = failingByGroup(checks, beyondVerdict);
    if (failing.empty()) {
        return {};
    }
    const bool verdictHolds =
        failingByGroup(checks, [](CheckGroup g) { return g == CheckGroup::Verdict; }).empty();
    return (verdictHolds ? "Biegespannung und Durchbiegung zulässig; nicht erfüllt: "
                         : "Außerdem nicht erfüllt: ") +
           failing + ". Strg+E zeigt alle Nachweise.";
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
