#pragma once

#include "beam_values.h"
#include "input_reading.h"

namespace ipb {

// The rules of the input window that need no window: what its values forget when it is loaded
// and when the engineer goes back, which boxes a load case shows and when "Berechnen" can be
// pressed. The window and the fuzz target of the whole calculation both follow them.

// A freshly loaded input window: no support forces and no computed load case are carried in.
void resetOnLoad(CalculationValues& values);

// Back to the choice of load case: the loads and distances go too, so a uniform-load
// calculation after a point-load one cannot find old distances and take the point-load path.
void resetOnBack(CalculationValues& values);

// Marks the boxes the load case shows: +q and the safety always, F, la and lb with a point
// load, the span l without one.
void showLoadCaseBoxes(InputTexts& texts, bool pointLoad);

// Whether every box the shown load case needs holds some text: F, la, lb and the safety with a
// point load (F shown), otherwise +q, l and the safety.
bool requiredBoxesFilled(const InputTexts& texts);

} // namespace ipb
