#include "common/ui/ReadOnlyControls.h"

#include <QAction>
#include <QWidget>

void ReadOnlyControls::apply(const StoreAccess& access, std::initializer_list<QWidget*> controls) {
    if (!access.readOnly)
        return;
    for (QWidget* w : controls) {
        w->setEnabled(false);
        w->setToolTip(StoreAccess::ReadOnlyText);
    }
}

void ReadOnlyControls::apply(const StoreAccess& access, QAction* action) {
    if (!access.readOnly)
        return;
    action->setEnabled(false);
    action->setToolTip(StoreAccess::ReadOnlyText);
}
