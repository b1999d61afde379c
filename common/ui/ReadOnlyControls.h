#pragma once

#include <initializer_list>

class QAction;
class QWidget;

// Switches off the controls that would change data while the user may only view it, each
// with a tip that says why. Nothing happens for a user who may write.
namespace ReadOnlyControls {

void apply(std::initializer_list<QWidget*> controls);
void apply(QAction* action);
// Whether a control that follows its input (a button enabled by typing) may be switched on.
[[nodiscard]] bool mayEnable();

} // namespace ReadOnlyControls
