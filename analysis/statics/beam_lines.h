#pragma once

#include "beam_values.h"
#include "span_values.h"

#include <algorithm>
#include <vector>

namespace ipb {

// The beam of one calculation as the structural model sees it: simply supported over the span,
// the total uniform load (self weight included) over its whole length, and a point load F at
// la from support A and lb from B (F = 0 for the uniform-load case).
struct BeamModel {
    double q = 0;  // total uniform load, kN/m
    double l = 0;  // span, m
    double F = 0;  // point load, kN
    double la = 0; // place of the point load from A, m
    double lb = 0; // and from B, as typed: l - la would lose digits with the load near B
    double Ix = 0; // second moment of area, cm^4
    double Wx = 0; // section modulus, cm^3
};

// The model of a finished calculation, from the values the analysis used.
BeamModel beamModel(const CalculationValues& values);

// Shear force (kN), bending moment (kNm) and deflection (mm, downwards positive) at x metres
// from support A, from the beam's own differential equation with the steel's E. Under the
// point load the shear steps: it is taken just left of the load unless `rightOfLoad` is set.
double shearForce(const BeamModel& beam, double x, bool rightOfLoad = false);
double bendingMoment(const BeamModel& beam, double x);
double deflection(const BeamModel& beam, double x);

// The true maxima along the span. The moment's comes in closed form from where the shear
// changes sign; the deflection's from where the slope is zero, found by bisection, which the
// slope allows because it falls steadily from A to B under downward loads.
Maximum maximumMoment(const BeamModel& beam);
Maximum maximumDeflection(const BeamModel& beam);

ExactMaxima exactMaxima(const BeamModel& beam);

// A place of the scans along the span: x = k·l/1000 for k from 0 to 1000 and, under a point
// load, the load's place twice, just left and just right of it, where the shear steps.
struct SpanPlace {
    double x = 0;
    double M = 0; // kNm
    double V = 0; // kN, signed
    bool rightOfLoad = false;
};
std::vector<SpanPlace> spanPlaces(const BeamModel& beam, bool pointLoad);

// The first place whose figure reaches the largest of all places: mirror images of a symmetric
// beam differ in the last bits, so within 1e-12 of it counts. Null when no figure is a number.
template <class Figure>
const SpanPlace* governingPlace(const std::vector<SpanPlace>& places, Figure figure) {
    double largest = 0;
    for (const SpanPlace& p : places) {
        largest = std::max(largest, figure(p));
    }
    for (const SpanPlace& p : places) {
        if (figure(p) >= largest * (1 - 1e-12)) {
            return &p;
        }
    }
    return nullptr;
}

SpanLines spanLines(const BeamModel& beam, bool pointLoad);

} // namespace ipb
