#pragma once

#include "common/StoreAccess.h"

#include <QString>

// The program's own state: where it lives, where it keeps its files, and whether the factory
// logged in. Start-up fixes it once and hands it to the windows that need it.
//
// Run from its build tree the program keeps everything beside itself. Installed, it never
// writes beside itself: the database goes to the user's data folder, the reports and text
// files to the user's documents, the update downloads to the user's cache.
struct Module1 {
    // The program's folder, always ending in the native separator.
    QString AppFolder;
    // AppFolder followed by the database file name.
    QString DatabasePath;
    // What the database user may do with the store, and how it is reached.
    StoreAccess Access;
    // True when the login was given the factory access word.
    bool FactoryMode = false;

    // True when the program runs from an installed layout (see DataFiles::IsInstalled).
    bool Installed = false;
    // The folder of the database file. Each folder ends in the native separator.
    QString DataFolder;
    // Where the "报表" folder and the proposed text files go.
    QString DocumentsFolder;
    // Where downloads that can be fetched again go.
    QString CacheFolder;

    // The program's title, used for the window caption, message titles and the settings store.
    static inline const QString AppTitle = QStringLiteral("thermbook");
    static inline const QString DatabaseFileName = QStringLiteral("数据库.mdb");

    // The state of a program that runs from `programFolder`. Nothing is made on disk.
    [[nodiscard]] static Module1 ForFolder(const QString& programFolder);
};
