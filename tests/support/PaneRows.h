#pragma once

#include "store/ReadingsModel.h"

#include <QColor>
#include <QStringList>
#include <QTreeView>

// The query pane's rows as "cell|cell|cell", once the pane has finished reading. With
// colours, each row ends in " G" (green group) or " B" (blue group).
inline QStringList PaneRows(const QWidget& w, bool withColour = false) {
    auto* pane = w.findChild<QTreeView*>(QStringLiteral("ListView3"));
    auto* model = pane ? qobject_cast<ReadingsModel*>(pane->model()) : nullptr;
    if (!model)
        return {};
    model->waitUntilLoaded();
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells.append(model->index(r, c).data().toString());
        QString row = cells.join(QLatin1Char('|'));
        if (withColour) {
            const QColor colour = model->index(r, 0).data(Qt::ForegroundRole).value<QColor>();
            row += colour == QColor(0, 128, 0) ? QStringLiteral(" G") : QStringLiteral(" B");
        }
        out.append(row);
    }
    return out;
}
