#include "check_list.h"

#include "check_basis.h"
#include "check_verdict.h"
#include "critical_moment.h"
#include "number_text.h"

namespace ipb {

CheckResults runChecks(const CheckContext& context) {
    CheckResults results;
    results.reserve(kChecks.size());
    for (const CheckFunction check : kChecks) {
        CheckResult result = check(context);
        if (!result.id.empty()) {
            results.push_back(std::move(result));
        }
    }
    return results;
}

namespace {

CheckGroupText furtherGroup(const CheckContext& c) {
    const BeamSection& section = c.section;
    const SectionDimensions& d = section.dimensions;
    CheckGroupText group;
    group.group = CheckGroup::Further;
    group.heading = std::string(groupName(CheckGroup::Further));
    group.preamble = {"Profilwerte IPB " + std::string(section.Size) + ": h " + germanNumber(d.h) +
                      " mm, b " + germanNumber(d.b) + " mm, tw " + germanNumber(d.tw) + " mm, tf " +
                      germanNumber(d.tf) + " mm, Iz " + germanNumber(d.Iz) + " cm⁴, It " +
                      germanNumber(d.It) + " cm⁴, Sx " + germanNumber(d.Sx) +
                      " cm³ (statisches Moment des halben Querschnitts); Schubmodul G " +
                      germanNumber(kShearModulus) + " kN/cm²."};
    // What the lateral-torsional buckling check assumed, or why it had nothing to find.
    const std::string buckling =
        c.design.topFlangeHeld
            ? "Kippen: entfällt, der Obergurt ist zwischen den Auflagern seitlich gehalten (z. B. "
              "durch eine Decke)."
            : "Kippen: Gabellagerung an beiden Auflagern, Obergurt zwischen den Auflagern nicht "
              "seitlich gehalten, Lasten " +
                  std::string(loadHeightWords(c.design.loadHeight).place) +
                  ". Ist der Obergurt seitlich gehalten (z. B. durch eine Decke), entfällt dieser "
                  "Nachweis.";
    group.closing = {buckling, "Lasteinleitung: siehe Nachweise nach DIN EN 1993-1-1."};
    group.failedPrefix = group.heading + " nicht erfüllt: ";
    group.uncomputable = "Die weiteren Nachweise lassen sich mit diesen Werten nicht berechnen.";
    return group;
}

// The design basis to DIN EN 1993-1-1: the standard, the steel, the partial factors, the loads
// split by action and factored, the section class; then what the checks leave out.
CheckGroupText eurocodeGroup(const CheckContext& c) {
    const DesignBasis& b = c.basis.design;
    const BeamInput& in = c.values.input;
    const bool point = hasPointLoad(in);
    const std::string grade = gradeName(c.design.grade);
    const std::string eps = germanNumber(b.epsilon);
    const auto limit = [&](int factor) {
        return std::to_string(factor) + "·ε = " + germanNumber(factor * b.epsilon);
    };
    std::string loads = "Einwirkungen: ständig g0 = " + germanNumber(b.g0) +
                        " kN/m (Eigengewicht) und g,k = " + germanNumber(b.gk) +
                        " kN/m, veränderlich +q − g,k = " + germanNumber(in.plusq - b.gk) + " kN/m";
    if (point) {
        loads += "; Punktlast ständig G,k = " + germanNumber(b.Gk) +
                 " kN, veränderlich F − G,k = " + germanNumber(in.F - b.Gk) + " kN";
    }
    loads += ". Bemessungslasten q,Ed = " + germanNumber(b.qEd) + " kN/m" +
             (point ? ", F,Ed = " + germanNumber(b.FEd) + " kN" : std::string()) +
             (point ? ". Beide veränderlichen Anteile" : ". Der veränderliche Anteil") +
             " mit γQ ohne Kombinationsbeiwert ψ0 (auf der "
             "sicheren Seite).";
    std::vector<std::string> notes;
    if (b.gkCapped) {
        notes.push_back("g,k = " + germanNumber(c.design.permanentUniform) +
                        " kN/m ist größer als +q = " + germanNumber(in.plusq) +
                        " kN/m: +q ganz veränderlich angesetzt (sichere Seite).");
    }
    if (b.GkCapped) {
        notes.push_back("G,k = " + germanNumber(c.design.permanentPoint) +
                        " kN ist größer als F = " + germanNumber(in.F) +
                        " kN: F ganz veränderlich angesetzt (sichere Seite).");
    }
    for (const std::string& note : notes) {
        loads += " " + note;
    }
    const std::string sectionClass =
        "Querschnittsklasse " + std::to_string(b.sectionClass) +
        " (Tabelle 5.2, Biegung), ε = " + eps + ": Flansch c/t = " + germanNumber(b.flangeRatio) +
        " (Grenzen " + limit(9) + ", " + limit(10) + ", " + limit(14) +
        "), Steg c/t = " + germanNumber(b.webRatio) + " (Grenzen " + limit(72) + ", " + limit(83) +
        ", " + limit(124) + ")" + (b.sectionClass == 1 ? ": plastische Widerstände." : ".");

    // Characteristic support forces per action, to pass the loads on: the permanent ones with
    // the self weight, the variable ones with the rest.
    const BeamModel& beam = c.basis.beam;
    const double l = beam.l;
    const double gPart = b.g0 + b.gk, qPart = in.plusq - b.gk;
    const double GPart = b.Gk, QPart = point ? in.F - b.Gk : 0;
    const double AG = gPart * l / 2 + GPart * beam.lb / l, AQ = qPart * l / 2 + QPart * beam.lb / l;
    const double BG = gPart * l / 2 + GPart * beam.la / l, BQ = qPart * l / 2 + QPart * beam.la / l;
    const auto force = [](double v) { return germanFixed(v, 2) + " kN"; };

    CheckGroupText group;
    group.group = CheckGroup::Eurocode;
    group.heading = "Nachweise nach DIN EN 1993-1-1";
    group.method = "Nachweise nach DIN EN 1993-1-1 mit deutschem Nationalen Anhang "
                   "(DIN EN 1993-1-1/NA) auf eigener Seite, Stahlsorte " +
                   grade + " mit fy = " + germanNumber(b.fy) +
                   " N/mm², gewählt unter „Bemessung…“. Annahmen: Gabellagerung an beiden "
                   "Auflagern, Lasten " +
                   std::string(loadHeightWords(c.design.loadHeight).place) +
                   ", kein Kombinationsbeiwert ψ0 (sichere Seite). Nicht untersucht: die Auflager "
                   "und Anschlüsse selbst, Ermüdung, Brandschutz.";
    group.preamble = {
        "Bemessung nach DIN EN 1993-1-1 mit dem deutschen Nationalen Anhang (DIN EN "
        "1993-1-1/NA), Lasteinleitung nach DIN EN 1993-1-5, Einwirkungskombination nach DIN EN "
        "1990/NA.",
        "Stahlsorte " + grade +
            " (gewählt unter „Bemessung…“; die Angabe „St 37 (S355J0)“ des "
            "Startfensters gilt hier nicht): fy = " +
            germanNumber(b.fy) + " N/mm² (t ≤ 40 mm), E = 210000 N/mm², G = 81000 N/mm².",
        "γM0 = 1,00, γM1 = 1,10, γG = 1,35, γQ = 1,50",
        loads,
        sectionClass,
    };
    group.notes = std::move(notes);
    group.basisTitle = "Bemessungslasten und Querschnittswerte";
    group.basis = b.steps;
    group.closing = {
        "Charakteristische Auflagerkräfte je Einwirkung: A,G,k = " + force(AG) +
            ", A,Q,k = " + force(AQ) + ", B,G,k = " + force(BG) + ", B,Q,k = " + force(BQ) + ".",
        "Biegedrillknicken ohne Modifikation von χ,LT durch f (auf der sicheren Seite).",
        "Die Lasteinleitung nach DIN EN 1993-1-5, Abschnitt 6 und ihre Interaktion mit dem "
        "Moment (7.2) setzen einen seitlich gehaltenen Druckgurt voraus. Nicht untersucht: die "
        "Auflager und Anschlüsse selbst; Ermüdung; Brandschutz (DIN EN 1993-1-2).",
    };
    group.failedPrefix = "DIN EN 1993-1-1 nicht erfüllt: ";
    group.uncomputable = "Die Nachweise nach DIN EN 1993-1-1 lassen sich mit diesen Werten nicht "
                         "berechnen.";
    group.passedLine = "DIN EN 1993-1-1: alle Nachweise erfüllt";
    group.copyBefore = {{"Stahlsorte", grade, ""}};
    group.copyVerdict = "DIN EN 1993-1-1";
    return group;
}

} // namespace

std::vector<CheckGroupText> recordGroups(const CheckContext& context) {
    return {furtherGroup(context), eurocodeGroup(context)};
}

} // namespace ipb
