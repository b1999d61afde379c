#pragma once

#include <QString>

// The program-wide values every window reads. They are set once at start-up
// (ComPortNo by the connect command) and are the only state shared between windows.
namespace Module1 {

// The program's folder, always ending in the native separator.
inline QString AppFolder;
// AppFolder followed by the database file name.
inline QString DatabasePath;
// True when the login was given the factory access word.
inline bool FactoryMode = false;
// COM number of the connected recorder; 0 while not connected.
inline quint8 ComPortNo = 0;

// The program's title, used for the window caption, message titles and the settings store.
inline const QString AppTitle = QStringLiteral("thermbook");

inline const QString DatabaseFileName = QStringLiteral("数据库.mdb");

// Fixes AppFolder and DatabasePath from the folder the program file sits in.
void SetFolders(const QString& programFolder);

} // namespace Module1
