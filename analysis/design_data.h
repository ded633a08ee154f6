#pragma once

#include <optional>

namespace ipb {

// The steel grades a rolled IPB comes in for the design to DIN EN 1993-1-1.
enum class SteelGrade { S235, S275, S355 };

inline constexpr SteelGrade kSteelGrades[] = {SteelGrade::S235, SteelGrade::S275, SteelGrade::S355};

// The yield strength fy in N/mm² for thicknesses up to 40 mm (Table 3.1): every flange of
// IPB 100 to 600 is thinner, so one value per grade serves every size.
inline constexpr double yieldStrength(SteelGrade grade) {
    switch (grade) {
    case SteelGrade::S275:
        return 275;
    case SteelGrade::S355:
        return 355;
    case SteelGrade::S235:
        break;
    }
    return 235;
}

inline constexpr const char* gradeName(SteelGrade grade) {
    switch (grade) {
    case SteelGrade::S275:
        return "S275";
    case SteelGrade::S355:
        return "S355";
    case SteelGrade::S235:
        break;
    }
    return "S235";
}

// Where the loads act across the depth, for lateral-torsional buckling: on the top flange they
// swing sideways with the twist and drive it, at the centre they do neither, hung from the bottom
// flange they pull the section back. The list's order is that of the dialog's items.
enum class LoadHeight { TopFlange, Centre, BottomFlange };

inline constexpr LoadHeight kLoadHeights[] = {LoadHeight::TopFlange, LoadHeight::Centre,
                                              LoadHeight::BottomFlange};

inline constexpr const char* loadHeightName(LoadHeight at) {
    switch (at) {
    case LoadHeight::Centre:
        return "Schwerpunkt";
    case LoadHeight::BottomFlange:
        return "Untergurt";
    case LoadHeight::TopFlange:
        break;
    }
    return "Obergurt";
}

// The ranges the design data are taken from: the permanent parts of +q (kN/m) and of F (kN),
// and the stiff bearing lengths (mm).
inline constexpr double kPermanentUniformMax = 250;
inline constexpr double kPermanentPointMax = 10000;
inline constexpr double kBearingLengthMax = 1000;

// What the design to the standard needs beyond the four windows' boxes: the grade, how much of
// the loads is permanent (the rest is variable), whether a slab or bracing holds the top flange
// sideways, the bearing lengths of the places where the web's load introduction is to be checked,
// and where the loads act across the depth. An empty bearing length means that place is not
// examined; 0 is a length.
struct DesignData {
    SteelGrade grade = SteelGrade::S235;
    double permanentUniform = 0; // g,k, kN/m, part of +q
    double permanentPoint = 0;   // G,k, kN, part of F
    bool topFlangeHeld = false;
    std::optional<double> bearingA; // s,s at support A, mm
    std::optional<double> bearingB; // at support B
    std::optional<double> bearingF; // under the point load
    LoadHeight loadHeight = LoadHeight::TopFlange;

    bool operator==(const DesignData&) const = default;
};

// Whether every figure lies in its range (NaN lies in none).
inline bool validDesignData(const DesignData& d) {
    const auto within = [](double v, double top) { return v >= 0 && v <= top; };
    const auto bearing = [&](const std::optional<double>& s) {
        return !s || within(*s, kBearingLengthMax);
    };
    const bool gradeKnown =
        d.grade == SteelGrade::S235 || d.grade == SteelGrade::S275 || d.grade == SteelGrade::S355;
    const bool heightKnown = d.loadHeight == LoadHeight::TopFlange ||
                             d.loadHeight == LoadHeight::Centre ||
                             d.loadHeight == LoadHeight::BottomFlange;
    return gradeKnown && heightKnown && within(d.permanentUniform, kPermanentUniformMax) &&
           within(d.permanentPoint, kPermanentPointMax) && bearing(d.bearingA) &&
           bearing(d.bearingB) && bearing(d.bearingF);
}

} // namespace ipb
