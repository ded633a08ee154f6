#pragma once

#include "beam_values.h"
#include "worked_step.h"

#include <optional>

namespace ipb {

struct BeamAnalysis {
    BeamInput input; // the point-load path writes the span l = la + lb
    BeamResult result;
};

// Statics of a simply supported single-span beam under its self weight plus a uniform load,
// and, when la or lb is non-zero, one point load F at la from support A and lb from support B.
// `previous` supplies what the chosen path does not overwrite (z and xf on the uniform-load
// path). Returns nothing when a step would divide by zero, overflow or take the root of a
// negative number: inputs that tiny or that large cannot be computed honestly, and no result is
// better than a wrong one. Given `steps`, every figure is also written down as it was worked out.
std::optional<BeamAnalysis> analyseBeam(const SectionValues& section, const BeamInput& input,
                                        const BeamResult& previous, WorkedSteps* steps = nullptr);

} // namespace ipb
