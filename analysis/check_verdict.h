#pragma once

#include "check_result.h"

#include <string>
#include <string_view>

namespace ipb {

// How a group names itself where the failing checks are listed by group.
std::string_view groupName(CheckGroup group);

// A check's result in a word: "erfüllt", "nicht erfüllt" (also where it cannot be computed),
// "entfällt" or "nicht untersucht".
std::string_view stateWord(CheckState state);

// The failing checks by group, each group as its name and a colon, groups joined by "; ":
// "Urteil der vier Fenster: Durchbiegung; DIN EN 1993-1-1: Biegedrillknicken". Only the groups
// the predicate admits; empty when none of them fails.
template <class Admits> std::string failingByGroup(const CheckResults& checks, Admits admits) {
    std::string text;
    for (const CheckGroup group :
         {CheckGroup::Verdict, CheckGroup::Further, CheckGroup::Eurocode}) {
        if (!admits(group)) {
            continue;
        }
        std::string names;
        for (const CheckResult& check : checks) {
            if (check.group == group && check.fails()) {
                names += (names.empty() ? "" : ", ") + std::string(check.name);
            }
        }
        if (!names.empty()) {
            text += (text.empty() ? "" : "; ") + std::string(groupName(group)) + ": " + names;
        }
    }
    return text;
}

// Every failing check by group, as above; empty when all hold.
std::string failingChecks(const CheckResults& checks);

// Whether every check holds: none fails, none is left without an answer.
bool allHold(const CheckResults& checks);

// The verdict over all checks, as the window of all checks says it under its table:
// "Alle Nachweise erfüllt." or "Nicht erfüllt: " with the failing checks by group and a full stop.
std::string overallVerdict(const CheckResults& checks);

// What the four windows' verdict leaves out, said in the report window: "Außerdem nicht erfüllt:
// Weitere Nachweise: Schub. Strg+E zeigt alle Nachweise."; empty when every check beyond the
// verdict holds.
std::string beyondVerdictHint(const CheckResults& checks);

// A group's heading row in the window of all checks; the design's heading names the steel grade.
std::string groupHeading(CheckGroup group, const DesignData& design);

// A check's utilisation with one decimal ("91,0 %"), or what stands in its place.
std::string utilisationText(const CheckResult& check, char decimalSeparator);

} // namespace ipb
