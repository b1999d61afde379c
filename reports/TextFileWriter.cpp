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
    return m_file.open();
}

void TextFileWriter::writeLine(const QString& line) {
    m_pending += line;
    m_pending += QLatin1String("\r\n");
    if (m_pending.size() >= FlushChars)
        flush();
}

void TextFileWriter::flush() {
    // A failed write is remembered by the file and fails the commit.
    (void)m_file.write(m_encoder.encode(m_pending));
    m_pending.clear();
}

bool TextFileWriter::commit() {
    flush();
    return m_file.commit();
}
