#pragma once

#include "input_reading.h"

#include <array>
#include <string_view>

namespace ipb {

// The program's own XMP namespace, fixed once: a record written with it must open in every
// later version, so neither the name nor the element names below may ever change.
inline constexpr std::string_view kPacketNamespace = "urn:ipbtraeger:check:1";
inline constexpr std::string_view kPacketPrefix = "ipb";

inline constexpr std::string_view kLoadCaseName = "LoadCase";
inline constexpr std::string_view kSectionName = "Section";
inline constexpr std::string_view kLimitName = "DeflectionLimit";
inline constexpr std::string_view kTimeName = "CalculatedAt";
// The input boxes by the names of the window's boxes, in the order of InputField.
inline constexpr std::array<std::string_view, kInputFieldCount> kBoxNames = {
    "TextInput_F",  "TextInput_plusq", "TextInput_la",
    "TextInput_lb", "TextInput_l",     "TextInput_nue"};
// The design data, written only where they differ from the defaults (S235, not held, loads on
// the top flange, no permanent parts, no bearing lengths), which is also what a packet from
// before them means.
inline constexpr std::string_view kSteelGradeName = "SteelGrade";
inline constexpr std::string_view kTopFlangeHeldName = "TopFlangeHeld";
inline constexpr std::string_view kLoadHeightName = "LoadHeight";
inline constexpr std::string_view kPermanentUniformName = "PermanentUniform";
inline constexpr std::string_view kPermanentPointName = "PermanentPoint";
inline constexpr std::string_view kBearingLengthAName = "BearingLengthA";
inline constexpr std::string_view kBearingLengthBName = "BearingLengthB";
inline constexpr std::string_view kBearingLengthFName = "BearingLengthF";
// The position fields, each written only when it is not empty.
inline constexpr std::string_view kBauvorhabenName = "Bauvorhaben";
inline constexpr std::string_view kPositionName = "Position";
inline constexpr std::string_view kBauteilName = "Bauteil";
inline constexpr std::string_view kBearbeiterName = "Bearbeiter";

} // namespace ipb
