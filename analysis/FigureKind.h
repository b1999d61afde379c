#pragma once

#include <QString>

#include <optional>

namespace analysis {

// The figures worked out for a station at every upload, in the order the tables show them.
enum class FigureKind : int {
    MaxTemperature,
    Core,
    Surface,
    Bottom,
    Air,
    CoreSurface,
    CoreBottom,
    Rise,
    CoolingRate,
    SurfaceAir,
};
inline constexpr int FigureCount = 10;

// The limits a limit set may hold. Both core differences answer to the one CoreSurface limit.
enum class LimitKind : int { MaxTemperature, Rise, CoreSurface, CoolingRate, SurfaceAir };
inline constexpr int LimitCount = 5;

namespace Figures {

[[nodiscard]] constexpr int index(FigureKind kind) {
    return static_cast<int>(kind);
}
[[nodiscard]] constexpr FigureKind kind(int index) {
    return static_cast<FigureKind>(index);
}

[[nodiscard]] QString name(FigureKind kind);
// "℃", or "℃/d" for the cooling rate.
[[nodiscard]] QString unit(FigureKind kind);
// The figure's name with its unit in brackets, for column headers.
[[nodiscard]] QString heading(FigureKind kind);
// The same, the rise marked "（假定）" when it stands on an assumed placing temperature.
[[nodiscard]] QString heading(FigureKind kind, bool placingAssumed);
// The limit a figure is judged against; none for the plain temperatures.
[[nodiscard]] std::optional<LimitKind> limitOf(FigureKind kind);

[[nodiscard]] QString limitName(LimitKind kind);
[[nodiscard]] QString limitUnit(LimitKind kind);

} // namespace Figures

} // namespace analysis
