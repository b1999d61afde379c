#include "analysis/ui/AnalysisControls.h"

#include "common/ui/ReadOnlyControls.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QPushButton>

QDateTimeEdit* AnalysisControls::momentBox(const QString& name, QCheckBox* enabledBy,
                                           const QDateTime& value, const QDateTime& fallback,
                                           QWidget* parent) {
    auto* box = new QDateTimeEdit(parent);
    box->setObjectName(name);
    box->setTimeSpec(Qt::UTC);
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    box->setCalendarPopup(true);
    box->setDateTime(value.isValid() ? value : fallback);
    enabledBy->setChecked(value.isValid());
    box->setEnabled(value.isValid());
    QObject::connect(enabledBy, &QCheckBox::toggled, box, &QWidget::setEnabled);
    return box;
}

QDateTime AnalysisControls::moment(const QDateTimeEdit* box) {
    const QDateTime value = box->dateTime();
    return QDateTime(value.date(), value.time(), Qt::UTC);
}

QDialogButtonBox* AnalysisControls::okCancel(QWidget* parent, const StoreAccess& access,
                                             QPushButton*& ok, QPushButton*& cancel) {
    auto* buttons = new QDialogButtonBox(parent);
    ok = button(QStringLiteral("cmdOK"), QStringLiteral("确定"), buttons);
    cancel = button(QStringLiteral("CmdCancle"), QStringLiteral("取消"), buttons);
    ok->setDefault(true);
    ReadOnlyControls::apply(access, {ok});
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    return buttons;
}
