#pragma once

#include <QAbstractItemModel>
#include <QListWidget>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTreeView>

// A child of a window by its control name; the test fails loudly when it is missing.
template <typename T>
T* Part(const QObject& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromUtf8(name));
    if (!child)
        qFatal("no control named %s", name);
    return child;
}

// Element `index` of a control array: children of one name, told apart by their
// "controlIndex" property.
template <typename T> T* PartAt(const QObject& window, const char* name, int index) {
    for (T* child : window.findChildren<T*>(QString::fromUtf8(name)))
        if (child->property("controlIndex").toInt() == index)
            return child;
    qFatal("no control named %s(%d)", name, index);
}

// The text of one cell of a list, and its row count, as the list shows them.
inline QString Cell(const QTreeView* list, int row, int column) {
    return list->model() ? list->model()->index(row, column).data().toString() : QString();
}

inline int Rows(const QTreeView* list) {
    return list->model() ? list->model()->rowCount() : 0;
}

inline QString Header(const QTreeView* list, int column) {
    return list->model() ? list->model()->headerData(column, Qt::Horizontal).toString()
                         : QString();
}

// The lines of a plain list, top to bottom.
inline QStringList ListTexts(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}
