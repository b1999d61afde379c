#include "common/CheckedSaveFile.h"

CheckedSaveFile::CheckedSaveFile(const QString& path) : m_file(path) {}

bool CheckedSaveFile::open(OpenMode mode) {
    if (mode.testFlag(ReadOnly) || !m_file.open(WriteOnly)) {
        fail();
        return false;
    }
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 CheckedSaveFile::writeData(const char* data, qint64 size) {
    if (m_failed)
        return -1;
    if (m_file.write(data, size) != size) {
        fail();
        return -1;
    }
    return size;
}

qint64 CheckedSaveFile::readData(char*, qint64) {
    return -1;
}

bool CheckedSaveFile::commit() {
    if (!isOpen())
        return false;
    QIODevice::close();
    if (!m_failed && !m_file.flush())
        fail();
    if (m_failed) {
        discard();
        return false;
    }
    if (m_file.commit())
        return true;
    fail();
    return false;
}

void CheckedSaveFile::discard() {
    QIODevice::close();
    if (!m_file.isOpen())
        return;
    // A cancelled save file removes its temporary copy at commit and reports failure.
    m_file.cancelWriting();
    (void)m_file.commit();
}

void CheckedSaveFile::fail() {
    m_failed = true;
    setErrorString(m_file.errorString());
}

bool CheckedSaveFile::writeWhole(const QString& path, const QByteArray& bytes, QString* failure) {
    CheckedSaveFile file(path);
    const bool written = file.open() && file.write(bytes) == bytes.size() && file.commit();
    if (!written) {
        file.discard();
        if (failure)
            *failure = file.errorString();
    }
    return written;
}
