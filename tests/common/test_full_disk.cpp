#include "common/CheckedSaveFile.h"
#include "curves/BitmapFile.h"
#include "reports/TextFileWriter.h"
#include "tests/support/TmpfsMount.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

// The program's writers of whole files on a disk with one page left: a file of a few pages
// fits in the write buffer, so only the last flush meets the full disk. None may report such
// a file as written, and an earlier file of the same name stays as it was.
class TestFullDisk : public QObject {
    Q_OBJECT

    // Writes about 10,000 bytes to `path` with the named writer; true when it says written.
    static bool write(const QString& writer, const QString& path) {
        if (writer == QLatin1String("text")) {
            TextFileWriter file(path);
            if (!file.open())
                return false;
            for (int i = 0; i < 200; ++i)
                file.writeLine(QString(48, QLatin1Char('x')));
            return file.commit();
        }
        if (writer == QLatin1String("bitmap")) {
            QImage image(60, 60, QImage::Format_RGB32);
            image.fill(Qt::white);
            return BitmapFile::Save(image, path);
        }
        return CheckedSaveFile::writeWhole(path, QByteArray(10000, 'x'));
    }

private slots:
    void aFullDiskKeepsTheEarlierFile_data() {
        QTest::addColumn<QString>("writer");
        QTest::newRow("text file") << "text";
        QTest::newRow("bitmap") << "bitmap";
        QTest::newRow("workbook or update download") << "whole";
    }
    void aFullDiskKeepsTheEarlierFile() {
        QFETCH(QString, writer);
        TmpfsMount disk(8);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.why()));
        const QString path = disk.filePath(QStringLiteral("out"));
        QVERIFY(CheckedSaveFile::writeWhole(path, "earlier"));

        QVERIFY(!write(writer, path));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList{"out"});
    }
};

QTEST_GUILESS_MAIN(TestFullDisk)
#include "test_full_disk.moc"
