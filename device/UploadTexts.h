#pragma once

#include <QString>
#include <QStringList>

// The temperature column of the upload list, one text per data number 1..999, from the
// decoded readings. Readings that are not all 999 give no rows at all.
// Readings are shown as single-precision numbers in their shortest text (-05.3 shows
// as -5.3, 00.0 as 0); "E1" and anything at -20 or below or 131 or above show as "E1".
[[nodiscard]] QStringList UploadTexts(const QStringList& readings);

// A number as the shortest text that reads back as the same single-precision value.
[[nodiscard]] QString SingleText(double value);
