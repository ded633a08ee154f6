#pragma once

#include <cstdint>
#include <string_view>

// The values of one calculation, in the units an engineer reads off the section tables:
// forces kN, uniform loads kN/m (self weight N/m), lengths m, section values cm^4 and cm^3,
// moments kNm, stresses N/mm^2, deflections mm.

namespace ipb {

// The steel: Young's modulus E in kN/cm², and the reference strength in N/mm² that the allowable
// stress divides by the required safety and the available safety divides by the stress.
inline constexpr double kElasticModulus = 21000;
inline constexpr double kReferenceStrength = 330;
// Shear modulus G in kN/cm², for the beam's resistance to twisting.
inline constexpr double kShearModulus = 8100;

// Loads in kN, lengths in m and I in cm⁴ give a deflection in m³/cm²; this factor makes it mm.
inline constexpr double kToMillimetres = 10000000;
inline constexpr std::string_view kToMillimetresText = "10⁷";

// Allowable deflection as a fraction of the span: span / 300, / 500 or / 1000.
using DeflectionLimit = std::int16_t;

// The chosen rolled section as the analysis uses it: whole numbers, rounded from the tables.
struct SectionValues {
    std::int32_t Ix = 0; // second moment of area, cm^4
    std::int32_t Wx = 0; // elastic section modulus, cm^3
    std::int32_t q0 = 0; // self weight, N/m
};

struct BeamInput {
    double F = 0;     // point load, kN
    double plusq = 0; // uniform load on top of the self weight, kN/m
    double la = 0;    // point load from support A, m
    double lb = 0;    // point load from support B, m
    double l = 0;     // span, m
    float sic = 0;    // required minimum safety, kept in single precision like the safety row
    DeflectionLimit fmaxteiler = 0;

    bool operator==(const BeamInput&) const = default;
};

struct BeamResult {
    double FA = 0, FB = 0; // support forces, kN
    double Mb = 0;         // maximum bending moment, kNm
    double sigmax = 0;     // maximum bending stress, N/mm^2
    double sigzul = 0;     // allowable bending stress, N/mm^2
    double sicvorh = 0;    // available safety
    double fmax = 0;       // maximum deflection, mm
    double fzul = 0;       // allowable deflection, mm
    double totalLoad = 0;  // the whole uniform load q * l, kN
    double z = 0;          // point-load case: place of the maximum deflection from A, m
    double xf = 0;         // point-load case: the shorter of la and lb, m
    float lastfall = 0;    // path of the last computation: 0 none, 1 uniform load, 2 point load
};

// Everything the input window owns for the whole run; it outlives the window's widgets.
struct CalculationValues {
    SectionValues section;
    BeamInput input;
    BeamResult result;
};

// A point load is there when it has a place: the distances la and lb are read only in the
// point-load case, and going back to the choice of load case clears them.
inline bool hasPointLoad(const BeamInput& in) {
    return in.la != 0 || in.lb != 0;
}

// The uniform load the beam carries, kN/m: the section's self weight (N/m) plus the typed +q.
inline double totalUniformLoad(const SectionValues& section, const BeamInput& in) {
    return section.q0 / 1000.0 + in.plusq;
}

} // namespace ipb
