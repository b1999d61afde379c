#pragma once

#include <QObject>
#include <QPersistentModelIndex>

class QLineEdit;
class QTreeView;
class UploadReadings;

// The upload list's in-place editor: a click on a row opens the line editor over that
// row's temperature, and every key typed there writes the text into the row's reading.
// Refilling or clearing the readings closes the editor without writing, so nothing typed
// afterwards can land on a reading of another upload. Clicks never move the list sideways.
class UploadListEditor : public QObject {
    Q_OBJECT

public:
    UploadListEditor(QTreeView& list, QLineEdit& editor, UploadReadings& readings);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(const QModelIndex& index);
    // Hides the editor without writing anything.
    void close();
    void writeBack();
    void keepFromScrollingToThePressedCell();

    QTreeView& m_list;
    QLineEdit& m_editor;
    UploadReadings& m_readings;
    // The row being edited.
    int m_row = -1;
};
