#include "check_list.h"

#include "number_text.h"

namespace ipb {

CheckResults runChecks(const CheckContext& context) {
    CheckResults results;
    results.reserve(kChecks.size());
    for (const CheckFunction check : kChecks) {
        results.push_back(check(context));
    }
    return results;
}

namespace {

CheckGroupText furtherGroup(const CheckContext& c) {
    const BeamSection& section = c.section;
    const SectionDimensions& d = section.dimensions;
    return {
        CheckGroup::Further,
        "Weitere Nachweise",
        {"Profilwerte IPB " + std::string(section.Size) + ": h " + germanNumber(d.h) + " mm, b " +
         germanNumber(d.b) + " mm, tw " + germanNumber(d.tw) + " mm, tf " + germanNumber(d.tf) +
         " mm, Iz " + germanNumber(d.Iz) + " cm⁴, It " + germanNumber(d.It) + " cm⁴, Sx " +
         germanNumber(d.Sx) + " cm³ (statisches Moment des halben Querschnitts); Schubmodul G " +
         germanNumber(kShearModulus) + " kN/cm²."},
        {"Kippen: Gabellagerung an beiden Auflagern, Obergurt zwischen den Auflagern nicht "
         "seitlich gehalten, Lasten am Obergurt. Ist der Obergurt seitlich gehalten (z. B. durch "
         "eine Decke), entfällt dieser Nachweis.",
         "Nicht untersucht: Lasteinleitung an den Auflagern und unter der Punktlast "
         "(Stegpressung, Stegkrüppeln)."},
        "Weitere Nachweise nicht erfüllt: ",
        "Die weiteren Nachweise lassen sich mit diesen Werten nicht berechnen.",
    };
}

} // namespace

std::vector<CheckGroupText> recordGroups(const CheckContext& context) {
    return {furtherGroup(context)};
}

} // namespace ipb
