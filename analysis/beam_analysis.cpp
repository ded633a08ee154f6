#include "beam_analysis.h"

#include "worksheet.h"

#include <algorithm>

namespace ipb {

std::optional<BeamAnalysis> analyseBeam(const SectionValues& section, const BeamInput& input,
                                        const BeamResult& previous, WorkedSteps* steps) {
    Guard g;
    Worksheet w(steps);
    BeamAnalysis out{input, previous};
    BeamInput& in = out.input;
    BeamResult& r = out.result;

    const double Ix = section.Ix;
    const double Wx = section.Wx;
    const double E = kElasticModulus;
    const double q = w.step(
        Quantity::Other, "q", "{q0}/1000 + {(+q)}", "kN/m", g.value(totalUniformLoad(section, in)),
        [&] {
            return Operands{{{"q0", double(section.q0)}, {"(+q)", in.plusq, OperandKind::Typed}}};
        });

    const bool pointLoad = hasPointLoad(in);
    if (!pointLoad && in.l == 0) {
        return std::nullopt; // nothing to compute: no span
    }
    const double la = in.la, lb = in.lb, F = in.F;
    // The span is typed for a uniform load and la + lb with a point load.
    const OperandKind spanKind = pointLoad ? OperandKind::Computed : OperandKind::Typed;
    if (pointLoad) {
        r.lastfall = 2;
        const double l = in.l = g.value(lb + la);
        const double l2 = g.value(l * l);
        r.FA = w.step(Quantity::FA, "FA", "{q}·{l}/2 + {F}·{lb}/{l}", "kN",
                      g.value(g.value(q * l / 2) + g.divide(lb * F, l)), [&] {
                          return Operands{{{"q", q},
                                           {"l", l, spanKind},
                                           {"F", F, OperandKind::Typed},
                                           {"lb", lb, OperandKind::Typed}}};
                      });
        r.FB = w.step(Quantity::FB, "FB", "{q}·{l}/2 + {F}·{la}/{l}", "kN",
                      g.value(g.value(q * l / 2) + g.divide(la * F, l)), [&] {
                          return Operands{{{"q", q},
                                           {"l", l, spanKind},
                                           {"F", F, OperandKind::Typed},
                                           {"la", la, OperandKind::Typed}}};
                      });
        r.totalLoad = w.step(
            Quantity::TotalLoad, "q·l", "{q}·({la} + {lb})", "kN", g.value(q * (la + lb)), [&] {
                return Operands{
                    {{"q", q}, {"la", la, OperandKind::Typed}, {"lb", lb, OperandKind::Typed}}};
            });
        w.step(Quantity::Span, "l", "{la} + {lb}", "m", l, [&] {
            return Operands{{{"la", la, OperandKind::Typed}, {"lb", lb, OperandKind::Typed}}};
        });
        // Midspan moment of the uniform load plus the moment under the point load: on the safe
        // side, since the two maxima need not lie at the same place.
        r.Mb = w.step(Quantity::Mb, "Mb", "{q}·{l}²/8 + {F}·{la}·{lb}/{l}", "kNm",
                      g.value(g.value(l2 * q / 8) + g.divide(g.value(la * F * lb), l)), [&] {
                          return Operands{{{"q", q},
                                           {"l", l, spanKind},
                                           {"F", F, OperandKind::Typed},
                                           {"la", la, OperandKind::Typed},
                                           {"lb", lb, OperandKind::Typed}}};
                      });
    } else {
        r.lastfall = 1;
        const double l = in.l;
        const double l2 = g.value(l * l);
        r.FA = w.step(Quantity::FA, "FA", "{q}·{l}/2", "kN", g.value(q * l / 2), [&] {
            return Operands{{{"q", q}, {"l", l, spanKind}}};
        });
        r.FB = w.step(Quantity::FB, "FB", "{q}·{l}/2", "kN", g.value(q * l / 2), [&] {
            return Operands{{{"q", q}, {"l", l, spanKind}}};
        });
        r.totalLoad = w.step(Quantity::TotalLoad, "q·l", "{q}·{l}", "kN", g.value(q * l), [&] {
            return Operands{{{"q", q}, {"l", l, spanKind}}};
        });
        r.Mb = w.step(Quantity::Mb, "Mb", "{q}·{l}²/8", "kNm", g.value(l2 * q / 8), [&] {
            return Operands{{{"q", q}, {"l", l, spanKind}}};
        });
    }
    const double l = in.l;

    r.sigmax = w.step(Quantity::Sigmax, "σ", "{Mb}/{Wx}·1000", "N/mm²",
                      g.value(g.divide(r.Mb, Wx) * 1000), [&] {
                          return Operands{{{"Mb", r.Mb}, {"Wx", Wx}}};
                      });
    const Operand strength{"R", kReferenceStrength, OperandKind::Constant};
    r.sigzul = w.step(
        Quantity::Sigzul, "zul. σ", "{R}/{Mindestsicherheit}", "N/mm²",
        g.divide(kReferenceStrength, static_cast<double>(in.sic)), [&] {
            return Operands{{strength, {"Mindestsicherheit", double(in.sic), OperandKind::Typed}}};
        });
    r.sicvorh = w.step(Quantity::Safety, "vorh. Sicherheit", "{R}/{σ}", "",
                       g.divide(kReferenceStrength, r.sigmax), [&] {
                           return Operands{{strength, {"σ", r.sigmax}}};
                       });

    if (pointLoad) {
        const double l2 = g.value(l * l);
        // Where la and lb differ in their last bits, the halved span can lie between them, and
        // neither test below decides: the shorter distance it is, all the same.
        double xf = std::min(la, lb);
        if (l / 2 < la) {
            xf = lb;
        }
        if (l / 2 < lb) {
            xf = la;
        }
        if (la == lb) {
            xf = la;
        }
        r.xf = w.step(Quantity::Xf, "xf", "min({la}, {lb})", "m", xf, [&] {
            return Operands{{{"la", la, OperandKind::Typed}, {"lb", lb, OperandKind::Typed}}};
        });

        // The maximum deflection of a single point load lies in the longer part, at z from A.
        double z = previous.z;
        if (la >= lb) {
            z = g.root(g.divide(l2 - lb * lb, 3));
        }
        if (la <= lb) {
            z = g.value(l - g.root(g.divide(l2 - la * la, 3)));
        }
        r.z =
            la > lb
                ? w.step(Quantity::Z, "z", "√(({l}² − {lb}²)/3)", "m", z,
                         [&] {
                             return Operands{{{"l", l, spanKind}, {"lb", lb, OperandKind::Typed}}};
                         })
                : w.step(Quantity::Z, "z", "{l} − √(({l}² − {la}²)/3)", "m", z, [&] {
                      return Operands{{{"l", l, spanKind}, {"la", la, OperandKind::Typed}}};
                  });

        // F b (l^2 - b^2)^(3/2) / (9 sqrt(3) E I l), b the shorter distance, in mm.
        const double b = xf;
        const double s = g.root(g.divide(l + b, g.value(3 * (l - b))));
        double fP = g.value(lb * lb * (la * la) * F * kToMillimetres);
        fP = g.divide(fP, g.value(l * Ix * (3 * E)));
        fP = g.divide(g.value(fP * (l + b)), 3 * b);
        fP = w.step(Quantity::Other, "fP",
                    "{F}·{la}²·{lb}²/(3·{E}·{Ix}·{l})·({l} + {xf})/(3·{xf})·√(({l} + {xf})/"
                    "(3·({l} − {xf})))·10⁷",
                    "mm", g.value(fP * s), [&] {
                        return Operands{{{"F", F, OperandKind::Typed},
                                         {"la", la, OperandKind::Typed},
                                         {"lb", lb, OperandKind::Typed},
                                         {"E", E},
                                         {"Ix", Ix},
                                         {"l", l, spanKind},
                                         {"xf", xf}}};
                    });

        // The uniform load's deflection at the same place, added there: the true maximum of
        // the sum lies close by and is not searched.
        const double xi = w.step(Quantity::Other, "ξ", "{z}/{l}", "", g.divide(z, l), [&] {
            return Operands{{{"z", z}, {"l", l, spanKind}}};
        });
        const double shape = g.value(std::pow(xi, 4) + (xi - 2 * std::pow(xi, 3)));
        const double fq = w.step(
            Quantity::Other, "fq", "{q}·{l}⁴/(24·{E}·{Ix})·({ξ} − 2·{ξ}³ + {ξ}⁴)·10⁷", "mm",
            g.value(g.divide(g.value(std::pow(l, 4) * q * kToMillimetres), Ix * (24 * E)) * shape),
            [&] {
                return Operands{{{"q", q}, {"l", l, spanKind}, {"E", E}, {"Ix", Ix}, {"ξ", xi}}};
            });
        r.fmax = w.step(Quantity::Fmax, "f", "{fP} + {fq}", "mm", g.value(fP + fq), [&] {
            return Operands{{{"fP", fP}, {"fq", fq}}};
        });
    } else {
        r.fmax = w.step(
            Quantity::Fmax, "f", "5·{q}·{l}⁴/(384·{E}·{Ix})·10⁷", "mm",
            g.divide(g.value(std::pow(l, 4) * q * (5 * kToMillimetres)), Ix * (384 * E)), [&] {
                return Operands{{{"q", q}, {"l", l, spanKind}, {"E", E}, {"Ix", Ix}}};
            });
    }

    if (l != 0) {
        r.fzul = w.step(Quantity::Fzul, "zul. f", "{l}/{n}·1000", "mm",
                        g.value(g.divide(l, in.fmaxteiler) * 1000), [&] {
                            return Operands{{{"l", l, spanKind},
                                             {"n", double(in.fmaxteiler), OperandKind::Constant}}};
                        });
    }

    if (!g.ok) {
        return std::nullopt;
    }
    return out;
}

} // namespace ipb
