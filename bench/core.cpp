// The calculation core alone: reading the typed texts, the statics, the evaluation into row
// texts and every check, for a set of varied cases in a loop. Prints the median time per case.
//
// The time is the thread's CPU time, not the wall clock: on a busy machine (a build beside it)
// the wall clock also counts the time the loop waited for a core, which is not the core's cost.

#include "calculation.h"
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
    SectionId section;
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
    for (std::size_t row = 0; row < kSectionTable.size(); ++row) {
        for (int pointLoad = 0; pointLoad < 2; ++pointLoad) {
            for (int k = 0; k < 6; ++k) {
                Case c{{row}, {}, any(limits)};
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
CheckRequest requestOf(const Case& c) {
    const bool point = c.texts.isVisible(InputField::F);
    return checkRequest(point ? LoadCase::PointLoad : LoadCase::UniformLoad, c.section, c.limit,
                        c.texts);
}

std::size_t runCase(const Case& c, bool* computed = nullptr) {
    const CalculationOutcome outcome = calculate(requestOf(c));
    if (outcome.rejected) {
        return outcome.rejected->message.size();
    }
    if (outcome.arithmeticFault) {
        return 1;
    }
    const ResultView& view = outcome.calculation->view;
    if (computed) {
        *computed = true;
    }
    std::size_t sum = view.report.message.size() + outcome.calculation->steps.size();
    for (const ResultRow& row : view.rows) {
        sum += row.text ? row.text->size() : 0;
    }
    for (const CheckResult& check : outcome.calculation->checks) {
        sum += check.summary.size() + check.steps.size();
    }
    return sum;
}

// The median over samples of `rounds` passes of `work` over the cases, in ns per case.
template <class Work>
double medianPerCase(const std::vector<Case>& cases, int rounds, int samples, Work work) {
    std::vector<double> perCase;
    for (int s = 0; s < samples; ++s) {
        const double begin = threadCpuNanoseconds();
        for (int r = 0; r < rounds; ++r) {
            for (const Case& c : cases) {
                work(c);
            }
        }
        const double ns = threadCpuNanoseconds() - begin;
        perCase.push_back(ns / (static_cast<double>(rounds) * static_cast<double>(cases.size())));
    }
    std::nth_element(perCase.begin(), perCase.begin() + samples / 2, perCase.end());
    return perCase[static_cast<std::size_t>(samples / 2)];
}

} // namespace

int main() {
    const std::vector<Case> cases = makeCases();
    constexpr int kSamples = 11;

    std::size_t sink = 0;
    std::size_t computed = 0;
    for (const Case& c : cases) { // warm the caches and the branch predictors
        bool done = false;
        sink += runCase(c, &done);
        computed += done;
    }
    // Every calculation is whole: every check, its worked steps, the lines and the record's
    // texts, whoever asks for it.
    const double whole =
        medianPerCase(cases, 4, kSamples, [&](const Case& c) { sink += runCase(c); });
    std::printf("calculation per case: %.1f us (%zu cases, %zu of them computed, checksum %zu)\n",
                whole / 1000, cases.size(), computed, sink);

    // "Leichtestes Profil suchen…": the same inputs with all twelve sections, each with every
    // check.
    const double comparison = medianPerCase(cases, 1, kSamples, [&](const Case& c) {
        sink += static_cast<std::size_t>(
            lightestWhere(compareSections(requestOf(c)), &SectionCheck::holdsEverything) + 1);
    });
    std::printf("twelve sections compared: %.1f us (checksum %zu)\n", comparison / 1000, sink);
    return 0;
}
