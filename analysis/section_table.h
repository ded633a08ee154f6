#pragma once

#include "beam_values.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ipb {

// The shape of a rolled I section as the tables give it, for the checks beyond bending: shear in
// the web, stresses where web meets flange, and lateral-torsional buckling.
struct SectionDimensions {
    double h = 0;  // depth, mm
    double b = 0;  // flange width, mm
    double tw = 0; // web thickness, mm
    double tf = 0; // flange thickness, mm
    double r = 0;  // root radius between web and flange, mm
    double Iz = 0; // second moment of area about the weak axis, cm^4
    double It = 0; // torsion constant, cm^4
    double Sx = 0; // first moment of half the section about the strong axis, cm^3
};

// Warping constant, cm^6: the two flanges bending sideways in opposite senses, each carrying
// half of Iz at half the distance between the flange centres.
inline double warpingConstant(const SectionDimensions& d) {
    const double flangeCentres = (d.h - d.tf) / 10; // cm
    return d.Iz * flangeCentres * flangeCentres / 4;
}

// One rolled wide-flange section, IPB of DIN 1025 (HE-B in the Euronorm series).
struct BeamSection {
    std::string_view Size;      // nominal size, "100" to "600"
    std::string_view listEntry; // two blanks and the size: the text of the section list
    SectionValues values;       // whole numbers the analysis works with
    std::string_view IxText;    // captions exactly as the section data labels show them
    std::string_view WxText;
    std::string_view q0Text;
    // The tabulated Wx and self weight in German notation for the record ("89,9", "417,906");
    // Ix is a whole number in both.
    std::string_view WxTabulated;
    std::string_view q0Tabulated;
    SectionDimensions dimensions;
};

// The twelve sizes in list order.
extern const std::array<BeamSection, 12> kSectionTable;

// The section whose list entry equals the text exactly (blanks and case included).
const BeamSection* findSection(std::string_view listEntry);

// What choosing a list entry shows: the section (when the entry is one of ours) and the two
// designations, which are formed from the entry's last three characters whatever it holds.
struct SectionChoice {
    const BeamSection* section = nullptr;
    std::string designationDin;  // "IPB 200 DIN 1025"
    std::string designationEuro; // "HE 200 B (EuroN)"
};

SectionChoice chooseSection(std::string_view listEntry);

// Index of the entry that a freshly loaded input window selects ("  200").
inline constexpr int kDefaultSectionIndex = 3;

} // namespace ipb
