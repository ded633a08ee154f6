#pragma once

#include "check_result.h"

#include <string>
#include <string_view>

// How a check says what it found, written once for every check: its name and group before it is
// computed, and its verdict from one comparison of a figure with its limit.

namespace ipb {

// A check's result before it is computed: who it is, not yet what it found.
CheckResult namedCheck(std::string_view id, CheckGroup group, std::string_view name,
                       std::string_view title = {});

// A check to the standard before it is computed: its group, the section choice's column.
CheckResult designCheck(std::string_view id, std::string_view name, std::string_view title);

// A figure and the limit it must not exceed, each with its symbol, in one unit: the check holds
// where the figure does not exceed the limit. Forces and moments are said to two decimals,
// stresses, deflections and ratios to three. A limit without a symbol is a number of the rule
// and is said as the rule gives it ("1,4"); a ratio has no unit.
struct Comparison {
    std::string_view symbol;
    double value = 0;
    std::string_view limitSymbol;
    double limit = 0;
    std::string_view unit;
    int decimals = 2;

    bool holds() const { return value <= limit; }
    std::string valueText() const; // "M,Ed = 137,43 kNm"
    std::string limitText() const; // "M,c,Rd = 151,01 kNm", or "1,4"
};

// A figure of the four windows' verdict against its limit, as the windows decide it: its
// utilisation where the limit gives one.
CheckResult limitCheck(std::string_view id, std::string_view name, double value, double limit);

// How the note of a failing check names what fails: the check ("Kippen" where its name says more
// than the note needs), the rule ("nach DIN EN 1993-1-1"), the condition it holds under and the
// place it was found at (" bei x = 3,000 m").
struct NoteWording {
    std::string_view subject; // empty: the check's name
    std::string_view rule;
    std::string_view condition;
    std::string place;
};

// A computed check settled from its comparison: the state and the utilisation, the summary line
// as given, and when it fails the note "Subject rule nicht erfüllt condition: figure > limit
// place."; a check to the standard also gets its copy row, "Ausnutzung Name" in percent.
void settleCheck(CheckResult& out, const Comparison& comparison, double utilisation,
                 std::string summary, const NoteWording& wording);

// A check without a figure: "entfällt", "nicht untersucht" or "nicht nachweisbar", said as
// "Name: word[, reason]" and in the copy with an empty unit.
void wordDesignCheck(CheckResult& out, CheckState state, const std::string& reason = {});

} // namespace ipb
