#include "ReadingsRowBuilder.h"

#include "NumberFormat.h"
#include "NumberText.h"

using Fill = ReadingsLayout::Fill;

ReadingsRowBuilder::ReadingsRowBuilder(Fill fill) : m_fill(fill) {}

const QString& ReadingsRowBuilder::formatted(QHash<QString, QString>& cache, const QString& text,
                                             int decimals) {
    auto it = cache.find(text);
    if (it == cache.end())
        it = cache.insert(text, NumberFormat::format(text, 3, decimals));
    return *it;
}

bool ReadingsRowBuilder::startsGroup(const QString& dateTime, const QString& number) {
    bool changed = m_first;
    switch (m_fill) {
    case Fill::BySensorThenTime:
    case Fill::SensorNumbers:
    case Fill::QueryBySensor: {
        const double value = Val(number);
        changed = changed || value != m_previousNumber;
        m_previousNumber = value;
        break;
    }
    case Fill::ByTimeThenSensor:
    case Fill::UploadTimes:
    case Fill::QueryByTime:
        changed = changed || dateTime != m_previousDateTime;
        m_previousDateTime = dateTime;
        break;
    }
    m_first = false;
    if (changed)
        m_colour = 1 - m_colour;
    return changed;
}

bool ReadingsRowBuilder::add(const QString& dateTime, const QString& number,
                             const QString& temperature, Row& out) {
    const bool group = startsGroup(dateTime, number);
    out.colour = m_colour;
    switch (m_fill) {
    case Fill::BySensorThenTime:
    case Fill::QueryBySensor: {
        const int decimals = m_fill == Fill::QueryBySensor ? 2 : 0;
        out.cells = {group ? formatted(m_numberTexts, number, 0) : QString(), dateTime,
                     formatted(m_temperatureTexts, temperature, decimals)};
        return true;
    }
    case Fill::ByTimeThenSensor:
    case Fill::QueryByTime: {
        const int decimals = m_fill == Fill::QueryByTime ? 2 : 0;
        out.cells = {group ? dateTime : QString(), formatted(m_numberTexts, number, 0),
                     formatted(m_temperatureTexts, temperature, decimals)};
        return true;
    }
    case Fill::UploadTimes:
        out.cells = {dateTime};
        return group;
    case Fill::SensorNumbers:
        out.cells = {PlainNumber(m_previousNumber)};
        return group;
    }
    return false;
}
