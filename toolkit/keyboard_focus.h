#pragma once

#include <vector>

class QWidget;

namespace ipb {

// The controls of a window in the order of their design tab index.
std::vector<QWidget*> designTabOrder(QWidget* form);

// What holds the keyboard focus each time a window is shown.
enum class FirstFocus {
    FirstControl, // the first control of the focus chain that can take it
    Window,       // no control, until the user presses Tab
};

// The keyboard side of a window: its focus chain in this order, and the focus on every show.
void setUpKeyboard(QWidget* window, const std::vector<QWidget*>& order, FirstFocus first);

// Makes the keyboard focus visit the window's focusable controls in this order, starting from
// the window itself.
void applyTabOrder(QWidget* window, const std::vector<QWidget*>& order);

// Gives a text box the focus with its whole text selected.
void focusWithTextSelected(QWidget* box);

} // namespace ipb
