#include "beam_lines.h"

#include <algorithm>
#include <cmath>

namespace ipb {
namespace {

// E I in kN m²: E in kN/cm² times Ix in cm⁴ gives kN cm², 1e-4 kN m² each.
double bendingStiffness(const BeamModel& beam) {
    return kElasticModulus * beam.Ix * 1e-4;
}

// Slope of the deflection line (dw/dx, downwards positive), in m per m.
double slope(const BeamModel& b, double x) {
    const double l = b.l, a = b.la, lb = b.lb;
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
    const bool pointLoad = hasPointLoad(in);
    BeamModel beam;
    beam.q = totalUniformLoad(values.section, in);
    beam.l = in.l; // the point-load path has stored la + lb here
    beam.F = pointLoad ? in.F : 0;
    beam.la = pointLoad ? in.la : 0;
    beam.lb = pointLoad ? in.lb : in.l;
    beam.Ix = values.section.Ix;
    beam.Wx = values.section.Wx;
    return beam;
}

// Both lines are written as the uniform load's part plus the point load's part, each of one
// sign, rather than as FA x minus the loads: on a beam whose span is tiny against the load's
// place the difference form cancels away every digit of the uniform load's share. For the same
// reason lengths to B start from the typed lb, not from the rounded span less la.
double shearForce(const BeamModel& beam, double x, bool rightOfLoad) {
    const double l = beam.l, a = beam.la;
    const bool right = rightOfLoad ? x >= a : x > a;
    const double pointPart = right ? -beam.F * a / l : beam.F * beam.lb / l;
    return beam.q * (l / 2 - x) + pointPart;
}

double bendingMoment(const BeamModel& beam, double x) {
    const double l = beam.l, a = beam.la;
    const double toB = x > a ? l - x : beam.lb + (a - x);
    const double pointPart = x > a ? beam.F * a * toB / l : beam.F * x * beam.lb / l;
    return beam.q * x * toB / 2 + pointPart;
}

double deflection(const BeamModel& b, double x) {
    const double l = b.l, a = b.la, lb = b.lb;
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
    // of it. Each zero is solved from its own side's shear, so no large terms cancel.
    const double l = beam.l, a = beam.la;
    const double zeroLeft = l / 2 + beam.F * beam.lb / (beam.q * l);
    const double zeroRight = l / 2 - beam.F * a / (beam.q * l);
    const double x = std::clamp(zeroLeft < a ? zeroLeft : std::max(a, zeroRight), 0.0, l);
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

ExactMaxima exactMaxima(const BeamModel& beam) {
    ExactMaxima exact;
    exact.moment = maximumMoment(beam);
    exact.stress = exact.moment.value / beam.Wx * 1000;
    exact.deflection = maximumDeflection(beam);
    return exact;
}

std::vector<SpanPlace> spanPlaces(const BeamModel& beam, bool pointLoad) {
    std::vector<SpanPlace> places;
    places.reserve(1003);
    const double l = beam.l, la = beam.la;
    bool loadPlaced = !pointLoad;
    for (int k = 0; k <= 1000; ++k) {
        const double x = k * l / 1000;
        if (!loadPlaced && x > la) {
            const double M = bendingMoment(beam, la);
            places.push_back({la, M, shearForce(beam, la), false});
            places.push_back({la, M, shearForce(beam, la, true), true});
            loadPlaced = true;
        }
        places.push_back({x, bendingMoment(beam, x), shearForce(beam, x), pointLoad && x > la});
    }
    return places;
}

SpanLines spanLines(const BeamModel& beam, bool pointLoad) {
    constexpr int kSteps = 240;
    std::vector<double> xs;
    xs.reserve(kSteps + 3);
    for (int i = 0; i <= kSteps; ++i) {
        xs.push_back(beam.l * i / kSteps);
    }
    if (pointLoad) {
        xs.push_back(beam.la);
        xs.push_back(std::nextafter(beam.la, beam.l));
    }
    std::sort(xs.begin(), xs.end());
    SpanLines lines{beam.l, beam.la, pointLoad, {}, 0, 0};
    lines.points.reserve(xs.size());
    for (const double x : xs) {
        lines.points.push_back(
            {x, shearForce(beam, x), bendingMoment(beam, x), deflection(beam, x)});
    }
    if (pointLoad) {
        lines.shearLeftOfLoad = shearForce(beam, beam.la);
        lines.shearRightOfLoad = shearForce(beam, beam.la, true);
    }
    return lines;
}

} // namespace ipb
