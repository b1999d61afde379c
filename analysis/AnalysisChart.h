#pragma once

#include <QRect>

class ChartSurface;
class QPainter;

namespace analysis {

struct AnalysisResult;

// The chart of one station over the monitoring, drawn in twips through the curves' chart
// surface, so it shows on screen, prints and saves alike. Three panels share the time
// axis: the core, surface, bottom and air temperatures; the two core differences; and the
// cooling rate; each with its limit line and the warning line below it. A figure in
// warning or over its limit is marked on its curve in the state's colour.
class AnalysisChart {
public:
    // The height the chart is laid out for on screen.
    static constexpr int PreferredHeight = 8400;
    static constexpr int MinimumWidth = 9000;

    AnalysisChart(const AnalysisResult& result, int station);

    // Draws into the box, in twips of the painter's device.
    void draw(QPainter& painter, const QRect& box) const;

private:
    struct Panel;
    void drawPanel(ChartSurface& surface, const Panel& panel, const QRect& area) const;

    const AnalysisResult& m_result;
    int m_station;
};

} // namespace analysis
