#pragma once

#include <QString>

class QImage;

// Saving the chart picture as a Windows bitmap.
namespace BitmapFile {

// The name with ".bmp" appended unless it already ends in it (in any case).
[[nodiscard]] QString WithBmpSuffix(const QString& fileName);

// Writes the image as a Windows bitmap. The file is replaced only once the new one is
// complete, so a failed write leaves an existing file as it was.
[[nodiscard]] bool Save(const QImage& image, const QString& fileName);

} // namespace BitmapFile
