#pragma once

#include <QString>

#include <functional>

// The four fixed views, each timed in a child process of its own, so that its peak memory is
// the view's and not the benchmark's, beside a reference running the statements the view
// reads: the limited one for the first screen, the whole one for all rows. Each figure is
// the median of three runs.
namespace ViewTiming {

// The child's work: fills view number `viewNumber` from `db` and prints its figures on one line.
int runChild(const QString& viewNumber, const QString& db);

// The first screen's target for a database of `uploads` uploads of 999 readings.
[[nodiscard]] const char* firstScreenLimit(int uploads);

// Runs `program --view N db` for our figures, and `reference` (handed a statement in the
// program's SQL form, it returns its wall time in ms, or -1) for the reference's, named
// `referenceName` in the report, with `firstScreenLimit` the first screen's target.
void measure(const QString& program, const QString& db,
             const std::function<double(const QString&)>& reference, const char* referenceName,
             const char* firstScreenLimit);

} // namespace ViewTiming
