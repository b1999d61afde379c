#pragma once

#include "common/StoreAccess.h"
#include "common/ui/DialogControls.h"

#include <QDateTime>
#include <QString>

class QCheckBox;
class QDateTimeEdit;
class QDialogButtonBox;
class QPushButton;
class QWidget;

// Small pieces the analysis dialogs are built from, each named as its control.
namespace AnalysisControls {

using DialogControls::button;
using DialogControls::textBox;
// A date-time box for wall-clock times, seconds shown, enabled while its check box is.
[[nodiscard]] QDateTimeEdit* momentBox(const QString& name, QCheckBox* enabledBy,
                                       const QDateTime& value, const QDateTime& fallback,
                                       QWidget* parent);
// The wall-clock value of a box.
[[nodiscard]] QDateTime moment(const QDateTimeEdit* box);
// "确定" (cmdOK) and "取消" (CmdCancle) in a row; OK saves, so a user who only views cannot
// press it.
[[nodiscard]] QDialogButtonBox* okCancel(QWidget* parent, const StoreAccess& access,
                                         QPushButton*& ok, QPushButton*& cancel);

} // namespace AnalysisControls
