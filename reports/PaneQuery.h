#pragma once

#include "store/ReadingsLayout.h"

#include <QString>

// What the main window's query pane shows: its layout and the statement that filled it.
// The exports read the statement again, so they write every row of the pane, not only the
// rows the pane happens to hold.
struct PaneQuery {
    // No columns while the pane has never been filled.
    ReadingsLayout layout;
    // Empty for a fixed view, which reads the layout's own statement.
    QString sql;

    [[nodiscard]] QString statement(const QString& dbPath) const {
        return sql.isEmpty() ? layout.sql(dbPath) : sql;
    }
    [[nodiscard]] QString firstHeader() const {
        return layout.columns().isEmpty() ? QString() : layout.columns().first().title;
    }
};
