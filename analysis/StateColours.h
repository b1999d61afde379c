#pragma once

#include "analysis/Figure.h"

#include <QColor>

namespace analysis {

// The colours of the states wherever figures are shown: tables, charts and the record
// sheet. Invalid (the surface's own colour) for within and for no state.
namespace StateColours {

[[nodiscard]] QColor text(FigureState state);
// A light shade behind a cell.
[[nodiscard]] QColor background(FigureState state);

} // namespace StateColours

} // namespace analysis
