#pragma once

// Calculations the window tests type again and again, and the labels their results go to.

#include <QList>
#include <QPair>
#include <QString>

// Input boxes by name and what to type into them.
using Inputs = QList<QPair<QString, QString>>;

// With the section and deflection limit a fresh input window starts with: 10 kN/m over 6 m
// passes; 30 kN/m over 8 m fails in stress, safety and deflection; 50 kN at 3 m from A and 2 m
// from B on 10 kN/m fails in deflection only.
inline const Inputs kUniformPass{
    {"TextInput_plusq", "10"}, {"TextInput_l", "6"}, {"TextInput_nue", "1,5"}};
inline const Inputs kUniformFail{
    {"TextInput_plusq", "30"}, {"TextInput_l", "8"}, {"TextInput_nue", "1,5"}};
inline const Inputs kPointFail{{"TextInput_F", "50"},
                               {"TextInput_plusq", "10"},
                               {"TextInput_la", "3"},
                               {"TextInput_lb", "2"},
                               {"TextInput_nue", "1,5"}};

// Beams that the four windows pass and other checks fail, each with its section row. IPB 300
// carrying 420 kN 0,60 m from support A on 8 kN/m: shear 107,7 % and combined stress 107,5 % of
// the allowable stress. IPB 360, 30 kN/m over 9 m: lateral-torsional buckling to DIN EN
// 1993-1-1 alone.
inline constexpr int kGirderRow = 6;
inline const Inputs kGirder{{"TextInput_F", "420"},
                            {"TextInput_plusq", "8"},
                            {"TextInput_la", "0,6"},
                            {"TextInput_lb", "5,4"},
                            {"TextInput_nue", "1,5"}};
inline constexpr int kBucklingRow = 7;
inline const Inputs kBucklesToStandard{
    {"TextInput_plusq", "30"}, {"TextInput_l", "9"}, {"TextInput_nue", "1,5"}};

// The value labels of the results window, row by row.
inline const char* const kValueLabels[] = {
    "LabErgFa",     "LabErgFb",     "LabErgqxl",     "LabErgL",    "LabErgMb",
    "LabErgSigmax", "LabErgSigzul", "LabErgSicVorh", "LabErgMaxf", "LabErgZulf"};
