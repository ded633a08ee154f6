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

} // namespace ipb
