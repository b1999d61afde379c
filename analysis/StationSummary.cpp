#include "analysis/StationSummary.h"

#include "analysis/KeepLarger.h"
#include "analysis/StationSeries.h"

#include <QtNumeric>

namespace analysis {

StationSummary StationSummary::of(const StationSeries& series) {
    StationSummary s{qQNaN(), qQNaN(), qQNaN(), qQNaN()};
    bool read = false;
    for (int i = 0; i < series.judged; ++i) {
        const UploadFigures& u = series.uploads[i];
        read = read || u.read();
        keepLarger(s.maxTemperature, u[FigureKind::MaxTemperature].value);
        keepLarger(s.maxCoreDifference, u[FigureKind::CoreSurface].value);
        keepLarger(s.maxCoreDifference, u[FigureKind::CoreBottom].value);
        keepLarger(s.maxCoolingRate, u[FigureKind::CoolingRate].value);
        keepLarger(s.maxRise, u[FigureKind::Rise].value);
        for (const Figure& f : u.figures) {
            s.warnings += f.state == FigureState::Warning ? 1 : 0;
            s.overs += f.state == FigureState::Over ? 1 : 0;
        }
    }
    // A rise is a negative cooling rate at one upload, but a station that only warmed has
    // not cooled at all: its largest cooling is none, not a negative one.
    if (s.maxCoolingRate < 0)
        s.maxCoolingRate = 0;
    s.verdict = !read         ? Verdict::NoData
                : s.overs     ? Verdict::Over
                : s.warnings  ? Verdict::Warning
                              : Verdict::Within;
    return s;
}

QString StationSummary::verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::NoData:
        return QStringLiteral("无数据");
    case Verdict::Within:
        return QStringLiteral("正常");
    case Verdict::Warning:
        return QStringLiteral("有预警");
    case Verdict::Over:
        return QStringLiteral("有超限");
    }
    return {};
}

} // namespace analysis
