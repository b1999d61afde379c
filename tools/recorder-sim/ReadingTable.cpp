#include "tools/recorder-sim/ReadingTable.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>

namespace {

// splitmix64: a small, well-mixed hash so each sensor gets its own curve from the seed.
quint64 mix(quint64 x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// A number in [0, 1) drawn for one sensor and one property of its curve.
double draw(quint64 seed, int number, int property) {
    const quint64 h = mix(mix(seed) ^ mix(static_cast<quint64>(number) * 16 + property));
    return static_cast<double>(h >> 11) / static_cast<double>(1ULL << 53);
}

double curingTemperature(quint64 seed, int number, double age) {
    const double pi = 3.14159265358979323846;
    const int layer = (number - 1) % 8;
    const double core = std::sin(pi * (layer + 0.5) / 8.0); // 0.2 at the faces, 1 inside
    const double start = 17.0 + 6.0 * draw(seed, number, 0);
    const double peak = 50.0 + 10.0 * draw(seed, number, 1) + 10.0 * core;
    const double peakAge = 30.0 + 40.0 * draw(seed, number, 2);
    const double air = 12.0 + 10.0 * draw(seed, number, 3);
    const double fallHours = 150.0 + 150.0 * draw(seed, number, 4);
    if (age < peakAge) {
        const double u = age / peakAge;
        return start + (peak - start) * u * u * (3.0 - 2.0 * u);
    }
    return air + (peak - air) * std::exp(-(age - peakAge) / fallHours);
}

} // namespace

void ReadingTable::clear() {
    m_integer.fill(Empty);
    m_fraction.fill(Empty);
}

void ReadingTable::set(int number, quint8 integerByte, quint8 fractionByte) {
    m_integer.at(index(number)) = integerByte;
    m_fraction.at(index(number)) = fractionByte;
}

bool ReadingTable::hasReading(int number) const {
    return integerByte(number) != Empty || fractionByte(number) != Empty;
}

int ReadingTable::highestNumber() const {
    for (int n = Count; n >= 1; --n) {
        if (hasReading(n)) {
            return n;
        }
    }
    return 0;
}

void ReadingTable::generateCuring(quint64 seed, double ageHours) {
    for (int n = 1; n <= Count; ++n) {
        const long long tenths = std::llround(curingTemperature(seed, n, ageHours) * 10.0);
        set(n, static_cast<quint8>(tenths / 10 + 100), static_cast<quint8>(tenths % 10));
    }
}

void ReadingTable::placeRangeEdges() {
    set(1, 79, 0);
    set(2, 231, 0);
    set(3, 80, 0);
    set(4, 230, 9);
}

EncodedReading encodeTemperature(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^(-?)([0-9]{1,3})(?:\\.([0-9]{1,3}))?$"));
    EncodedReading out;
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch()) {
        out.error = QStringLiteral("'%1' is not a temperature such as 23.5 or -5.3").arg(text);
        return out;
    }
    const bool negative = !m.captured(1).isEmpty();
    const int whole = m.captured(2).toInt();
    const QString digits = m.captured(3);
    const int fraction = digits.isEmpty() ? 0 : digits.toInt();
    // The fraction byte is written back as a plain decimal number, so "05" would come
    // back as ".5": such a value cannot travel and is refused instead of being altered.
    if (digits.size() > 1 && digits.startsWith(QLatin1Char('0')) && fraction != 0) {
        out.error = QStringLiteral("'%1' cannot be sent: the fraction byte %2 reads back as .%2")
                        .arg(text)
                        .arg(fraction);
        return out;
    }
    if (fraction > 255) {
        out.error = QStringLiteral("'%1' has a fraction above 255").arg(text);
        return out;
    }
    // The sign rides on the integer byte only, so -0.x would read back as +0.x.
    if (negative && whole == 0 && fraction != 0) {
        out.error =
            QStringLiteral("'%1' cannot be sent: between -1 and 0 the sign is lost").arg(text);
        return out;
    }
    const int integerByte = (negative ? -whole : whole) + 100;
    if (integerByte < 0 || integerByte >= ReadingTable::Empty) {
        out.error = QStringLiteral("'%1' is outside -100..154 degrees").arg(text);
        return out;
    }
    out.ok = true;
    out.integerByte = static_cast<quint8>(integerByte);
    out.fractionByte = static_cast<quint8>(fraction);
    return out;
}

bool ReadingTable::loadCsv(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    clear();
    std::array<bool, Count> seen{};
    QTextStream in(&file);
    int lineNo = 0;
    bool firstContent = true;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNo;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        auto fail = [&](const QString& why) {
            *error = QStringLiteral("%1:%2: %3").arg(path).arg(lineNo).arg(why);
            return false;
        };
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() != 2) {
            return fail(QStringLiteral("expected 'number,temperature'"));
        }
        bool isNumber = false;
        const int number = fields.at(0).trimmed().toInt(&isNumber);
        if (!isNumber && firstContent) {
            firstContent = false; // a header line
            continue;
        }
        firstContent = false;
        if (!isNumber || number < 1 || number > Count) {
            return fail(QStringLiteral("data number must be 1..999"));
        }
        if (seen.at(index(number))) {
            return fail(QStringLiteral("data number %1 is listed twice").arg(number));
        }
        seen.at(index(number)) = true;
        const QString temperature = fields.at(1).trimmed();
        if (temperature.isEmpty()) {
            continue;
        }
        const EncodedReading encoded = encodeTemperature(temperature);
        if (!encoded.ok) {
            return fail(encoded.error);
        }
        set(number, encoded.integerByte, encoded.fractionByte);
    }
    return true;
}
