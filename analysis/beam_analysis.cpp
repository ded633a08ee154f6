#include "beam_analysis.h"

#include <cmath>

namespace ipb {
namespace {

// Reference strength of the steel in N/mm^2: allowable stress 330 / sic.
constexpr double kReferenceStrength = 330;

// Deflection factors with E = 21000 kN/cm^2. Loads in kN, lengths in m and I in cm^4 give
// m^3/cm^2; 10,000,000 turns that into mm.
constexpr double kToMillimetres = 10000000;
constexpr double kUniformShapeE = 504000;       // 24 E
constexpr double kPointUnderLoadE = 63000;      // 3 E
constexpr double kUniformMidspanNum = 50000000; // 5 x 10,000,000
constexpr double kUniformMidspanE = 8064000;    // 384 E

// Every step is checked: a zero divisor, a negative root or a non-finite value ends the
// computation. With inputs from the input check none of this happens; pasted exponents such
// as 1E-300 would make it happen.
struct Guard {
    bool ok = true;

    double value(double v) {
        if (!std::isfinite(v)) {
            ok = false;
        }
        return ok ? v : 0.0;
    }
    double divide(double numerator, double divisor) {
        if (divisor == 0) {
            ok = false;
        }
        return ok ? value(numerator / divisor) : 0.0;
    }
    double root(double v) {
        if (!(v >= 0)) {
            ok = false;
        }
        return ok ? value(std::sqrt(v)) : 0.0;
    }
};

} // namespace

std::optional<BeamAnalysis> analyseBeam(const SectionValues& section, const BeamInput& input,
                                        const BeamResult& previous) {
    Guard g;
    BeamAnalysis out{input, previous};
    BeamInput& in = out.input;
    BeamResult& r = out.result;

    const double Ix = section.Ix;
    const double Wx = section.Wx;
    const double q = g.value(g.divide(section.q0, 1000) + in.plusq); // total uniform load, kN/m

    r.sigzul = g.divide(kReferenceStrength, static_cast<double>(in.sic));

    const bool pointLoad = in.la != 0 || in.lb != 0;
    const double span = pointLoad ? g.value(in.la + in.lb) : in.l;
    if (span != 0) {
        r.fzul = g.value(g.divide(span, in.fmaxteiler) * 1000);
    }

    if (pointLoad) {
        r.lastfall = 2;
        const double la = in.la, lb = in.lb, F = in.F;
        const double l = in.l = g.value(lb + la);
        const double l2 = g.value(l * l);

        r.FA = g.value(g.value(q * l / 2) + g.divide(lb * F, l));
        r.FB = g.value(g.value(q * l / 2) + g.divide(la * F, l));
        // Midspan moment of the uniform load plus the moment under the point load: on the safe
        // side, since the two maxima need not lie at the same place.
        r.Mb = g.value(g.value(l2 * q / 8) + g.divide(g.value(la * F * lb), l));

        double xf = previous.xf;
        if (l / 2 < la) {
            xf = lb;
        }
        if (l / 2 < lb) {
            xf = la;
        }
        if (la == lb) {
            xf = la;
        }
        r.xf = xf;

        // The maximum deflection of a single point load lies in the longer part, at z from A.
        double z = previous.z;
        if (la >= lb) {
            z = g.root(g.divide(l2 - lb * lb, 3));
        }
        if (la <= lb) {
            z = g.value(l - g.root(g.divide(l2 - la * la, 3)));
        }
        r.z = z;

        // F b (l^2 - b^2)^(3/2) / (9 sqrt(3) E I l), b the shorter distance, in mm.
        const double b = xf;
        const double s = g.root(g.divide(l + b, g.value(3 * (l - b))));
        double fP = g.value(lb * lb * (la * la) * F * kToMillimetres);
        fP = g.divide(fP, g.value(l * Ix * kPointUnderLoadE));
        fP = g.divide(g.value(fP * (l + b)), 3 * b);
        fP = g.value(fP * s);

        // The uniform load's deflection at the same place, added there: the true maximum of
        // the sum lies close by and is not searched.
        const double xi = g.divide(z, l);
        const double shape = g.value(std::pow(xi, 4) + (xi - 2 * std::pow(xi, 3)));
        const double fq = g.value(
            g.divide(g.value(std::pow(l, 4) * q * kToMillimetres), Ix * kUniformShapeE) * shape);
        r.fmax = g.value(fP + fq);
    } else if (in.l != 0) {
        r.lastfall = 1;
        const double l = in.l;
        const double l2 = g.value(l * l);
        r.Mb = g.value(l2 * q / 8);
        r.FA = g.value(q * l / 2);
        r.FB = g.value(q * l / 2);
        r.fmax = g.divide(g.value(std::pow(l, 4) * q * kUniformMidspanNum), Ix * kUniformMidspanE);
    } else {
        return std::nullopt; // nothing to compute: no span
    }

    r.sigmax = g.value(g.divide(r.Mb, Wx) * 1000);
    r.sicvorh = g.divide(kReferenceStrength, r.sigmax);

    if (!g.ok) {
        return std::nullopt;
    }
    return out;
}

} // namespace ipb
