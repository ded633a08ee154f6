#pragma once

#include "beam_lines.h"
#include "design_data.h"
#include "section_table.h"
#include "worked_step.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace ipb {

// Partial factors of the German National Annex: resistance of the section (γM0) and of a
// member that buckles or a web that cripples (γM1); permanent and variable actions (γG, γQ).
inline constexpr double kGammaM0 = 1.00;
inline constexpr double kGammaM1 = 1.10;
inline constexpr double kGammaG = 1.35;
inline constexpr double kGammaQ = 1.50;
// E and G in N/mm², the units of the resistances to the standard.
inline constexpr double kElasticModulusMpa = kElasticModulus * 10;
inline constexpr double kShearModulusMpa = kShearModulus * 10;
// Shear area factor for steels up to S460 (EN 1993-1-5, 5.1).
inline constexpr double kEta = 1.2;
// The plateau and the factor of rolled sections' lateral-torsional buckling curves (6.3.2.3),
// as the German National Annex sets them.
inline constexpr double kLambdaLT0 = 0.4;
inline constexpr double kBetaLT = 0.75;

// A resistance and the line that works it out, for each check that compares with it.
struct Resistance {
    double value = 0;
    WorkedStep step;
};

// What every check to the standard rests on: the steel, the loads split into permanent and
// variable and factored, the beam under them, the plastic section values, the cross-section
// class and the section's resistances.
struct DesignBasis {
    double fy = 0;                           // N/mm²
    double epsilon = 0;                      // √(235/fy)
    double g0 = 0;                           // self weight, kN/m, from the table's whole newtons
    double gk = 0;                           // permanent part of +q as used
    double Gk = 0;                           // permanent part of F as used
    bool gkCapped = false, GkCapped = false; // larger than its load: the load wholly variable
    double qEd = 0;                          // kN/m
    double FEd = 0;                          // kN
    double A = 0;                            // cm²
    double hw = 0;                           // mm, web between the flanges
    double Av = 0;                           // cm²
    double Aw = 0;                           // cm², h,w·tw
    double Wpl = 0;                          // cm³
    double flangeRatio = 0, webRatio = 0;    // c/t
    int sectionClass = 1;
    BeamModel beam;                // the span under q,Ed and F,Ed
    Maximum moment;                // the largest design moment, where the shear changes sign
    std::vector<SpanPlace> places; // the scan along the span under the design loads
    double AEd = 0, BEd = 0;       // design support forces, kN
    Resistance McRd;               // M,c,Rd = W,pl·fy/γM0, kNm
    Resistance VplRd;              // V,pl,Rd = A,v·fy/(√3·γM0), kN
    WorkedSteps steps;             // how the loads and section values are worked out
};

// The basis of one calculation: the section's dimensions and self weight (N/m), the inputs as
// read, the beam under the characteristic loads and the design data.
DesignBasis designBasis(const SectionDimensions& d, std::int32_t q0, const BeamInput& in,
                        const BeamModel& beam, const DesignData& design);

// The reduction for lateral-torsional buckling of rolled sections (6.3.2.3) with the German
// National Annex's λ,LT,0 = 0,4 and β = 0,75, for a buckling curve's imperfection factor α.
struct BucklingReduction {
    double phi = 0;
    double chi = 0;
};
BucklingReduction lateralTorsionalReduction(double lambdaLT, double alpha);

// The resistance of an unstiffened web to a load through one flange (EN 1993-1-5, section 6).
// Type c: at a distance c from the beam's end; type a: away from the ends. The stiff bearing
// length counts up to h,w.
// Lengths mm, Fcr and FRd kN. m2 is first taken as 0; only when the web then is slender
// (λ,F > 0,5) is the flange's share m2 counted, and the first pass is kept for the record.
struct WebBearing {
    double ss = 0, c = 0, m1 = 0, kF = 0, Fcr = 0, le = 0;
    double ly0 = 0, lambdaF0 = 0; // with m2 = 0
    bool secondPass = false;
    double m2 = 0, ly = 0, lambdaF = 0; // as used
    double chiF = 0, FRd = 0;
};
enum class BearingType { NearEnd, AwayFromEnd };
WebBearing webBearing(const SectionDimensions& d, double fy, double ss, BearingType type,
                      double c = 0);

// The web under the point load on its stiff bearing: s,s up to h,w, the distance c of the
// bearing from the nearer end of the beam (the beam's la and lb in m), both types and the smaller
// of their resistances.
struct PointLoadBearing {
    double ss = 0, c = 0; // mm
    WebBearing awayFromEnd, nearEnd;
    double FRd = 0; // kN
};
PointLoadBearing pointLoadBearing(const SectionDimensions& d, const DesignBasis& b, double ss,
                                  double la, double lb);

} // namespace ipb

namespace ipb {

// The design moment and the size of the design shear at x as a hand calculation writes them,
// left of the point load (or at it) or right of it; operands q,Ed, x, l, F,Ed, la, lb.
std::string_view designMomentFormula(bool pointLoad, bool rightOfLoad);
std::string_view designShearFormula(bool pointLoad, bool rightOfLoad, bool negative);
Operands designLineOperands(const DesignBasis& b, double x);

} // namespace ipb
