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
// The design data, written only where they differ from the defaults (S235, not held, no
// permanent parts, no bearing lengths), which is also what a packet from before them means:
// grade, top flange held, permanent part of +q and of F, bearing lengths at A, at B, under F.
inline constexpr std::array<std::string_view, 7> kDesignNames = {
    "SteelGrade",     "TopFlangeHeld",  "PermanentUniform", "PermanentPoint",
    "BearingLengthA", "BearingLengthB", "BearingLengthF"};
// Bauvorhaben, Position, Bauteil, Bearbeiter.
inline constexpr std::array<std::string_view, 4> kPositionNames = {"Bauvorhaben", "Position",
                                                                   "Bauteil", "Bearbeiter"};

} // namespace ipb
