#include "common/ui/DialogControls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

QPushButton* DialogControls::button(const QString& name, const QString& caption, QWidget* parent,
                                    AutoDefault autoDefault) {
    auto* b = named(new QPushButton(caption, parent), name);
    if (autoDefault == AutoDefault::Off)
        b->setAutoDefault(false);
    return b;
}

QLineEdit* DialogControls::textBox(const QString& name, const QString& text, QWidget* parent) {
    return named(new QLineEdit(text, parent), name);
}

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
