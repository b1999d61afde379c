#pragma once

#include <QRect>
#include <QSize>

// Where the main window's panes go, in twips of the client area. Plain arithmetic so the
// splitter limits can be checked without a window.
struct MainPaneLayout {
    static constexpr int MinWindowWidth = 3000;
    static constexpr int SplitterMargin = 1500;       // vertical splitter from either edge
    static constexpr int SplitterGap = 40;            // right pane starts this far right of it
    static constexpr int DragMarginVertical = 500;    // dragged vertical bar from the edges
    static constexpr int DragMarginHorizontal = 2500; // dragged horizontal bar from top/bottom
    static constexpr int BarThickness = 40;

    QRect upperLeft;
    QRect lowerLeft;
    QRect right;
    QRect verticalBar;
    QRect horizontalBar;
    int splitterLeft = 0;
    int hSplitterTop = 0;

    // Lays the panes out from the splitter positions, keeping the vertical splitter at
    // least SplitterMargin from either edge.
    [[nodiscard]] static MainPaneLayout compute(QSize clientTwips, int splitterLeft,
                                                int hSplitterTop);

    // Where a dragged bar may go while the mouse moves.
    [[nodiscard]] static int clampVerticalDrag(int x, int clientWidth);
    [[nodiscard]] static int clampHorizontalDrag(int y, int clientHeight);
};
