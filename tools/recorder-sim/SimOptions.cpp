#include "tools/recorder-sim/SimOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

std::optional<qint64> parseWhole(const QString& text, qint64 low, qint64 high) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

const char* const kDescription =
    "Answers like the temperature recorder on a pseudo-terminal. The first line on\n"
    "standard output is the path of the terminal to open (14400 baud, 8N1). Each\n"
    "received command is logged to standard error. SIGTERM or SIGINT ends the run;\n"
    "SIGUSR1 moves generated curves six hours on, as the next measuring round.";

} // namespace

std::optional<std::array<quint8, 6>> parseSerial(const QString& text) {
    static const QRegularExpression hex12(QStringLiteral("^[0-9A-Fa-f]{12}$"));
    if (!hex12.match(text).hasMatch()) {
        return std::nullopt;
    }
    std::array<quint8, 6> bytes{};
    for (int i = 0; i < 6; ++i) {
        bytes[static_cast<size_t>(i)] = static_cast<quint8>(text.mid(i * 2, 2).toUInt(nullptr, 16));
    }
    return bytes;
}

std::optional<std::array<quint8, 2>> parseErrorCorrection(const QString& text) {
    static const QRegularExpression signedByte(QStringLiteral("^([+-])([0-9]{1,3})$"));
    const QRegularExpressionMatch m = signedByte.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const int magnitude = m.captured(2).toInt();
    if (magnitude > 255) {
        return std::nullopt;
    }
    const quint8 sign = m.captured(1) == QLatin1String("+") ? 1 : 0;
    return std::array<quint8, 2>{sign, static_cast<quint8>(magnitude)};
}

SimOptionsParse parseSimOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    const QCommandLineOption help(QStringList{"h", "help"}, "Show this help and exit.");
    const QCommandLineOption silent("silent", "Never answer.");
    const QCommandLineOption noise(
        "noise", "Send N noise bytes (never EF, EE or ED) before each reply.", "N");
    const QCommandLineOption cut("cut", "Cut every reply after N bytes (noise not counted).", "N");
    const QCommandLineOption exact("exact", "Send the data block without its trailing byte.");
    const QCommandLineOption drip("drip", "Send replies one byte every MS milliseconds.", "MS");
    const QCommandLineOption pace("pace",
                                  "Send replies at the pace of 14400 baud, 10 bits a byte.");
    const QCommandLineOption outOfRange(
        "out-of-range", "Readings 1..4 become -21.0, 131.0, -20.0 and 130.9 degrees.");
    const QCommandLineOption readings(
        "readings", "Load readings from a CSV file of lines 'number,temperature'.", "FILE");
    const QCommandLineOption state("state",
                                   "Load the recorder state from FILE if it exists and "
                                   "save it there after every change.",
                                   "FILE");
    const QCommandLineOption serial("serial", "Serial number as twelve hex digits.", "HEX12");
    const QCommandLineOption poweroff("poweroff", "Idle power-off time, 1..240 minutes.", "MIN");
    const QCommandLineOption error("error-correction", "Error correction such as +5, -3 or +0.",
                                   "SIGNED");
    const QCommandLineOption seed("seed", "Seed of the generated curing curves.", "N");
    const QCommandLineOption age("age", "Age of the pour in hours for generated curves.", "HOURS");
    parser.addOptions({help, silent, noise, cut, exact, drip, pace, outOfRange, readings, state,
                       serial, poweroff, error, seed, age});

    SimOptionsParse out;
    auto fail = [&out, &parser](const QString& why) {
        out.result = SimOptionsParse::Result::Error;
        out.message = why + QLatin1Char('\n') + parser.helpText();
        return out;
    };

    if (!parser.parse(arguments)) {
        return fail(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(
            QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(help)) {
        out.result = SimOptionsParse::Result::ShowHelp;
        out.message = parser.helpText();
        return out;
    }

    SimOptions& o = out.options;
    o.silent = parser.isSet(silent);
    o.exactDataBlock = parser.isSet(exact);
    o.pace = parser.isSet(pace);
    o.outOfRange = parser.isSet(outOfRange);
    o.readingsFile = parser.value(readings);
    o.stateFile = parser.value(state);

    if (parser.isSet(noise)) {
        const auto n = parseWhole(parser.value(noise), 0, 1 << 20);
        if (!n) {
            return fail(QStringLiteral("--noise wants a count 0..1048576"));
        }
        o.noiseBytes = static_cast<int>(*n);
    }
    if (parser.isSet(cut)) {
        const auto n = parseWhole(parser.value(cut), 0, 1 << 20);
        if (!n) {
            return fail(QStringLiteral("--cut wants a count 0..1048576"));
        }
        o.cutAfter = static_cast<int>(*n);
    }
    if (parser.isSet(drip)) {
        const auto n = parseWhole(parser.value(drip), 1, 60000);
        if (!n) {
            return fail(QStringLiteral("--drip wants milliseconds 1..60000"));
        }
        o.dripMs = static_cast<int>(*n);
    }
    if (o.pace && o.dripMs > 0) {
        return fail(QStringLiteral("--pace and --drip both set the sending pace; choose one"));
    }
    if (parser.isSet(serial)) {
        o.serial = parseSerial(parser.value(serial));
        if (!o.serial) {
            return fail(QStringLiteral("--serial wants twelve hex digits"));
        }
    }
    if (parser.isSet(poweroff)) {
        const auto n = parseWhole(parser.value(poweroff), 1, 240);
        if (!n) {
            return fail(QStringLiteral("--poweroff wants minutes 1..240"));
        }
        o.powerOffMinutes = static_cast<int>(*n);
    }
    if (parser.isSet(error)) {
        o.errorCorrection = parseErrorCorrection(parser.value(error));
        if (!o.errorCorrection) {
            return fail(QStringLiteral("--error-correction wants a sign and 0..255, such as -3"));
        }
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        o.seed = parser.value(seed).toULongLong(&ok);
        if (!ok) {
            return fail(QStringLiteral("--seed wants a whole number"));
        }
    }
    if (parser.isSet(age)) {
        bool ok = false;
        o.ageHours = parser.value(age).toDouble(&ok);
        if (!ok || o.ageHours < 0.0 || o.ageHours > 100000.0) {
            return fail(QStringLiteral("--age wants hours 0..100000"));
        }
    }
    return out;
}
