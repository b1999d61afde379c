#include "device/ui/UploadListEditor.h"

#include "common/TwipsScale.h"
#include "device/UploadReadings.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

namespace {

// Where the editor sits over a row, from the row's left edge, and how wide it is.
constexpr int EditorLeftTwips = 2000;
constexpr int EditorWidthTwips = 1000;

} // namespace

UploadListEditor::UploadListEditor(QTreeView& list, QLineEdit& editor, UploadReadings& readings)
    : QObject(&list), m_list(list), m_editor(editor), m_readings(readings) {
    m_editor.hide();
    m_editor.installEventFilter(this);
    // This editor is the list's only one; the view's own would be a second, wider one.
    m_list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(&m_list, &QTreeView::clicked, this, &UploadListEditor::open);
    connect(&m_list, &QTreeView::pressed, this,
            &UploadListEditor::keepFromScrollingToThePressedCell);
    // The readings are only ever replaced as a whole.
    connect(&m_readings, &QAbstractItemModel::modelAboutToBeReset, this, &UploadListEditor::close);
}

void UploadListEditor::keepFromScrollingToThePressedCell() {
    // A press makes the view scroll to the pressed cell a moment later. The temperature
    // column is wider than the list, so that scroll would push the data numbers out of
    // sight. Auto-scrolling is back once this press has been handled.
    if (!m_list.hasAutoScroll())
        return;
    m_list.setAutoScroll(false);
    QTimer::singleShot(0, this, [this] { m_list.setAutoScroll(true); });
}

void UploadListEditor::open(const QModelIndex& index) {
    if (!index.isValid())
        return;
    m_row = index.row();
    m_editor.setText(m_readings.temperature(m_row));
    const QRect row = m_list.visualRect(index.siblingAtColumn(UploadReadings::DataNumber));
    m_editor.setGeometry(row.left() + Twips::ToPixels(EditorLeftTwips), row.top(),
                         Twips::ToPixels(EditorWidthTwips), row.height());
    m_editor.show();
    m_editor.setFocus();
}

void UploadListEditor::close() {
    m_row = -1;
    m_editor.hide();
}

void UploadListEditor::writeBack() {
    if (m_row >= 0 && m_row < m_readings.rowCount())
        m_readings.setTemperature(m_row, m_editor.text());
}

bool UploadListEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_editor) {
        if (event->type() == QEvent::KeyRelease)
            writeBack();
        else if (event->type() == QEvent::Enter)
            m_editor.setFocus();
    }
    return QObject::eventFilter(watched, event);
}
