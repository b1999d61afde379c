#include "curves/BitmapFile.h"

#include "common/CheckedSaveFile.h"

#include <QImage>

QString BitmapFile::WithBmpSuffix(const QString& fileName) {
    if (fileName.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return fileName;
    return fileName + QStringLiteral(".bmp");
}

bool BitmapFile::Save(const QImage& image, const QString& fileName) {
    CheckedSaveFile file(fileName);
    if (!file.open())
        return false;
    if (!image.save(&file, "BMP")) {
        file.discard();
        return false;
    }
    return file.commit();
}
