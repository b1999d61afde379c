#pragma once

#include <QIODevice>
#include <QSaveFile>
#include <QString>

// A file that appears under its name complete, or not at all, leaving any earlier file of
// that name as it was. QSaveFile alone is not enough: Qt 6.4 commits a file whose buffered
// tail could not be written (a full disk cut files at 4,096 bytes and reported them
// written). Here every write is checked, the buffer is flushed and checked before the
// commit, and a failure anywhere discards the new file.
//
// Writers that take a device (an image writer) write through this object itself;
// errorString() says why opening or writing failed.
class CheckedSaveFile : public QIODevice {
public:
    explicit CheckedSaveFile(const QString& path);

    // Opens the file for writing (the only mode it has); the folder must exist.
    [[nodiscard]] bool open(OpenMode mode = WriteOnly) override;
    // Puts the file in place when everything written reached it; false, with nothing
    // changed on disk, otherwise. The file is closed either way.
    [[nodiscard]] bool commit();
    // Gives up the file: nothing is put in place.
    void discard();

    [[nodiscard]] bool isSequential() const override { return true; }

    // Writes `bytes` as the whole file at `path`; `failure`, when given, receives why not.
    [[nodiscard]] static bool writeWhole(const QString& path, const QByteArray& bytes,
                                         QString* failure = nullptr);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    void fail();

    QSaveFile m_file;
    bool m_failed = false;
};
