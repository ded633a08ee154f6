#pragma once

#include "beam_lines.h"
#include "beam_values.h"
#include "section_table.h"
#include "worked_step.h"

#include <optional>

namespace ipb {

// What the verdict leaves out: the shear stress in the web, the combined stress where web meets
// flange, and lateral-torsional buckling of a top flange that nothing holds sideways. Stresses in
// N/mm², places in m from support A, moments in kNm, utilisations in percent.
struct FurtherChecks {
    double Vmax = 0;         // the larger support force, kN
    double tauMax = 0;       // shear stress in the web beside that support
    double tauPlace = 0;     // 0 when FA ≥ FB, else the span
    double tauAllowable = 0; // zul. σ/√3
    double shearUtilisation = 0;

    double sigmaV = 0; // largest combined stress where web meets flange
    double sigmaVPlace = 0;
    bool sigmaVRightOfLoad =
        false; // the place lies right of the point load, or just right under it
    double combinedUtilisation = 0;

    double Mcr = 0; // elastic critical value of the largest moment
    double lambdaLT = 0;
    double chiLT = 0;
    double bucklingAllowable = 0; // χ,LT · zul. σ
    double bucklingUtilisation = 0;

    bool shearHolds() const { return tauMax <= tauAllowable; }
    bool combinedHolds() const { return sigmaV <= sigmaAllowable; }
    bool bucklingHolds() const { return sigmaMax <= bucklingAllowable; }

    double sigmaAllowable = 0; // zul. σ of the calculation
    double sigmaMax = 0;       // the calculation's bending stress
};

// The three checks for a finished calculation with the section's shape. Nothing when a figure
// cannot be computed honestly (no span, no load, numbers beyond what doubles hold). Given
// `steps`, every figure is also written down as it was worked out.
std::optional<FurtherChecks> furtherChecks(const CalculationValues& finished,
                                           const SectionDimensions& section,
                                           WorkedSteps* steps = nullptr);

// What lateral-torsional buckling needs of a section: Iz and It in cm⁴, Iw in cm⁶, and the
// height of the loads above the centre in cm (positive above, where they make twisting worse).
struct TwistingSection {
    double Iz = 0;
    double It = 0;
    double Iw = 0;
    double loadHeight = 0;
};

// The factor on all the beam's loads at which it buckles sideways and twists, the supports
// holding it against twisting but not against warping. Zero when it cannot be found.
double criticalLoadFactor(const BeamModel& beam, const TwistingSection& section);

} // namespace ipb
