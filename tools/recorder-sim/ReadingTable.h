#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The recorder's 999 readings as they travel: an integer byte (degrees + 100) and a
// fraction byte whose decimal digits follow the point. A position without a reading
// holds 255 in both bytes, as erased memory would; 155 degrees is outside every range
// the program accepts, so such a position can never pass for a measurement.
class ReadingTable {
public:
    static constexpr int Count = 999;
    static constexpr quint8 Empty = 255;

    ReadingTable() { clear(); }

    void clear();
    void set(int number, quint8 integerByte, quint8 fractionByte);

    // Lines "number,temperature"; an empty temperature or a number that is not listed
    // means no reading. Blank lines, '#' comments and one header line are allowed.
    [[nodiscard]] bool loadCsv(const QString& path, QString* error);

    // Plausible curing curves: each sensor starts near 20 degrees, rises to a peak of
    // 50..70 and falls slowly toward the air temperature; sensors in the middle of a
    // stack of eight run hottest. The same seed and age give the same readings.
    void generateCuring(quint64 seed, double ageHours);

    // Readings 1..4 become -21.0 and 131.0 (just outside the accepted range) and
    // -20.0 and 130.9 (its edges).
    void placeRangeEdges();

    [[nodiscard]] quint8 integerByte(int number) const { return m_integer.at(index(number)); }
    [[nodiscard]] quint8 fractionByte(int number) const { return m_fraction.at(index(number)); }
    [[nodiscard]] bool hasReading(int number) const;
    // Highest data number that holds a reading, 0 when there is none.
    [[nodiscard]] int highestNumber() const;

private:
    [[nodiscard]] static size_t index(int number) { return static_cast<size_t>(number - 1); }

    std::array<quint8, Count> m_integer{};
    std::array<quint8, Count> m_fraction{};
};

// One temperature text of the CSV file turned into its two wire bytes.
struct EncodedReading {
    bool ok = false;
    quint8 integerByte = 0;
    quint8 fractionByte = 0;
    QString error;
};
[[nodiscard]] EncodedReading encodeTemperature(const QString& text);
