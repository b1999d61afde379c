#pragma once

#include <QString>
#include <QtNumeric>

namespace analysis {

// How a figure stands against its limit. None: no limit applies, or the figure is empty.
enum class FigureState : quint8 { None, Within, Warning, Over };

// One figure of one station at one upload: its value (NaN when it cannot be worked out)
// and its state.
struct Figure {
    double value = qQNaN();
    FigureState state = FigureState::None;

    [[nodiscard]] bool has() const { return !qIsNaN(value); }
};

namespace FigureStates {

// A value is within its limit up to warningShare x limit, a warning above that up to the
// limit itself, and over the limit above it. Differences of stored readings carry binary
// noise (45.3 - 20.3 is not exactly 25), so values are compared to a millionth of a degree.
[[nodiscard]] FigureState judge(double value, double limit, double warningShare);

[[nodiscard]] FigureState worse(FigureState a, FigureState b);

// "正常", "预警" or "超限"; empty for None.
[[nodiscard]] QString name(FigureState state);

} // namespace FigureStates

} // namespace analysis
