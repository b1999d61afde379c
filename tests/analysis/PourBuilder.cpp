#include "tests/analysis/PourBuilder.h"

#include "analysis/TemperatureText.h"

#include <cmath>

using namespace analysis;

QDateTime PourBuilder::start() {
    return QDateTime(QDate(2008, 5, 1), QTime(8, 0), Qt::UTC);
}

QDateTime PourBuilder::hour(double h) {
    return start().addSecs(std::llround(h * 3600));
}

PourBuilder& PourBuilder::station(const QString& name, const QList<int>& sensors) {
    GroupRow row;
    row.name = name;
    for (int k = 0; k < sensors.size() && k < GroupRow::Slots; ++k)
        row.sensors[static_cast<std::size_t>(k)] =
            sensors[k] > 0 ? QStringLiteral("%1").arg(sensors[k], 4, 10, QLatin1Char('0')) : QString();
    m_inputs.groups.append(row);
    m_inputs.pour.stations.append(name);
    return *this;
}

PourBuilder& PourBuilder::upload(double h, const QStringList& readings) {
    const int u = m_readings.uploadAt(hour(h));
    for (const QString& pair : readings) {
        const QStringList parts = pair.split(QLatin1Char('='));
        const QByteArray text = parts[1].toUtf8();
        const auto value = TemperatureText::parse(text.constData(), static_cast<std::size_t>(text.size()));
        m_readings.set(u, parts[0].toInt(), value ? *value : std::nan(""));
    }
    return *this;
}

AnalysisInputs PourBuilder::build() {
    m_readings.finish();
    m_inputs.pour.id = 1;
    m_inputs.pours = {m_inputs.pour};
    m_inputs.readings = std::make_shared<PourReadings>(m_readings);
    return m_inputs;
}
