#include "curves/BitmapFile.h"

#include <QImage>
#include <QSaveFile>

QString BitmapFile::WithBmpSuffix(const QString& fileName) {
    if (fileName.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return fileName;
    return fileName + QStringLiteral(".bmp");
}

bool BitmapFile::Save(const QImage& image, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!image.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
