#include "app/MainPanes.h"

#include "app/MainPaneLayout.h"
#include "app/SplitterBar.h"
#include "common/TwipsScale.h"
#include "common/ui/PlaceholderTreeView.h"
#include "store/ReadingsModel.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

namespace {

constexpr int TitleHeight = 300; // twips
constexpr int OverlayWidth = 4500;
constexpr int OverlayHeight = 1000;

template <typename View = QTreeView> View* makeList(const QString& name, QWidget* parent) {
    auto* list = new View(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(false);
    return list;
}

QLabel* makeTitle(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblTitle"));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    return label;
}

} // namespace

MainPanes::MainPanes(QWidget* parent)
    : QWidget(parent),
      m_upperLeft(new QWidget(this)),
      m_lowerLeft(new QWidget(this)),
      m_right(new QWidget(this)),
      ListView1(makeList(QStringLiteral("ListView1"), m_upperLeft)),
      ListView2(makeList(QStringLiteral("ListView2"), m_lowerLeft)),
      ListView3(makeList<PlaceholderTreeView>(QStringLiteral("ListView3"), m_right)),
      Text1(new QLineEdit(ListView2->viewport())),
      picSplitter(new SplitterBar(Qt::Vertical, this)),
      picHHSplitter(new SplitterBar(Qt::Horizontal, this)) {
    setObjectName(QStringLiteral("client"));
    lblTitle[0] = makeTitle(QStringLiteral(" 当前设备信息:"), m_upperLeft);
    lblTitle[1] = makeTitle(QStringLiteral(" 数据查询列表:"), m_right);
    lblTitle[2] = makeTitle(QStringLiteral(" 当前设备内数据:"), m_lowerLeft);
    ListView2->setContextMenuPolicy(Qt::CustomContextMenu);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();

    picSplitter->setObjectName(QStringLiteral("picSplitter"));
    picSplitter->setClamp([this](int x) {
        return MainPaneLayout::clampVerticalDrag(x, Twips::FromPixels(width()));
    });
    connect(picSplitter, &SplitterBar::released, this,
            [this](int x) { SizeControls(x, m_hSplitterTop); });

    picHHSplitter->setObjectName(QStringLiteral("picHHSplitter"));
    picHHSplitter->setClamp([this](int y) {
        return MainPaneLayout::clampHorizontalDrag(y, Twips::FromPixels(height()));
    });
    connect(picHHSplitter, &SplitterBar::released, this,
            [this](int y) { SizeControls(m_splitterLeft, y); });
}

void MainPanes::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Panes are laid out when the client area has its real size, not before.
    SizeControls(m_splitterLeft, m_hSplitterTop);
}

void MainPanes::SizeControls(int splitterLeftTwips, int hSplitterTopTwips) {
    const QSize client(Twips::FromPixels(width()), Twips::FromPixels(height()));
    // The wanted positions are kept as given, so a window that was briefly small does not
    // leave its splitters squeezed once it grows again.
    m_splitterLeft = splitterLeftTwips;
    m_hSplitterTop = hSplitterTopTwips;
    const MainPaneLayout layout =
        MainPaneLayout::compute(client, splitterLeftTwips, hSplitterTopTwips);
    m_upperLeft->setGeometry(Twips::ToPixels(layout.upperLeft));
    m_lowerLeft->setGeometry(Twips::ToPixels(layout.lowerLeft));
    m_right->setGeometry(Twips::ToPixels(layout.right));
    picSplitter->setGeometry(Twips::ToPixels(layout.verticalBar));
    picHHSplitter->setGeometry(Twips::ToPixels(layout.horizontalBar));
    ResizeListViewS();

    if (m_overlay) {
        const QSize panel(Twips::ToPixels(OverlayWidth), Twips::ToPixels(OverlayHeight));
        m_overlay->setGeometry(QRect(
            QPoint((width() - panel.width()) / 2, (height() - panel.height()) / 2), panel));
        m_overlay->raise();
    }
}

QTreeView* MainPanes::queryList() const {
    return ListView3;
}

void MainPanes::setQueryPlaceholder(const QString& text) {
    ListView3->setPlaceholderText(text);
}

int MainPanes::splitterLeft() const {
    return Twips::FromPixels(picSplitter->x());
}

void MainPanes::ResizeListViewS() {
    const int title = Twips::ToPixels(TitleHeight);
    const auto fill = [title](QLabel* label, QWidget* list, QWidget* pane, int listWidth) {
        label->setGeometry(0, 0, pane->width(), title);
        list->setGeometry(0, title, listWidth, std::max(0, pane->height() - title));
    };
    fill(lblTitle[0], ListView1, m_upperLeft, m_upperLeft->width());
    fill(lblTitle[2], ListView2, m_lowerLeft, m_lowerLeft->width());
    const int queryWidth =
        m_queryPaneWidth > 0 ? Twips::ToPixels(m_queryPaneWidth) : m_right->width();
    fill(lblTitle[1], ListView3, m_right, queryWidth);
}

void MainPanes::ShowQueryPane(int widthTwips) {
    m_queryPaneWidth = widthTwips;
    ListView3->show();
    ResizeListViewS();
}

void MainPanes::showQuery(ReadingsModel& model, int paneWidthTwips) {
    QTreeView* list = ListView3;
    if (list->model() != &model)
        list->setModel(&model);
    ShowQueryPane(paneWidthTwips);
    for (int c = 0; c < model.columnCount(); ++c)
        list->header()->resizeSection(c, Twips::ToPixels(model.columnWidthTwips(c)));

    // The widths were chosen for a narrower font than this desktop's: once the first row is
    // in (the rows arrive while the pane already shows), no column is cut short of it, and
    // its texts are as wide as any below them.
    const auto fitFirstRow = [list, &model] {
        for (int c = 0; c < model.columnCount(); ++c)
            list->header()->resizeSection(
                c, std::max(list->header()->sectionSize(c),
                            list->sizeHintForIndex(model.index(0, c)).width()));
    };
    disconnect(m_fitFirstRow);
    if (model.rowCount() > 0)
        fitFirstRow();
    else
        m_fitFirstRow = connect(&model, &QAbstractItemModel::rowsInserted, this,
                                [fitFirstRow](const QModelIndex&, int first, int) {
                                    if (first == 0)
                                        fitFirstRow();
                                });
}

void MainPanes::setQueryCaption(const QString& caption) {
    lblTitle[1]->setText(caption);
}
