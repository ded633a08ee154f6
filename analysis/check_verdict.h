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

// The checks that were not examined for want of what they need, by name: "Lasteinleitung
// Auflager A, Lasteinleitung Auflager B"; empty when every check was examined. A check that does
// not apply ("entfällt") is no gap and is not named.
std::string notExaminedChecks(const CheckResults& checks);
// The same in short, checks of one kind at several places named by their kind once:
// "Lasteinleitung".
std::string notExaminedKinds(const CheckResults& checks);

// The verdict over all checks, as the window of all checks says it under its table:
// "Alle Nachweise erfüllt.", "Alle untersuchten Nachweise erfüllt; nicht untersucht: …." or
// "Nicht erfüllt: " with the failing checks by group and a full stop. What was not examined is
// never called fulfilled.
std::string overallVerdict(const CheckResults& checks);

// What the four windows' own values leave out, said in the report window under its verdict:
// "Biegespannung und Durchbiegung zulässig; nicht erfüllt: DIN EN 1993-1-1: Biegedrillknicken.
// Strg+E zeigt alle Nachweise." where those values hold, "Außerdem nicht erfüllt: …" where they
// fail too; empty when every check beyond them holds.
std::string beyondVerdictHint(const CheckResults& checks);

// A group's heading row in the window of all checks; the design's heading names the steel grade.
std::string groupHeading(CheckGroup group, const DesignData& design);

// A check's utilisation with one decimal ("91,0 %"), or what stands in its place.
std::string utilisationText(const CheckResult& check, char decimalSeparator);

} // namespace ipb
