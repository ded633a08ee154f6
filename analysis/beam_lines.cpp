#include "beam_lines.h"

#include <algorithm>

namespace ipb {
namespace {

// E I in kN m²: E = 21000 kN/cm² times Ix in cm⁴ gives kN cm², 1e-4 kN m² each.
double bendingStiffness(const BeamModel& beam) {
    return 21000 * beam.Ix * 1e-4;
}

double supportForceA(const BeamModel& beam) {
    return beam.q * beam.l / 2 + beam.F * (beam.l - beam.la) / beam.l;
}

// Slope of the deflection line (dw/dx, downwards positive), in m per m.
double slope(const BeamModel& b, double x) {
    const double l = b.l, a = b.la, lb = l - a;
    double s = b.q * (l * l * l - 6 * l * x * x + 4 * x * x * x) / 24;
    if (x <= a) {
        s += b.F * lb * (l * l - lb * lb - 3 * x * x) / (6 * l);
    } else {
        const double u = l - x;
        s -= b.F * a * (l * l - a * a - 3 * u * u) / (6 * l);
    }
    return s / bendingStiffness(b);
}

} // namespace

BeamModel beamModel(const CalculationValues& values) {
    const BeamInput& in = values.input;
    const bool pointLoad = values.result.lastfall == 2.0f;
    BeamModel beam;
    beam.q = values.section.q0 / 1000.0 + in.plusq;
    beam.l = in.l; // the point-load path has stored la + lb here
    beam.F = pointLoad ? in.F : 0;
    beam.la = pointLoad ? in.la : 0;
    beam.Ix = values.section.Ix;
    beam.Wx = values.section.Wx;
    return beam;
}

double shearForce(const BeamModel& beam, double x) {
    return supportForceA(beam) - beam.q * x - (x > beam.la ? beam.F : 0);
}

double bendingMoment(const BeamModel& beam, double x) {
    return supportForceA(beam) * x - beam.q * x * x / 2 -
           (x > beam.la ? beam.F * (x - beam.la) : 0);
}

double deflection(const BeamModel& b, double x) {
    const double l = b.l, a = b.la, lb = l - a;
    double w = b.q * x * (l * l * l - 2 * l * x * x + x * x * x) / 24;
    if (x <= a) {
        w += b.F * lb * x * (l * l - lb * lb - x * x) / (6 * l);
    } else {
        const double u = l - x;
        w += b.F * a * u * (l * l - a * a - u * u) / (6 * l);
    }
    return w / bendingStiffness(b) * 1000;
}

Maximum maximumMoment(const BeamModel& beam) {
    // M' = V: the moment peaks where the shear passes zero, left of the load, under it or right
    // of it.
    const double FA = supportForceA(beam);
    double x = FA / beam.q;
    if (beam.F > 0 && x > beam.la) {
        x = std::max(beam.la, (FA - beam.F) / beam.q);
    }
    x = std::clamp(x, 0.0, beam.l);
    return {x, bendingMoment(beam, x)};
}

Maximum maximumDeflection(const BeamModel& beam) {
    double lo = 0, hi = beam.l;
    // Halving the interval a hundred times reaches the spacing of doubles near any span here.
    for (int i = 0; i < 100 && lo < hi; ++i) {
        const double mid = lo + (hi - lo) / 2;
        (slope(beam, mid) > 0 ? lo : hi) = mid;
    }
    const double x = lo + (hi - lo) / 2;
    return {x, deflection(beam, x)};
}

} // namespace ipb
