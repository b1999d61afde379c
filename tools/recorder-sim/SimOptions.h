#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Everything the command line can ask of one simulator run.
struct SimOptions {
    bool silent = false;
    int noiseBytes = 0;
    int cutAfter = -1; // -1: replies are sent whole
    bool exactDataBlock = false;
    int dripMs = 0; // 0: no dripping
    bool pace = false;
    bool outOfRange = false;
    QString readingsFile;
    QString stateFile;
    std::optional<std::array<quint8, 6>> serial;
    std::optional<int> powerOffMinutes;
    std::optional<std::array<quint8, 2>> errorCorrection; // sign byte, magnitude
    quint64 seed = 1;
    double ageHours = 72.0;
};

// Outcome of reading the command line: run, print text and exit 0, or fail with a message.
struct SimOptionsParse {
    enum class Result { Run, ShowHelp, Error };
    Result result = Result::Run;
    SimOptions options;
    QString message; // help text or error
};

[[nodiscard]] SimOptionsParse parseSimOptions(const QStringList& arguments);

// Parses twelve hexadecimal digits into six bytes.
[[nodiscard]] std::optional<std::array<quint8, 6>> parseSerial(const QString& text);

// Parses a signed error correction such as "+5", "-3" or "-0" into the sign byte
// (0 for minus, 1 for plus) and the magnitude byte.
[[nodiscard]] std::optional<std::array<quint8, 2>> parseErrorCorrection(const QString& text);
