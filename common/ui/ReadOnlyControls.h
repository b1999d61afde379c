#pragma once

#include "common/StoreAccess.h"

#include <initializer_list>

class QAction;
class QWidget;

// Switches off the controls that would change data while the user may only view it, each
// with a tip that says why. Nothing happens for a user who may write.
namespace ReadOnlyControls {

void apply(const StoreAccess& access, std::initializer_list<QWidget*> controls);
void apply(const StoreAccess& access, QAction* action);

} // namespace ReadOnlyControls
