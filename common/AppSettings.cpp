#include "common/AppSettings.h"

#include <QSettings>

namespace {

QString settingKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QString AppSettings::GetSetting(const QString& application, const QString& section,
                                const QString& key, const QString& defaultValue) {
    QSettings store(QSettings::UserScope, QStringLiteral("thermbook"), application);
    return store.value(settingKey(section, key), defaultValue).toString();
}

bool AppSettings::SaveSetting(const QString& application, const QString& section,
                              const QString& key, const QString& value) {
    QSettings store(QSettings::UserScope, QStringLiteral("thermbook"), application);
    store.setValue(settingKey(section, key), value);
    // A read-only or full settings folder is only found out when the file is written.
    store.sync();
    return store.status() == QSettings::NoError;
}

QString AppSettings::FileName(const QString& application) {
    return QSettings(QSettings::UserScope, QStringLiteral("thermbook"), application).fileName();
}

int AppSettings::GetNumber(const QString& application, const QString& section, const QString& key,
                           int defaultValue) {
    bool ok = false;
    const double value = GetSetting(application, section, key).trimmed().toDouble(&ok);
    return ok ? static_cast<int>(value) : defaultValue;
}
