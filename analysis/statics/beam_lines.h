#pragma once

#include "beam_values.h"
#include "span_values.h"

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

SpanLines spanLines(const BeamModel& beam, bool pointLoad);

} // namespace ipb
