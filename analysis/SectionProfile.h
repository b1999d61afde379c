#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace analysis {

struct AnalysisResult;

// The section of one station at one upload: each slot's temperature against its depth
// below the top face, from the surface down to the bottom, drawn in twips like the chart.
namespace SectionProfile {

// Why the station has no profile, in words; empty when it has one. It needs depths for at
// least two slots.
[[nodiscard]] QString problem(const AnalysisResult& result, int station);

void draw(QPainter& painter, const QRect& box, const AnalysisResult& result, int station,
          int upload);

} // namespace SectionProfile

} // namespace analysis
