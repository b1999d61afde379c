#include "DialogControls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>

QComboBox* EditableValueList(const QString& name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumContentsLength(19);
    return c;
}

void ShowValues(QComboBox* list, const QStringList& values) {
    list->clear();
    list->addItems(values);
    list->setCurrentIndex(-1);
    QAbstractItemView* dropDown = list->view();
    dropDown->setMinimumWidth(dropDown->sizeHintForColumn(0) +
                              dropDown->verticalScrollBar()->sizeHint().width() +
                              2 * dropDown->frameWidth());
}
