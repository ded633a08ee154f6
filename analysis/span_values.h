#pragma once

#include <vector>

namespace ipb {

// What the statics find along the span, as plain values that the record and the windows read.

struct Maximum {
    double x = 0;     // place from support A, m
    double value = 0; // kNm or mm
};

// The beam's true maxima, found along the span rather than by the program's simplifications.
struct ExactMaxima {
    Maximum moment;     // kNm
    double stress = 0;  // N/mm², at the moment's place
    Maximum deflection; // mm
};

// The three lines along the span as a record draws them: evenly spaced places plus both sides
// of the point load, so that the kink of the moment and the step of the shear stay sharp.
struct SpanPoint {
    double x = 0;          // m from A
    double shear = 0;      // kN
    double moment = 0;     // kNm
    double deflection = 0; // mm
};
struct SpanLines {
    double l = 0;  // span, m
    double la = 0; // place of the point load, m
    bool pointLoad = false;
    std::vector<SpanPoint> points; // x increasing
    // Under the point load the shear steps: its values just left and just right of it.
    double shearLeftOfLoad = 0;
    double shearRightOfLoad = 0;
};

} // namespace ipb
