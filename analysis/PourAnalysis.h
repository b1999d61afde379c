#pragma once

#include "analysis/AnalysisResult.h"

namespace analysis {

struct AnalysisInputs;

// Turns what the database holds into the analysis of the pour. `now` is the wall-clock
// time the open end of monitoring is measured to.
namespace PourAnalysis {

[[nodiscard]] AnalysisResult compute(const AnalysisInputs& inputs, const QDateTime& now);
// Counts the chosen pour's strength into the inputs, so the figures need not; for long work
// right after the readings are read.
void countStrength(AnalysisInputs& inputs);

} // namespace PourAnalysis

} // namespace analysis
