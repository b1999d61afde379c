#include "analysis/FigureKind.h"

namespace analysis {

QString Figures::name(FigureKind kind) {
    switch (kind) {
    case FigureKind::MaxTemperature:
        return QStringLiteral("最高温度");
    case FigureKind::Core:
        return QStringLiteral("核心温度");
    case FigureKind::Surface:
        return QStringLiteral("表层温度");
    case FigureKind::Bottom:
        return QStringLiteral("底层温度");
    case FigureKind::Air:
        return QStringLiteral("大气温度");
    case FigureKind::CoreSurface:
        return QStringLiteral("里表温差（表层）");
    case FigureKind::CoreBottom:
        return QStringLiteral("里表温差（底层）");
    case FigureKind::Rise:
        return QStringLiteral("温升");
    case FigureKind::CoolingRate:
        return QStringLiteral("降温速率");
    case FigureKind::SurfaceAir:
        return QStringLiteral("表气温差");
    }
    return {};
}

QString Figures::unit(FigureKind kind) {
    return kind == FigureKind::CoolingRate ? QStringLiteral("℃/d") : QStringLiteral("℃");
}

QString Figures::heading(FigureKind kind) {
    return name(kind) + QLatin1Char('(') + unit(kind) + QLatin1Char(')');
}

QString Figures::heading(FigureKind kind, bool placingAssumed) {
    return heading(kind) +
           (placingAssumed && kind == FigureKind::Rise ? QStringLiteral("（假定）") : QString());
}

std::optional<LimitKind> Figures::limitOf(FigureKind kind) {
    switch (kind) {
    case FigureKind::MaxTemperature:
        return LimitKind::MaxTemperature;
    case FigureKind::CoreSurface:
    case FigureKind::CoreBottom:
        return LimitKind::CoreSurface;
    case FigureKind::Rise:
        return LimitKind::Rise;
    case FigureKind::CoolingRate:
        return LimitKind::CoolingRate;
    case FigureKind::SurfaceAir:
        return LimitKind::SurfaceAir;
    default:
        return std::nullopt;
    }
}

QString Figures::limitName(LimitKind kind) {
    switch (kind) {
    case LimitKind::MaxTemperature:
        return QStringLiteral("最高温度");
    case LimitKind::Rise:
        return QStringLiteral("温升");
    case LimitKind::CoreSurface:
        return QStringLiteral("里表温差");
    case LimitKind::CoolingRate:
        return QStringLiteral("降温速率");
    case LimitKind::SurfaceAir:
        return QStringLiteral("表气温差");
    }
    return {};
}

QString Figures::limitUnit(LimitKind kind) {
    return kind == LimitKind::CoolingRate ? QStringLiteral("℃/d") : QStringLiteral("℃");
}

} // namespace analysis
