#pragma once

#include <QString>
#include <QTreeView>

// A tree view that, until a model is set, draws one line of advice over its empty viewport.
// The line is painted, never added as a row or a header, so whatever reads the view's model
// never sees it.
class PlaceholderTreeView : public QTreeView {
    Q_OBJECT

public:
    explicit PlaceholderTreeView(QWidget* parent = nullptr);

    void setPlaceholderText(const QString& text);
    [[nodiscard]] const QString& placeholderText() const { return m_placeholder; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_placeholder;
};
