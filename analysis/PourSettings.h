#pragma once

#include "analysis/LimitSet.h"
#include "analysis/Mix.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace analysis {

// One pour's data: the data of the inspector's sheet and everything the
// analysis is set to. Date-times carry no time zone: they are the site's wall clock, as
// the uploads are stamped.
struct PourSettings {
    QString name;
    QString project;
    QString element;
    QString contractor;
    // Invalid when not entered.
    QDateTime placedAt;
    // Not entered: each station's first core reading stands in, marked as assumed.
    std::optional<double> placingTemperature;
    // Invalid while the insulation is on.
    QDateTime insulationRemovedAt;
    // Invalid while monitoring goes on.
    QDateTime monitoringEndsAt;
    // The sensor that measures the air; 0 when none is named.
    int airSensor = 0;
    QString limitSetName = LimitSet::GbName;
    // Share of a limit above which a figure is a warning.
    double warningShare = 0.8;
    // Hours between measuring rounds.
    double intervalHours = 6.0;
    // A change between uploads close together above this many degrees marks a sensor.
    double jumpLimit = 10.0;
    // The concrete, for its strength by the maturity method.
    Mix mix;
    // The share of the design strength the forecast is for: the stripping target.
    double strengthTarget = 0.75;

    // Readings before placing belong to whatever stood there before: they never count for
    // the pour. Without a placing time every reading counts.
    [[nodiscard]] bool placedBy(const QDateTime& moment) const {
        return !placedAt.isValid() || moment >= placedAt;
    }
    // Readings after the end of monitoring are shown but not judged.
    [[nodiscard]] bool monitoredAt(const QDateTime& moment) const {
        return !monitoringEndsAt.isValid() || moment <= monitoringEndsAt;
    }
};

} // namespace analysis
