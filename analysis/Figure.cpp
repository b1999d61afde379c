#include "analysis/Figure.h"

#include <algorithm>

namespace analysis {

namespace {

constexpr double Tolerance = 1e-6;

} // namespace

FigureState FigureStates::judge(double value, double limit, double warningShare) {
    if (qIsNaN(value))
        return FigureState::None;
    if (value > limit + Tolerance)
        return FigureState::Over;
    if (value > warningShare * limit + Tolerance)
        return FigureState::Warning;
    return FigureState::Within;
}

FigureState FigureStates::worse(FigureState a, FigureState b) {
    return std::max(a, b);
}

QString FigureStates::name(FigureState state) {
    switch (state) {
    case FigureState::Within:
        return QStringLiteral("正常");
    case FigureState::Warning:
        return QStringLiteral("预警");
    case FigureState::Over:
        return QStringLiteral("超限");
    case FigureState::None:
        break;
    }
    return {};
}

} // namespace analysis
