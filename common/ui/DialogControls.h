#pragma once

#include <QString>

class QComboBox;
class QWidget;

// An editable list of stored values (date-times or sensor numbers) that the user may also
// type into; typing never adds to the list, and the box is wide enough for a date-time.
[[nodiscard]] QComboBox* EditableValueList(const QString& name, QWidget* parent);
