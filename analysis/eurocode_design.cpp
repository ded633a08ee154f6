#include "eurocode_design.h"

#include "worksheet.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ipb {
namespace {

// The class of a compression part whose c/t stays within the first, second or third limit;
// above the third it is class 4.
int partClass(double ratio, double epsilon, double first, double second, double third) {
    if (ratio <= first * epsilon) {
        return 1;
    }
    if (ratio <= second * epsilon) {
        return 2;
    }
    return ratio <= third * epsilon ? 3 : 4;
}

} // namespace

DesignBasis designBasis(const SectionDimensions& d, std::int32_t sectionWeight, const BeamInput& in,
                        const BeamModel& beam, const DesignData& design) {
    const bool point = hasPointLoad(in);
    DesignBasis b;
    Worksheet w(b.steps);
    b.fy = yieldStrength(design.grade);
    // A permanent part cannot exceed its load. Where +q or F was lowered below it afterwards,
    // the load is taken as wholly variable: γQ on all of it is the safe side, and the record
    // says so.
    b.gkCapped = design.permanentUniform > in.plusq;
    b.gk = b.gkCapped ? 0 : design.permanentUniform;
    b.GkCapped = point && design.permanentPoint > in.F;
    b.Gk = point && !b.GkCapped ? design.permanentPoint : 0;

    const double q0 = sectionWeight;
    b.g0 = w.step("g0", "{q0}/1000", "kN/m", q0 / 1000, [&] { return Operands{{{"q0", q0}}}; });
    // Both variable parts take γQ in full: with a combination factor ψ0 below 1 on one of them
    // the design loads could only be smaller.
    b.qEd = w.step("q,Ed", "{γG}·({g0} + {g,k}) + {γQ}·({+q} − {g,k})", "kN/m",
                   kGammaG * (b.g0 + b.gk) + kGammaQ * (in.plusq - b.gk), [&] {
                       return Operands{{{"γG", kGammaG},
                                        {"g0", b.g0},
                                        {"g,k", b.gk},
                                        {"γQ", kGammaQ},
                                        {"+q", in.plusq, OperandKind::Typed}}};
                   });
    if (point) {
        b.FEd = w.step("F,Ed", "{γG}·{G,k} + {γQ}·({F} − {G,k})", "kN",
                       kGammaG * b.Gk + kGammaQ * (in.F - b.Gk), [&] {
                           return Operands{{{"γG", kGammaG},
                                            {"G,k", b.Gk},
                                            {"γQ", kGammaQ},
                                            {"F", in.F, OperandKind::Typed}}};
                       });
    }
    b.beam = beam;
    b.beam.q = b.qEd;
    b.beam.F = b.FEd;
    const double l = beam.l, la = beam.la, lb = beam.lb;
    const auto supportOperands = [&] {
        return Operands{{{"q,Ed", b.qEd}, {"l", l}, {"F,Ed", b.FEd}, {"la", la}, {"lb", lb}}};
    };
    if (point) {
        b.AEd = w.step("A,Ed", "{q,Ed}·{l}/2 + {F,Ed}·{lb}/{l}", "kN",
                       b.qEd * l / 2 + b.FEd * lb / l, supportOperands);
        b.BEd = w.step("B,Ed", "{q,Ed}·{l}/2 + {F,Ed}·{la}/{l}", "kN",
                       b.qEd * l / 2 + b.FEd * la / l, supportOperands);
    } else {
        b.AEd = w.step("A,Ed = B,Ed", "{q,Ed}·{l}/2", "kN", b.qEd * l / 2, supportOperands);
        b.BEd = b.AEd;
    }

    b.epsilon = w.step("ε", "√(235/{fy})", "", std::sqrt(235 / b.fy), [&] {
        return Operands{{{"fy", b.fy}}};
    });
    const double pi = std::numbers::pi;
    b.A =
        w.step("A", "(2·{b}·{tf} + ({h} − 2·{tf})·{tw} + (4 − {π})·{r}²)/100", "cm²",
               (2 * d.b * d.tf + (d.h - 2 * d.tf) * d.tw + (4 - pi) * d.r * d.r) / 100, [&] {
                   return Operands{
                       {{"b", d.b}, {"tf", d.tf}, {"h", d.h}, {"tw", d.tw}, {"π", pi}, {"r", d.r}}};
               });
    b.hw = w.step("h,w", "{h} − 2·{tf}", "mm", d.h - 2 * d.tf, [&] {
        return Operands{{{"h", d.h}, {"tf", d.tf}}};
    });
    b.Av = w.step(
        "A,v", "max({A} − (2·{b}·{tf} − ({tw} + 2·{r})·{tf})/100, {η}·{h,w}·{tw}/100)", "cm²",
        std::max(b.A - (2 * d.b * d.tf - (d.tw + 2 * d.r) * d.tf) / 100, kEta * b.hw * d.tw / 100),
        [&] {
            return Operands{{{"A", b.A},
                             {"b", d.b},
                             {"tf", d.tf},
                             {"tw", d.tw},
                             {"r", d.r},
                             {"η", kEta},
                             {"h,w", b.hw}}};
        });
    b.Aw = w.step("A,w", "{h,w}·{tw}/100", "cm²", b.hw * d.tw / 100, [&] {
        return Operands{{{"h,w", b.hw}, {"tw", d.tw}}};
    });
    b.Wpl = w.step("W,pl", "2·{Sx}", "cm³", 2 * d.Sx, [&] { return Operands{{{"Sx", d.Sx}}}; });
    b.flangeRatio = w.step(
        "c/t (Flansch)", "({b} − {tw} − 2·{r})/2/{tf}", "", (d.b - d.tw - 2 * d.r) / 2 / d.tf, [&] {
            return Operands{{{"b", d.b}, {"tw", d.tw}, {"r", d.r}, {"tf", d.tf}}};
        });
    b.webRatio = w.step("c/t (Steg)", "({h} − 2·{tf} − 2·{r})/{tw}", "",
                        (d.h - 2 * d.tf - 2 * d.r) / d.tw, [&] {
                            return Operands{{{"h", d.h}, {"tf", d.tf}, {"r", d.r}, {"tw", d.tw}}};
                        });
    b.sectionClass = std::max(partClass(b.flangeRatio, b.epsilon, 9, 10, 14),
                              partClass(b.webRatio, b.epsilon, 72, 83, 124));

    // The resistances several checks compare with, each worked out once with its line.
    WorkedSteps resistances;
    Worksheet r(resistances);
    b.McRd.value =
        r.step("M,c,Rd", "{W,pl}·{fy}/({γM0}·1000)", "kNm", b.Wpl * b.fy / (kGammaM0 * 1000), [&] {
            return Operands{{{"W,pl", b.Wpl}, {"fy", b.fy}, {"γM0", kGammaM0}}};
        });
    b.VplRd.value = r.step("V,pl,Rd", "{A,v}·100·{fy}/(√3·{γM0})/1000", "kN",
                           b.Av * 100 * b.fy / (std::sqrt(3.0) * kGammaM0) / 1000, [&] {
                               return Operands{{{"A,v", b.Av}, {"fy", b.fy}, {"γM0", kGammaM0}}};
                           });
    b.McRd.step = resistances[0];
    b.VplRd.step = resistances[1];
    b.moment = maximumMoment(b.beam);
    b.places = spanPlaces(b.beam, point);
    return b;
}

BucklingReduction lateralTorsionalReduction(double lambdaLT, double alpha) {
    constexpr double lambda0 = kLambdaLT0, beta = kBetaLT;
    const double lam = lambdaLT;
    const double phi = 0.5 * (1 + alpha * (lam - lambda0) + beta * lam * lam);
    const double chi =
        std::min({1.0, 1 / (lam * lam), 1 / (phi + std::sqrt(phi * phi - beta * lam * lam))});
    return {phi, chi};
}

WebBearing webBearing(const SectionDimensions& d, double fy, double ss, BearingType type,
                      double c) {
    const double E = kElasticModulusMpa;
    WebBearing r;
    const double hw = d.h - 2 * d.tf, tw = d.tw, tf = d.tf;
    r.ss = std::min(ss, hw);
    r.c = type == BearingType::NearEnd ? c : 0;
    r.m1 = d.b / tw;
    const bool nearEnd = type == BearingType::NearEnd;
    r.kF = nearEnd ? std::min(6.0, 2 + 6 * (r.ss + r.c) / hw) : 6.0;
    r.Fcr = 0.9 * r.kF * E * tw * tw * tw / hw / 1000;
    if (nearEnd) {
        r.le = std::min(r.kF * E * tw * tw / (2 * fy * hw), r.ss + r.c);
    }
    const auto effectiveLength = [&](double m2) {
        if (!nearEnd) {
            return r.ss + 2 * tf * (1 + std::sqrt(r.m1 + m2));
        }
        return std::min(r.le + tf * std::sqrt(r.m1 / 2 + (r.le / tf) * (r.le / tf) + m2),
                        r.le + tf * std::sqrt(r.m1 + m2));
    };
    const auto slenderness = [&](double ly) { return std::sqrt(ly * tw * fy / (r.Fcr * 1000)); };
    r.ly0 = effectiveLength(0);
    r.lambdaF0 = slenderness(r.ly0);
    r.ly = r.ly0;
    r.lambdaF = r.lambdaF0;
    if (r.lambdaF0 > 0.5) {
        r.secondPass = true;
        r.m2 = 0.02 * (hw / tf) * (hw / tf);
        r.ly = effectiveLength(r.m2);
        r.lambdaF = slenderness(r.ly);
    }
    r.chiF = std::min(1.0, 0.5 / r.lambdaF);
    r.FRd = fy * r.chiF * r.ly * tw / (kGammaM1 * 1000);
    return r;
}

PointLoadBearing pointLoadBearing(const SectionDimensions& d, const DesignBasis& b, double ss,
                                  double la, double lb) {
    PointLoadBearing r;
    r.ss = std::min(ss, b.hw);
    r.c = std::max(0.0, std::min(la, lb) * 1000 - r.ss / 2);
    r.awayFromEnd = webBearing(d, b.fy, r.ss, BearingType::AwayFromEnd);
    r.nearEnd = webBearing(d, b.fy, r.ss, BearingType::NearEnd, r.c);
    r.FRd = std::min(r.awayFromEnd.FRd, r.nearEnd.FRd);
    return r;
}

} // namespace ipb

namespace ipb {

std::string_view designMomentFormula(bool pointLoad, bool rightOfLoad) {
    return !pointLoad    ? "{q,Ed}·{x}·({l} − {x})/2"
           : rightOfLoad ? "{q,Ed}·{x}·({l} − {x})/2 + {F,Ed}·{la}·({l} − {x})/{l}"
                         : "{q,Ed}·{x}·({l} − {x})/2 + {F,Ed}·{lb}·{x}/{l}";
}

std::string_view designShearFormula(bool pointLoad, bool rightOfLoad, bool negative) {
    if (!pointLoad) {
        return negative ? "{q,Ed}·({x} − {l}/2)" : "{q,Ed}·({l}/2 − {x})";
    }
    if (rightOfLoad) {
        return negative ? "{q,Ed}·({x} − {l}/2) + {F,Ed}·{la}/{l}"
                        : "{q,Ed}·({l}/2 − {x}) − {F,Ed}·{la}/{l}";
    }
    return negative ? "{q,Ed}·({x} − {l}/2) − {F,Ed}·{lb}/{l}"
                    : "{q,Ed}·({l}/2 − {x}) + {F,Ed}·{lb}/{l}";
}

Operands designLineOperands(const DesignBasis& b, double x) {
    return Operands{{{"q,Ed", b.qEd},
                     {"x", x},
                     {"l", b.beam.l},
                     {"F,Ed", b.FEd},
                     {"la", b.beam.la},
                     {"lb", b.beam.lb}}};
}

} // namespace ipb
