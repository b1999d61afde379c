#pragma once

#include <QString>

// What the database user the program runs as may do, and how it reaches the store. A server
// user who may only read (the head office that follows the pour) gets a program that only
// views: start-up learns this once from the server and hands it to the windows, which switch
// off every command that would write. The server refuses such writes anyway; this spares the
// user the attempt.
struct StoreAccess {
    // The status bar's and the switched-off commands' words.
    static inline const QString ReadOnlyText = QStringLiteral("只读：当前用户只能查看数据");

    bool readOnly = false;
    // Whether the connection to the database server is encrypted.
    bool encrypted = false;
};
