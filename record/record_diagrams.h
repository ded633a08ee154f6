#pragma once

#include "beam_lines.h"

#include <QRectF>

class QPainter;

namespace ipb {

// The shear force, the bending moment and the deflection line, one under the other in the area
// over the same span scale, as vector graphics: the supports and the point load marked, the
// values at the supports, under the point load and at the maxima written beside the curves.
// The moment is drawn on the tension side and the deflection downwards, as engineers draw them.
// `mm` is the number of device pixels in a millimetre.
void paintBeamDiagrams(QPainter& painter, const QRectF& area, const BeamModel& beam, double mm);

} // namespace ipb
