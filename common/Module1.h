#pragma once

#include <QString>

// The program's own state: where it lives, where its database is, and whether the factory
// logged in. Start-up fixes it once and hands it to the windows that need it.
struct Module1 {
    // The program's folder, always ending in the native separator.
    QString AppFolder;
    // AppFolder followed by the database file name.
    QString DatabasePath;
    // True when the login was given the factory access word.
    bool FactoryMode = false;

    // The program's title, used for the window caption, message titles and the settings store.
    static inline const QString AppTitle = QStringLiteral("thermbook");
    static inline const QString DatabaseFileName = QStringLiteral("数据库.mdb");

    // The state of a program that runs from `programFolder`.
    [[nodiscard]] static Module1 ForFolder(const QString& programFolder);
};
