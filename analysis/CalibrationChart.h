#pragma once

#include <QRect>
#include <QVector>

class QPainter;

namespace analysis {

class Calibration;

// The lab results of a mix as points of strength over maturity, with the fitted curve
// drawn over them and its R², in twips of any paint device. Beyond the lab's maturities the
// curve is drawn pale, as the estimates there are only extended. Without a usable curve
// it says why.
namespace CalibrationChart {

inline constexpr int Width = 7000;
inline constexpr int Height = 4200;

void draw(QPainter& painter, const QRect& box, const Calibration& calibration,
          const QVector<double>& strengths);

} // namespace CalibrationChart

} // namespace analysis
