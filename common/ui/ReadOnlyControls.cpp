#include "common/ui/ReadOnlyControls.h"

#include "common/StoreAccess.h"

#include <QAction>
#include <QWidget>

void ReadOnlyControls::apply(std::initializer_list<QWidget*> controls) {
    if (!StoreAccess::readOnly())
        return;
    for (QWidget* w : controls) {
        w->setEnabled(false);
        w->setToolTip(StoreAccess::ReadOnlyText);
    }
}

void ReadOnlyControls::apply(QAction* action) {
    if (!StoreAccess::readOnly())
        return;
    action->setEnabled(false);
    action->setToolTip(StoreAccess::ReadOnlyText);
}

bool ReadOnlyControls::mayEnable() {
    return !StoreAccess::readOnly();
}
