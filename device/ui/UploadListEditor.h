#pragma once

#include <QObject>
#include <QPersistentModelIndex>

class QLineEdit;
class QTreeView;
class UploadReadings;

// The upload list's in-place editor: a click on a row opens the line editor over that
// row's temperature, and every key typed there writes the text into the row's reading.
class UploadListEditor : public QObject {
    Q_OBJECT

public:
    UploadListEditor(QTreeView& list, QLineEdit& editor, UploadReadings& readings);

    // Hides the editor without writing anything.
    void close();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(const QModelIndex& index);
    void writeBack();

    QTreeView& m_list;
    QLineEdit& m_editor;
    UploadReadings& m_readings;
    // The row being edited.
    int m_row = -1;
};
