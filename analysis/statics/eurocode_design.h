#pragma once

#include "beam_lines.h"
#include "check_result.h"

#include <string>

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

// What every check to the standard rests on: the steel, the loads split into permanent and
// variable and factored, the plastic section values, and the cross-section class.
struct DesignBasis {
    double fy = 0;                           // N/mm²
    double epsilon = 0;                      // √(235/fy)
    double g0 = 0;                           // self weight, kN/m, from the table's whole newtons
    double gk = 0;                           // permanent part of +q as used: at most +q
    double Gk = 0;                           // permanent part of F as used: at most F
    bool gkCapped = false, GkCapped = false; // a permanent part larger than its load
    double qEd = 0;                          // kN/m
    double FEd = 0;                          // kN
    double A = 0;                            // cm²
    double hw = 0;                           // mm, web between the flanges
    double Av = 0;                           // cm²
    double Aw = 0;                           // cm², h,w·tw
    double Wpl = 0;                          // cm³
    double flangeRatio = 0, webRatio = 0;    // c/t
    int sectionClass = 1;
    BeamModel beam;          // the span under q,Ed and F,Ed
    double AEd = 0, BEd = 0; // design support forces, kN
};

// The basis of one calculation; with `steps` it also writes the lines that work it out.
DesignBasis designBasis(const CheckContext& c, WorkedSteps* steps = nullptr);

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

// "91,0" of a utilisation in percent, as the copy writes it.
std::string percentFigure(double percent);

} // namespace ipb

namespace ipb {

// A check to the standard before it is computed: its group, the section choice's column.
inline CheckResult designCheck(std::string_view id, std::string_view name, std::string_view title) {
    CheckResult out = namedCheck(id, CheckGroup::Eurocode, name, title);
    out.comparisonColumn = "Ausnutzung EC3";
    return out;
}

// The verdict of a computed check: its state from the unrounded comparison, its utilisation,
// "Name: figures" as the summary, the note when it fails, the copy row with the percentage.
void settleDesignCheck(CheckResult& out, bool holds, double utilisation, const std::string& figures,
                       const std::string& note);

// A check without a figure: "entfällt", "nicht untersucht" or "nicht nachweisbar", said as
// "Name: word[, reason]" and in the copy with an empty unit.
void wordDesignCheck(CheckResult& out, CheckState state, const std::string& reason = {});

} // namespace ipb

namespace ipb {

// The design moment and the size of the design shear at x as a hand calculation writes them,
// left of the point load (or at it) or right of it; operands q,Ed, x, l, F,Ed, la, lb.
std::string_view designMomentFormula(bool pointLoad, bool rightOfLoad);
std::string_view designShearFormula(bool pointLoad, bool rightOfLoad, bool negative);
Operands designLineOperands(const DesignBasis& b, double x);

} // namespace ipb
