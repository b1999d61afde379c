#include "app/MainPaneLayout.h"

#include <algorithm>

namespace {

int clampBetween(int value, int low, int high) {
    // A window narrower than both margins keeps the splitter at the lower limit.
    return high < low ? low : std::clamp(value, low, high);
}

} // namespace

MainPaneLayout MainPaneLayout::compute(QSize clientTwips, int splitterLeft, int hSplitterTop) {
    MainPaneLayout l;
    const int w = clientTwips.width();
    const int h = std::max(0, clientTwips.height());
    l.splitterLeft = clampBetween(splitterLeft, SplitterMargin, w - SplitterMargin);
    l.hSplitterTop = std::clamp(hSplitterTop, 0, h);

    l.upperLeft = QRect(0, 0, l.splitterLeft, l.hSplitterTop);
    l.horizontalBar = QRect(0, l.hSplitterTop, l.splitterLeft, BarThickness);
    const int lowerTop = l.hSplitterTop + BarThickness;
    l.lowerLeft = QRect(0, lowerTop, l.splitterLeft, std::max(0, h - lowerTop));
    l.verticalBar = QRect(l.splitterLeft, 0, SplitterGap, h);
    const int rightLeft = l.splitterLeft + SplitterGap;
    l.right = QRect(rightLeft, 0, std::max(0, w - rightLeft), h);
    return l;
}

int MainPaneLayout::clampVerticalDrag(int x, int clientWidth) {
    return clampBetween(x, DragMarginVertical, clientWidth - DragMarginVertical);
}

int MainPaneLayout::clampHorizontalDrag(int y, int clientHeight) {
    return clampBetween(y, DragMarginHorizontal, clientHeight - DragMarginHorizontal);
}
