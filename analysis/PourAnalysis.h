#pragma once

#include "analysis/AnalysisResult.h"

namespace analysis {

struct AnalysisInputs;

// Turns what the database holds into the analysis of the pour. `now` is the wall-clock
// time the open end of monitoring is measured to.
namespace PourAnalysis {

[[nodiscard]] AnalysisResult compute(const AnalysisInputs& inputs, const QDateTime& now);

} // namespace PourAnalysis

} // namespace analysis
