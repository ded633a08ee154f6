#include "section_table.h"

namespace ipb {

// Ix, Wx and the self weight as tabulated for IPB / HE-B. The analysis uses whole numbers: the
// self weight (and the one fractional Wx, size 100: 89.9) rounded to the nearest integer, while
// the captions keep the tabulated decimals. Size 450 carries Ix = 79890 cm^4, the published value
// that agrees with its Wx = 2 Ix / h = 3550 cm^3.
// The shape: depth, width, web and flange thickness, root radius (mm), then Iz, It (cm^4) and the
// first moment of half the section Sx (cm^3), as DIN 1025-2 / EN 10365 tabulate them.
// clang-format off
const std::array<BeamSection, 12> kSectionTable{{
    {"100", "  100", {450, 90, 200}, " Ix=450 cm^4 ", " Wx=89.9 cm^3 ", " q0=200,124 N/m ", "89,9", "200,124", {100, 100, 6, 10, 12, 167.3, 9.25, 52.1}},
    {"120", "  120", {864, 144, 262}, " Ix=864 cm^4 ", " Wx=144 cm^3 ", " q0=261,927 N/m ", "144", "261,927", {120, 120, 6.5, 11, 12, 317.5, 13.84, 82.6}},
    {"160", "  160", {2490, 311, 418}, " Ix=2490 cm^4 ", " Wx=311 cm^3 ", " q0=417,906N/m ", "311", "417,906", {160, 160, 8, 13, 15, 889.2, 31.24, 177}},
    {"200", "  200", {5700, 570, 601}, " Ix=5700 cm^4 ", " Wx=570 cm^3 ", " q0=601,353 N/m ", "570", "601,353", {200, 200, 9, 15, 18, 2003, 59.28, 321.3}},
    {"240", "  240", {11260, 938, 816}, " Ix=11260 cm^4 ", " Wx=938 cm^3 ", " q0=816,192 N/m ", "938", "816,192", {240, 240, 10, 17, 21, 3923, 102.7, 526.5}},
    {"280", "  280", {19270, 1380, 1010}, " Ix=19270 cm^4 ", " Wx=1380 cm^3 ", " q0=1010,43 N/m ", "1380", "1010,43", {280, 280, 10.5, 18, 24, 6595, 143.7, 767}},
    {"300", "  300", {25170, 1680, 1148}, " Ix=25170 cm^4 ", " Wx=1680 cm^3 ", " q0=1147,77 N/m ", "1680", "1147,77", {300, 300, 11, 19, 27, 8563, 185, 934.5}},
    {"360", "  360", {43190, 2400, 1393}, " Ix=43190 cm^4 ", " Wx=2400 cm^3 ", " q0=1393,02N/m ", "2400", "1393,02", {360, 300, 12.5, 22.5, 27, 10140, 292.5, 1341.5}},
    {"400", "  400", {57680, 2880, 1521}, " Ix=57680 cm^4 ", " Wx=2880 cm^3 ", " q0=1520,55N/m ", "2880", "1520,55", {400, 300, 13.5, 24, 27, 10820, 355.7, 1616}},
    {"450", "  450", {79890, 3550, 1678}, " Ix=79890 cm^4 ", " Wx=3550 cm^3 ", " q0=1677,51 N/m ", "3550", "1677,51", {450, 300, 14, 26, 27, 11720, 440.5, 1991}},
    {"500", "  500", {107200, 4290, 1834}, " Ix=107200 cm^4 ", " Wx=4290 cm^3 ", " q0=1834,47 N/m ", "4290", "1834,47", {500, 300, 14.5, 28, 27, 12620, 538.4, 2407.5}},
    {"600", "  600", {171000, 5700, 2080}, " Ix=171000 cm^4 ", " Wx=5700 cm^3 ", " q0=2079,72 N/m ", "5700", "2079,72", {600, 300, 15.5, 30, 27, 13530, 667.2, 3212.5}},
}};
// clang-format on

const BeamSection* findSection(std::string_view listEntry) {
    for (const BeamSection& row : kSectionTable) {
        if (row.listEntry == listEntry) {
            return &row;
        }
    }
    return nullptr;
}

SectionChoice chooseSection(std::string_view listEntry) {
    const std::string_view size =
        listEntry.size() > 3 ? listEntry.substr(listEntry.size() - 3) : listEntry;
    SectionChoice choice;
    choice.section = findSection(listEntry);
    choice.designationDin = "IPB " + std::string(size) + " DIN 1025";
    choice.designationEuro = "HE " + std::string(size) + " B (EuroN)";
    return choice;
}

} // namespace ipb
