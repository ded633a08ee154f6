#include "check_basis.h"

namespace ipb {

CheckBasis checkBasis(const CalculationValues& values, const BeamSection& section,
                      const DesignData& design) {
    CheckBasis basis;
    basis.beam = beamModel(values);
    basis.exact = exactMaxima(basis.beam);
    basis.places = spanPlaces(basis.beam, hasPointLoad(values.input));
    basis.design =
        designBasis(section.dimensions, values.section.q0, values.input, basis.beam, design);
    if (hasPointLoad(values.input) && design.bearingF) {
        basis.bearingF = pointLoadBearing(section.dimensions, basis.design, *design.bearingF,
                                          basis.beam.la, basis.beam.lb);
    }
    return basis;
}

} // namespace ipb
