#pragma once

// The SQL function val(text) over JetVal::leadingNumber. It is written against the plain
// SQLite API names, so a loadable extension that includes <sqlite3ext.h> first compiles
// the very same function against the extension's routine table.
#include "common/JetVal.h"

#include <sqlite3.h>

#include <cmath>

namespace JetVal {

inline void sqlFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int bytes = sqlite3_value_bytes(argv[0]);
    const double value = leadingNumber(text ? text : "", static_cast<std::size_t>(bytes));
    // Whole numbers come back as integers so that a selected val() reads 12, not 12.0.
    if (value == std::floor(value) && std::fabs(value) < 9.0e15)
        sqlite3_result_int64(context, static_cast<sqlite3_int64>(value));
    else
        sqlite3_result_double(context, value);
}

// Deterministic, so an index may be built on it; innocuous, so the schema may use it
// even where SQLite distrusts schema functions.
inline int registerSqlFunction(sqlite3* db) {
    return sqlite3_create_function_v2(db, "val", 1,
                                      SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                      nullptr, sqlFunction, nullptr, nullptr, nullptr);
}

} // namespace JetVal
