// val() as an SQLite shell extension, so the shell can run the program's statements (and
// write a table whose index uses val) on the same file: ".load <path to this library>".
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include "store/JetValFunction.h"

extern "C" int sqlite3_extension_init(sqlite3* db, char**, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    return JetVal::registerSqlFunction(db);
}
