#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

// An editable list of stored values (date-times or sensor numbers) that the user may also
// type into; typing never adds to the list, and the box is wide enough for a date-time.
[[nodiscard]] QComboBox* EditableValueList(const QString& name, QWidget* parent);

// Puts `values` into such a list with none of them chosen. Its drop-down is made wide
// enough for the widest value, however narrow the box itself is.
void ShowValues(QComboBox* list, const QStringList& values);
