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

// The value labels of the results window, row by row.
inline const char* const kValueLabels[] = {
    "LabErgFa",     "LabErgFb",     "LabErgqxl",     "LabErgL",    "LabErgMb",
    "LabErgSigmax", "LabErgSigzul", "LabErgSicVorh", "LabErgMaxf", "LabErgZulf"};
