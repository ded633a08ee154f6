#pragma once

#include "beam_lines.h"
#include "design_data.h"
#include "section_table.h"

#include <string_view>

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

// The loads' height above the centre in cm: at a flange half the depth up or down, where the
// load is taken to act on the flange's outer face as a slab or a hanger puts it there.
inline double loadHeightAbove(const SectionDimensions& d, LoadHeight at) {
    const double half = d.h / 20; // mm to cm
    return at == LoadHeight::TopFlange ? half : at == LoadHeight::BottomFlange ? -half : 0;
}

// How the record says where the loads act: the place ("am Obergurt") and its distance from the
// centre ("h/2 über dem Schwerpunkt"; empty at the centre itself).
struct LoadHeightWords {
    std::string_view place;
    std::string_view offset;
};
LoadHeightWords loadHeightWords(LoadHeight at);

} // namespace ipb
