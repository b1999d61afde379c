#include "reports/TextFileWriter.h"

namespace {

constexpr qsizetype FlushChars = 1 << 16;

QStringConverter::Encoding textEncoding() {
#ifdef Q_OS_WIN
    return QStringConverter::System;
#else
    return QStringConverter::Utf8;
#endif
}

} // namespace

TextFileWriter::TextFileWriter(const QString& path) : m_file(path), m_encoder(textEncoding()) {}

bool TextFileWriter::open() {
    return m_file.open(QIODevice::WriteOnly);
}

void TextFileWriter::writeLine(const QString& line) {
    m_pending += line;
    m_pending += QLatin1String("\r\n");
    if (m_pending.size() >= FlushChars)
        flush();
}

void TextFileWriter::flush() {
    const QByteArray bytes = m_encoder.encode(m_pending);
    if (m_writeError.isEmpty() && m_file.write(bytes) != bytes.size())
        m_writeError = m_file.errorString();
    m_pending.clear();
}

bool TextFileWriter::commit() {
    flush();
    if (!m_writeError.isEmpty()) {
        m_file.cancelWriting();
        (void)m_file.commit();
        return false;
    }
    return m_file.commit();
}
