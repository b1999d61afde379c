#include "DialogControls.h"

#include <QComboBox>

QComboBox* EditableValueList(const QString& name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumContentsLength(19);
    return c;
}
