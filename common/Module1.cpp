#include "Module1.h"

#include <QDir>

Module1 Module1::ForFolder(const QString& programFolder) {
    Module1 state;
    const QChar sep = QDir::separator();
    state.AppFolder = QDir::toNativeSeparators(programFolder);
    if (!state.AppFolder.endsWith(sep))
        state.AppFolder += sep;
    state.DatabasePath = state.AppFolder + DatabaseFileName;
    return state;
}
