#pragma once

#include <QRect>

class QPainter;

namespace analysis {

struct AnalysisResult;

// The strength of one station over the monitoring, as its weakest sensor decides it, with
// the line of the stripping target, drawn in twips like the temperature chart on the same
// time axis. Estimates beyond the lab's maturities are drawn pale. Without a calibration
// it draws the maturity instead, and says so.
class StrengthChart {
public:
    static constexpr int PreferredHeight = 3600;

    StrengthChart(const AnalysisResult& result, int station);

    void draw(QPainter& painter, const QRect& box) const;

private:
    [[nodiscard]] QString title() const;

    const AnalysisResult& m_result;
    int m_station;
};

} // namespace analysis
