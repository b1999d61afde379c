#pragma once

#include "common/CheckedSaveFile.h"

#include <QString>
#include <QStringEncoder>

// A text file as the program's text exports write it: lines ended by CR LF, in UTF-8 on
// Linux (whose service locales are often plain ASCII, which holds no Chinese) and in the
// system's ANSI code page on Windows, where the text editor expects it. The file appears
// complete at commit() or not at all; nothing is left open either way.
class TextFileWriter {
public:
    explicit TextFileWriter(const QString& path);

    [[nodiscard]] bool open();
    void writeLine(const QString& line);
    [[nodiscard]] bool commit();
    // Why opening or writing failed, for the message.
    [[nodiscard]] QString errorString() const { return m_file.errorString(); }

private:
    void flush();

    CheckedSaveFile m_file;
    QStringEncoder m_encoder;
    QString m_pending;
};
