#include "store/ReadingsRowBuilder.h"

#include "common/NumberText.h"
#include "store/NumberFormat.h"

using Fill = ReadingsLayout::Fill;

namespace {

bool groupsBySensor(Fill fill) {
    return fill == Fill::BySensorThenTime || fill == Fill::SensorNumbers ||
           fill == Fill::QueryBySensor;
}

} // namespace

ReadingsRowBuilder::ReadingsRowBuilder(Fill fill) : m_fill(fill) {}

const QString& ReadingsRowBuilder::formatted(QHash<QString, QString>& cache, const QString& text,
                                             int decimals) {
    auto it = cache.find(text);
    if (it == cache.end())
        it = cache.insert(text, NumberFormat::format(text, 3, decimals));
    return *it;
}

bool ReadingsRowBuilder::next(quint64 dateTimeKey, double numberValue, Mark& mark) {
    bool changed = m_first;
    if (groupsBySensor(m_fill)) {
        changed = changed || numberValue != m_previousNumber;
        m_previousNumber = numberValue;
    } else {
        changed = changed || dateTimeKey != m_previousDateTime;
        m_previousDateTime = dateTimeKey;
    }
    m_first = false;
    if (changed)
        m_colour = 1 - m_colour;
    mark.startsGroup = changed;
    mark.colour = m_colour;
    // The two lists of distinct values show only the row that starts each group.
    return changed || (m_fill != Fill::UploadTimes && m_fill != Fill::SensorNumbers);
}

QStringList ReadingsRowBuilder::cells(const Mark& mark, const QString& dateTime,
                                      const QString& number, const QString& temperature) {
    switch (m_fill) {
    case Fill::BySensorThenTime:
    case Fill::QueryBySensor: {
        const int decimals = m_fill == Fill::QueryBySensor ? 2 : 0;
        return {mark.startsGroup ? formatted(m_numberTexts, number, 0) : QString(), dateTime,
                formatted(m_temperatureTexts, temperature, decimals)};
    }
    case Fill::ByTimeThenSensor:
    case Fill::QueryByTime: {
        const int decimals = m_fill == Fill::QueryByTime ? 2 : 0;
        return {mark.startsGroup ? dateTime : QString(), formatted(m_numberTexts, number, 0),
                formatted(m_temperatureTexts, temperature, decimals)};
    }
    case Fill::UploadTimes:
        return {dateTime};
    case Fill::SensorNumbers:
        return {PlainNumber(Val(number))};
    }
    return {};
}

bool ReadingsRowBuilder::add(const QString& dateTime, const QString& number,
                             const QString& temperature, Row& out) {
    // next() only compares a key with the row before's, so a new key per change of text
    // serves as well as one per distinct text.
    if (m_addedDateTimes == 0 || dateTime != m_lastDateTime) {
        m_lastDateTime = dateTime;
        ++m_addedDateTimes;
    }
    Mark mark;
    if (!next(m_addedDateTimes, Val(number), mark))
        return false;
    out.cells = cells(mark, dateTime, number, temperature);
    out.colour = mark.colour;
    return true;
}
