#include "check_basis.h"
#include "check_list.h"
#include "check_statement.h"
#include "eurocode_design.h"
#include "number_text.h"
#include "worksheet.h"

#include <algorithm>

namespace ipb {
namespace {

// The symbols of one evaluation of the web's resistance: at a support alone, or the two types
// under the point load side by side. Where the web is slender the effective length and the
// slenderness are worked out first without the flange's share m2 and then with it: the first
// pass is marked "(m2 = 0)", so no two lines of the record give one symbol two values.
struct BearingSymbols {
    std::string_view kF, Fcr, le, ly0, lambdaF0, ly, lambdaF, chiF, FRd;
};
constexpr BearingSymbols kAtSupport{"k,F", "F,cr", "l,e", "l,y (m2 = 0)", "λ,F (m2 = 0)",
                                    "l,y", "λ,F",  "χ,F", "F,Rd"};
constexpr BearingSymbols kTypeA{"k,F,a", "F,cr,a", "l,e,a", "l,y,a (m2 = 0)", "λ,F,a (m2 = 0)",
                                "l,y,a", "λ,F,a",  "χ,F,a", "F,Rd,a"};
constexpr BearingSymbols kTypeC{"k,F,c", "F,cr,c", "l,e,c", "l,y,c (m2 = 0)", "λ,F,c (m2 = 0)",
                                "l,y,c", "λ,F,c",  "χ,F,c", "F,Rd,c"};

// Writes how one resistance is worked out, from s,s and c as already written.
void bearingSteps(Worksheet& w, const WebBearing& r, const SectionDimensions& d,
                  const DesignBasis& b, BearingType type, const BearingSymbols& s) {
    const double E = kElasticModulusMpa;
    const bool nearEnd = type == BearingType::NearEnd;
    if (nearEnd) {
        w.step(s.kF, "min(6, 2 + 6·({s,s} + {c})/{h,w})", "", r.kF, [&] {
            return Operands{{{"s,s", r.ss}, {"c", r.c}, {"h,w", b.hw}}};
        });
    }
    w.step(s.Fcr, "0,9·{k,F}·{E}·{tw}³/{h,w}/1000", "kN", r.Fcr, [&] {
        return Operands{{{"k,F", r.kF}, {"E", E}, {"tw", d.tw}, {"h,w", b.hw}}};
    });
    if (nearEnd) {
        w.step(s.le, "min({k,F}·{E}·{tw}²/(2·{fy}·{h,w}), {s,s} + {c})", "mm", r.le, [&] {
            return Operands{{{"k,F", r.kF},
                             {"E", E},
                             {"tw", d.tw},
                             {"fy", b.fy},
                             {"h,w", b.hw},
                             {"s,s", r.ss},
                             {"c", r.c}}};
        });
    }
    const auto length = [&](double m2, double ly, std::string_view symbol) {
        if (nearEnd) {
            w.step(symbol,
                   "min({l,e} + {tf}·√({m1}/2 + ({l,e}/{tf})² + {m2}), {l,e} + {tf}·√({m1} + "
                   "{m2}))",
                   "mm", ly, [&] {
                       return Operands{{{"l,e", r.le}, {"tf", d.tf}, {"m1", r.m1}, {"m2", m2}}};
                   });
        } else {
            w.step(symbol, "{s,s} + 2·{tf}·(1 + √({m1} + {m2}))", "mm", ly, [&] {
                return Operands{{{"s,s", r.ss}, {"tf", d.tf}, {"m1", r.m1}, {"m2", m2}}};
            });
        }
    };
    const auto slenderness = [&](double ly, double lambda, std::string_view symbol) {
        w.step(symbol, "√({l,y}·{tw}·{fy}/({F,cr}·1000))", "", lambda, [&] {
            return Operands{{{"l,y", ly}, {"tw", d.tw}, {"fy", b.fy}, {"F,cr", r.Fcr}}};
        });
    };
    length(0, r.ly0, r.secondPass ? s.ly0 : s.ly);
    slenderness(r.ly0, r.lambdaF0, r.secondPass ? s.lambdaF0 : s.lambdaF);
    if (r.secondPass) {
        w.step("m2", "0,02·({h,w}/{tf})²", "", r.m2, [&] {
            return Operands{{{"h,w", b.hw}, {"tf", d.tf}}};
        });
        length(r.m2, r.ly, s.ly);
        slenderness(r.ly, r.lambdaF, s.lambdaF);
    }
    w.step(s.chiF, "min(1, 0,5/{λ,F})", "", r.chiF, [&] { return Operands{{{"λ,F", r.lambdaF}}}; });
    w.step(s.FRd, "{fy}·{χ,F}·{l,y}·{tw}/({γM1}·1000)", "kN", r.FRd, [&] {
        return Operands{
            {{"fy", b.fy}, {"χ,F", r.chiF}, {"l,y", r.ly}, {"tw", d.tw}, {"γM1", kGammaM1}}};
    });
}

enum class Place { SupportA, SupportB, PointLoad };

// The load on the web at one place against its resistance to it.
CheckResult webBearingCheck(const CheckContext& c, Place place) {
    const bool point = hasPointLoad(c.values.input);
    if (place == Place::PointLoad && !point) {
        return {}; // no point load: the list leaves this check out
    }
    CheckResult out = place == Place::SupportA
                          ? designCheck("ec3-bearing-a", "Lasteinleitung Auflager A",
                                        "Lasteinleitung am Auflager A (DIN EN 1993-1-5, 6)")
                      : place == Place::SupportB
                          ? designCheck("ec3-bearing-b", "Lasteinleitung Auflager B",
                                        "Lasteinleitung am Auflager B (DIN EN 1993-1-5, 6)")
                          : designCheck("ec3-bearing-f", "Lasteinleitung unter F",
                                        "Lasteinleitung unter der Punktlast (DIN EN 1993-1-5, 6)");
    const std::optional<double> given = place == Place::SupportA   ? c.design.bearingA
                                        : place == Place::SupportB ? c.design.bearingB
                                                                   : c.design.bearingF;
    if (!given) {
        wordDesignCheck(out, CheckState::NotExamined);
        return out;
    }
    const DesignBasis& b = c.basis.design;
    const SectionDimensions& d = c.section.dimensions;
    Guard g;
    Worksheet w(out.steps);

    const double FEd = place == Place::SupportA   ? w.step("F,Ed", "{A,Ed}", "kN", b.AEd,
                                                           [&] {
                                                             return Operands{{{"A,Ed", b.AEd}}};
                                                         })
                       : place == Place::SupportB ? w.step("F,Ed", "{B,Ed}", "kN", b.BEd,
                                                           [&] {
                                                               return Operands{{{"B,Ed", b.BEd}}};
                                                           })
                                                  : b.FEd;
    const double ss = w.step("s,s", "min({s,s,vorh}, {h,w})", "mm", std::min(*given, b.hw), [&] {
        return Operands{{{"s,s,vorh", *given, OperandKind::Typed}, {"h,w", b.hw}}};
    });
    w.step("m1", "{b}/{tw}", "", d.b / d.tw, [&] { return Operands{{{"b", d.b}, {"tw", d.tw}}}; });
    double FRd = 0;
    if (place != Place::PointLoad) {
        out.remark = "Last über den Untergurt am Trägerende (Typ c mit c = 0), unausgesteifter "
                     "Steg; s,s höchstens h,w.";
        const WebBearing r = webBearing(d, b.fy, ss, BearingType::NearEnd, 0);
        bearingSteps(w, r, d, b, BearingType::NearEnd, kAtSupport);
        FRd = r.FRd;
    } else {
        out.remark = "Last über den Obergurt, unausgesteifter Steg; s,s höchstens h,w. Typ a "
                     "(fern vom Trägerende, k,F = 6) und Typ c (nahe einem Auflager, im Abstand "
                     "c vom Trägerende); der kleinere Widerstand gilt.";
        if (!c.design.topFlangeHeld) {
            out.remark += " Voraussetzung nach DIN EN 1993-1-5, 6.1: Druckgurt seitlich "
                          "gehalten; hier nicht gehalten.";
        }
        // Worked out once in the check basis: the interaction with the moment takes the same.
        const BeamModel& beam = c.basis.beam;
        const PointLoadBearing& r = *c.basis.bearingF;
        w.step("c", "max(0, min({la}, {lb})·1000 − {s,s}/2)", "mm", r.c, [&] {
            return Operands{{{"la", beam.la, OperandKind::Typed},
                             {"lb", beam.lb, OperandKind::Typed},
                             {"s,s", ss}}};
        });
        bearingSteps(w, r.awayFromEnd, d, b, BearingType::AwayFromEnd, kTypeA);
        bearingSteps(w, r.nearEnd, d, b, BearingType::NearEnd, kTypeC);
        FRd = w.step("F,Rd", "min({F,Rd,a}, {F,Rd,c})", "kN", r.FRd, [&] {
            return Operands{{{"F,Rd,a", r.awayFromEnd.FRd}, {"F,Rd,c", r.nearEnd.FRd}}};
        });
    }
    g.value(FRd);
    const double utilisation =
        w.step("Ausnutzung", "{F,Ed}/{F,Rd}·100", "%", g.value(g.divide(FEd, FRd) * 100), [&] {
            return Operands{{{"F,Ed", FEd}, {"F,Rd", FRd}}};
        });
    if (!g.ok) {
        return out;
    }
    const Comparison force{"F,Ed", FEd, "F,Rd", FRd, "kN"};
    settleCheck(out, force, utilisation,
                std::string(out.name) + ": " + force.valueText() + ", s,s = " + germanNumber(ss) +
                    " mm, " + force.limitText() + ", Ausnutzung " + percentText(utilisation),
                {"", "nach DIN EN 1993-1-5", "", ""});
    return out;
}

} // namespace

// The web under a concentrated load through a flange (DIN EN 1993-1-5, section 6), at each
// place whose stiff bearing length is given: the two supports and the point load.
CheckResult ec3BearingACheck(const CheckContext& c) {
    return webBearingCheck(c, Place::SupportA);
}
CheckResult ec3BearingBCheck(const CheckContext& c) {
    return webBearingCheck(c, Place::SupportB);
}
CheckResult ec3BearingFCheck(const CheckContext& c) {
    return webBearingCheck(c, Place::PointLoad);
}

} // namespace ipb
