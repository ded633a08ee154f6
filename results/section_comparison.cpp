#include "section_comparison.h"

#include "check_verdict.h"
#include "number_text.h"

#include <algorithm>

namespace ipb {

bool SectionCheck::passes() const {
    return outcome.succeeded() && outcome.calculation->view.verdict == Verdict::Pass;
}

bool SectionCheck::holds(const std::function<bool(const CheckResult&)>& picks) const {
    if (!outcome.succeeded()) {
        return false;
    }
    const CheckResults& checks = outcome.calculation->checks;
    return std::none_of(checks.begin(), checks.end(),
                        [&](const CheckResult& c) { return picks(c) && c.fails(); });
}

bool SectionCheck::holdsEverything() const {
    return passes() && holds([](const CheckResult&) { return true; });
}

SectionComparison compareSections(const CheckRequest& request) {
    SectionComparison comparison;
    for (std::size_t i = 0; i < kSectionTable.size(); ++i) {
        SectionCheck& check = comparison[i];
        check.section = &kSectionTable[i];
        CheckRequest withSection = request;
        withSection.section = SectionId{i};
        check.outcome = calculate(withSection);
    }
    return comparison;
}

int lightestWhere(const SectionComparison& comparison,
                  const std::function<bool(const SectionCheck&)>& qualifies) {
    for (std::size_t i = 0; i < comparison.size(); ++i) {
        if (qualifies(comparison[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int lightestPassing(const SectionComparison& comparison) {
    return lightestWhere(comparison, &SectionCheck::passes);
}

std::string proposalHeadline(const SectionComparison& comparison, int lightest) {
    if (lightest < 0) {
        return "Kein Profil IPB 100 bis 600 erfüllt alle Nachweise.";
    }
    const SectionCheck& proposed = comparison[std::size_t(lightest)];
    const std::string skipped = notExaminedKinds(proposed.outcome.calculation->checks);
    const std::string size = "IPB " + std::string(proposed.section->Size);
    return skipped.empty()
               ? "Leichtestes Profil, das alle Nachweise erfüllt: " + size
               : "Leichtestes Profil, das alle untersuchten Nachweise erfüllt: " + size +
                     " (nicht untersucht: " + skipped + ")";
}

namespace {

// The columns in the order the list of checks gives them, each once.
std::vector<std::string> checkColumns(const CheckResults& checks) {
    std::vector<std::string> headers;
    const auto add = [&](std::string_view header) {
        if (!header.empty() && std::find(headers.begin(), headers.end(), header) == headers.end()) {
            headers.emplace_back(header);
        }
    };
    for (const CheckResult& check : checks) {
        add(check.figureColumn);
        add(check.comparisonColumn);
    }
    return headers;
}

std::vector<ComparisonCell> checkCells(const std::vector<std::string>& headers,
                                       const CheckResults& checks, char decimalSeparator) {
    std::vector<ComparisonCell> cells;
    for (const std::string& header : headers) {
        ComparisonCell cell;
        std::optional<double> largest;
        std::string_view word; // where no check of the column has a figure
        for (const CheckResult& check : checks) {
            if (check.figureColumn == header) {
                cell.text = check.figure;
            }
            if (check.comparisonColumn != header) {
                continue;
            }
            if (check.utilisation) {
                largest = std::max(largest.value_or(*check.utilisation), *check.utilisation);
            } else if (word.empty()) {
                word = stateWord(check.state);
            }
            cell.red = cell.red || check.fails();
        }
        if (largest) {
            cell.text = percentText(*largest, decimalSeparator);
        } else if (!word.empty() && !cell.red) {
            cell.text = word; // "entfällt", "nicht untersucht"
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

} // namespace

ComparisonTable comparisonTable(const SectionComparison& comparison, char decimalSeparator) {
    ComparisonTable table;
    for (const SectionCheck& check : comparison) {
        if (check.outcome.succeeded()) {
            table.headers = checkColumns(check.outcome.calculation->checks);
            break;
        }
    }
    for (const SectionCheck& check : comparison) {
        table.rows.push_back(
            check.outcome.succeeded()
                ? checkCells(table.headers, check.outcome.calculation->checks, decimalSeparator)
                : std::vector<ComparisonCell>(table.headers.size()));
    }
    return table;
}

} // namespace ipb
