#pragma once

#include "store/ui/QueryPane.h"

#include <QWidget>

#include <array>

class PlaceholderTreeView;
class QLabel;
class QLineEdit;
class QTreeView;
class SplitterBar;

// The main window's client area: the information list (upper left), the upload list with
// its in-place editor (lower left) and the query pane (right), each under its title, with
// the two splitter bars between them. The waiting panel, when handed in, stays centred
// above them.
class MainPanes : public QWidget, public QueryPane {
    Q_OBJECT

public:
    explicit MainPanes(QWidget* parent);

    [[nodiscard]] QTreeView* infoList() const { return ListView1; }
    [[nodiscard]] QTreeView* uploadList() const { return ListView2; }
    [[nodiscard]] QLineEdit* uploadEditor() const { return Text1; }
    [[nodiscard]] QTreeView* queryList() const;
    [[nodiscard]] QLabel* queryTitle() const { return lblTitle[1]; }

    void setOverlay(QWidget* overlay) { m_overlay = overlay; }
    // One line of advice drawn over the query pane until its first view is shown.
    void setQueryPlaceholder(const QString& text);

    // Lays the panes out with the splitters at the given positions (twips).
    void SizeControls(int splitterLeftTwips, int hSplitterTopTwips);
    void ResizeListViewS();
    // Shows the query pane at the given width (twips), its full height; 0 fills the pane.
    void ShowQueryPane(int widthTwips);

    // The query pane, as the store's commands fill it.
    void showQuery(ReadingsModel& model, int paneWidthTwips) override;
    void setQueryCaption(const QString& caption) override;

    // The vertical splitter's position as laid out, twips from the client's left.
    [[nodiscard]] int splitterLeft() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_upperLeft;
    QWidget* m_lowerLeft;
    QWidget* m_right;
    std::array<QLabel*, 3> lblTitle{};
    QTreeView* ListView1;
    QTreeView* ListView2;
    PlaceholderTreeView* ListView3;
    QLineEdit* Text1;
    SplitterBar* picSplitter;
    SplitterBar* picHHSplitter;
    QWidget* m_overlay = nullptr;
    QMetaObject::Connection m_fitFirstRow;
    int m_splitterLeft = 2600;
    int m_hSplitterTop = 3000;
    int m_queryPaneWidth = 0; // 0: fill the right pane
};
