// The calculation core alone: reading the typed texts, the statics and the evaluation into row
// texts, for a set of varied cases in a tight loop. Prints the median time per case.
//
// The time is the thread's CPU time, not the wall clock: on a busy machine (a build beside it)
// the wall clock also counts the time the loop waited for a core, which is not the core's cost.

#include "calculation.h"
#include "further_checks.h"
#include "section_comparison.h"
#include "section_table.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace ipb;

struct Case {
    SectionValues section;
    InputTexts texts;
    DeflectionLimit limit;
};

// Every section, both load cases, all three deflection limits, comma and point, whole and
// fractional numbers, passes and fails; about one in eight is rejected (a safety below 1), as
// happens when someone types.
std::vector<Case> makeCases() {
    const char* const loads[] = {"10", "2,5", "30", "0", "125.75", "7,125"};
    const char* const spans[] = {"6", "1,25", "8", "12.5", "40", "3"};
    const char* const forces[] = {"50", "12,5", "0.75", "300", "10000", "1"};
    const char* const distances[] = {"3", "1,5", "0.5", "2", "20", "7,25"};
    const char* const safeties[] = {"1,5", "1", "2.25", "10", "1,75", "0,5", "1,5", "2"};
    const DeflectionLimit limits[] = {300, 500, 1000};

    std::minstd_rand pick(1025); // fixed seed: the same cases on every run
    const auto any = [&pick](const auto& list) {
        return list[pick() % (sizeof list / sizeof list[0])];
    };
    std::vector<Case> cases;
    for (const BeamSection& section : kSectionTable) {
        for (int pointLoad = 0; pointLoad < 2; ++pointLoad) {
            for (int k = 0; k < 6; ++k) {
                Case c{section.values, {}, any(limits)};
                InputTexts& t = c.texts;
                t[InputField::plusq] = any(loads);
                t[InputField::sic] = any(safeties);
                t.setVisible(InputField::plusq);
                if (pointLoad) {
                    t[InputField::F] = any(forces);
                    t[InputField::la] = any(distances);
                    t[InputField::lb] = any(distances);
                    t.setVisible(InputField::F);
                    t.setVisible(InputField::la);
                    t.setVisible(InputField::lb);
                } else {
                    t[InputField::l] = any(spans);
                    t.setVisible(InputField::l);
                }
                cases.push_back(std::move(c));
            }
        }
    }
    return cases;
}

double threadCpuNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// One calculation as the compute command runs it; returns something that depends on every
// text, so the compiler cannot drop the work.
std::size_t runCase(const Case& c, bool* computed = nullptr) {
    const CalculationOutcome outcome = calculate(c.texts, c.section, c.limit, {}, ',');
    if (outcome.rejected) {
        return outcome.rejected->message.size();
    }
    if (outcome.arithmeticFault) {
        return 1;
    }
    const ResultView& view = outcome.view;
    if (computed) {
        *computed = true;
    }
    std::size_t sum = view.report.message.size();
    for (const ResultRow& row : view.rows) {
        sum += row.text ? row.text->size() : 0;
    }
    return sum;
}

} // namespace

int main() {
    const std::vector<Case> cases = makeCases();
    constexpr int kRounds = 200; // passes over the whole set per sample
    constexpr int kSamples = 31;

    std::size_t sink = 0;
    std::size_t computed = 0;
    for (const Case& c : cases) { // warm the caches and the branch predictors
        bool done = false;
        sink += runCase(c, &done);
        computed += done;
    }
    std::vector<double> perCase;
    for (int s = 0; s < kSamples; ++s) {
        const double begin = threadCpuNanoseconds();
        for (int r = 0; r < kRounds; ++r) {
            for (const Case& c : cases) {
                sink += runCase(c);
            }
        }
        const double ns = threadCpuNanoseconds() - begin;
        perCase.push_back(ns / (static_cast<double>(kRounds) * static_cast<double>(cases.size())));
    }
    std::nth_element(perCase.begin(), perCase.begin() + kSamples / 2, perCase.end());
    std::printf("core per case: %.0f ns (%zu cases, %zu of them computed, checksum %zu)\n",
                perCase[kSamples / 2], cases.size(), computed, sink);

    // Shear, combined stress and lateral-torsional buckling for each computed case.
    std::vector<std::pair<CalculationValues, const SectionDimensions*>> finished;
    for (const Case& c : cases) {
        const CalculationOutcome outcome = calculate(c.texts, c.section, c.limit, {}, ',');
        if (outcome.succeeded()) {
            for (const BeamSection& s : kSectionTable) {
                if (s.values.Ix == c.section.Ix) {
                    finished.emplace_back(outcome.values, &s.dimensions);
                }
            }
        }
    }
    std::vector<double> perBeam;
    for (int s = 0; s < kSamples; ++s) {
        const double begin = threadCpuNanoseconds();
        for (const auto& [values, dimensions] : finished) {
            const auto checks = furtherChecks(values, *dimensions);
            sink += checks ? static_cast<std::size_t>(checks->Mcr) : 0;
        }
        perBeam.push_back((threadCpuNanoseconds() - begin) / static_cast<double>(finished.size()));
    }
    std::nth_element(perBeam.begin(), perBeam.begin() + kSamples / 2, perBeam.end());
    std::printf("further checks per beam: %.1f us (%zu beams)\n", perBeam[kSamples / 2] / 1000,
                finished.size());

    // "Leichtestes Profil suchen…": the same inputs with all twelve sections, each with the
    // further checks.
    std::vector<double> perComparison;
    constexpr int kComparisonRounds = 20;
    for (int s = 0; s < kSamples; ++s) {
        const double begin = threadCpuNanoseconds();
        for (int r = 0; r < kComparisonRounds; ++r) {
            for (const Case& c : cases) {
                sink += static_cast<std::size_t>(
                    lightestPassing(compareSections(c.texts, c.limit, {}, ',')) + 1);
            }
        }
        const double ns = threadCpuNanoseconds() - begin;
        perComparison.push_back(
            ns / (static_cast<double>(kComparisonRounds) * static_cast<double>(cases.size())));
    }
    std::nth_element(perComparison.begin(), perComparison.begin() + kSamples / 2,
                     perComparison.end());
    std::printf("twelve sections compared: %.1f us (checksum %zu)\n",
                perComparison[kSamples / 2] / 1000, sink);
    return 0;
}
