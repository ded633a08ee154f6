#pragma once

#include "beam_lines.h"

namespace ipb {

// What lateral-torsional buckling needs of a section: Iz and It in cm⁴, Iw in cm⁶, and the
// height of the loads above the centre in cm (positive above, where they make twisting worse).
struct TwistingSection {
    double Iz = 0;
    double It = 0;
    double Iw = 0;
    double loadHeight = 0;
};

// The factor on all the beam's loads at which it buckles sideways and twists, the supports
// holding it against twisting but not against warping. Zero when it cannot be found. `fine`
// takes more terms, for a figure printed to more digits than the program's own check needs.
double criticalLoadFactor(const BeamModel& beam, const TwistingSection& section, bool fine = false);

} // namespace ipb
