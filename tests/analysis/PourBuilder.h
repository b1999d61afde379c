#pragma once

#include "analysis/AnalysisInputs.h"
#include "grouping/GroupRow.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// Pours for tests, written as the engineer would read them off the sheet: stations by
// their sensor numbers, and uploads by the hour after the start with "sensor=value" pairs
// ("2=60", "1=E1").
class PourBuilder {
public:
    // 2008-05-01 08:00, the hour 0 of every test pour.
    [[nodiscard]] static QDateTime start();
    [[nodiscard]] static QDateTime hour(double h);

    // A station named like the definitions ("0001") over sensors; 0 leaves a slot empty.
    PourBuilder& station(const QString& name, const QList<int>& sensors);
    PourBuilder& upload(double hour, const QStringList& readings);

    [[nodiscard]] analysis::AnalysisInputs& inputs() { return m_inputs; }
    // The settings of the one pour, id 1, that holds every station.
    [[nodiscard]] analysis::PourSettings& settings() { return m_inputs.pour.settings; }
    // Hands the readings over; the builder's uploads are done.
    [[nodiscard]] analysis::AnalysisInputs build();

private:
    analysis::AnalysisInputs m_inputs;
    analysis::PourReadings m_readings;
};
