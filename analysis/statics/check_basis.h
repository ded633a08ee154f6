#pragma once

#include "beam_lines.h"
#include "eurocode_design.h"

#include <optional>
#include <vector>

namespace ipb {

// What several checks of one calculation read, worked out once before any of them runs: the
// beam under the characteristic loads with its true maxima and its scan along the span, and the
// design to the standard's basis (the design loads, the section values, the resistances, the
// design beam's maximum and scan), and where a bearing length under the point load is given the
// web's resistance there, which the load introduction and its interaction with the moment both
// compare with.
struct CheckBasis {
    BeamModel beam;
    ExactMaxima exact;
    std::vector<SpanPlace> places;
    DesignBasis design;
    std::optional<PointLoadBearing> bearingF;
};

CheckBasis checkBasis(const CalculationValues& values, const BeamSection& section,
                      const DesignData& design);

} // namespace ipb
