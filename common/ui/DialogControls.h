#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls carry their object names, so tests and the screenshot tour find them by name.
namespace DialogControls {

// A widget just made, given its object name.
template <typename W> [[nodiscard]] W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// Whether a button becomes the dialog's default while it has the focus. Most of ours do
// not, so Enter in a text box never presses a button by surprise; Auto leaves Qt's choice.
enum class AutoDefault { Off, Auto };

[[nodiscard]] QPushButton* button(const QString& name, const QString& caption, QWidget* parent,
                                  AutoDefault autoDefault = AutoDefault::Off);
[[nodiscard]] QLineEdit* textBox(const QString& name, const QString& text, QWidget* parent);

} // namespace DialogControls

// An editable list of stored values (date-times or sensor numbers) that the user may also
// type into; typing never adds to the list, and the box is wide enough for a date-time.
[[nodiscard]] QComboBox* EditableValueList(const QString& name, QWidget* parent);

// Puts `values` into such a list with none of them chosen. Its drop-down is made wide
// enough for the widest value, however narrow the box itself is.
void ShowValues(QComboBox* list, const QStringList& values);
