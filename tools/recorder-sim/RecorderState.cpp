#include "tools/recorder-sim/RecorderState.h"

#include "tools/recorder-sim/SimOptions.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

bool RecorderState::operator==(const RecorderState& other) const {
    return serial == other.serial && uploadTime == other.uploadTime &&
           errorSign == other.errorSign && errorMagnitude == other.errorMagnitude &&
           powerOffMinutes == other.powerOffMinutes && readingsCleared == other.readingsCleared;
}

QString RecorderState::toText() const {
    QString serialHex;
    for (quint8 b : serial) {
        serialHex += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    }
    QStringList upload;
    for (quint8 b : uploadTime) {
        upload << QString::number(b);
    }
    return QStringLiteral("# recorder-sim state, rewritten after every change\n"
                          "serial=%1\n"
                          "upload-time=%2\n"
                          "error-correction=%3%4\n"
                          "power-off-minutes=%5\n"
                          "readings-cleared=%6\n")
        .arg(serialHex, upload.join(QLatin1Char(' ')),
             errorSign == 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(errorMagnitude)
        .arg(powerOffMinutes)
        .arg(readingsCleared ? QStringLiteral("yes") : QStringLiteral("no"));
}

bool RecorderState::fromText(const QString& text, QString* error) {
    RecorderState read;
    QSet<QString> seen;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        auto fail = [&](const QString& why) {
            *error = QStringLiteral("line %1: %2").arg(i + 1).arg(why);
            return false;
        };
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) {
            return fail(QStringLiteral("expected key=value"));
        }
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        bool ok = false;
        if (key == QLatin1String("serial")) {
            const auto bytes = parseSerial(value);
            ok = bytes.has_value();
            if (ok) {
                read.serial = *bytes;
            }
        } else if (key == QLatin1String("upload-time")) {
            const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            ok = parts.size() == 5;
            for (int p = 0; ok && p < 5; ++p) {
                const uint v = parts.at(p).toUInt(&ok);
                ok = ok && v <= 255;
                read.uploadTime.at(static_cast<size_t>(p)) = static_cast<quint8>(v);
            }
        } else if (key == QLatin1String("error-correction")) {
            const auto signAndMagnitude = parseErrorCorrection(value);
            ok = signAndMagnitude.has_value();
            if (ok) {
                read.errorSign = (*signAndMagnitude)[0];
                read.errorMagnitude = (*signAndMagnitude)[1];
            }
        } else if (key == QLatin1String("power-off-minutes")) {
            const uint v = value.toUInt(&ok);
            ok = ok && v <= 255;
            read.powerOffMinutes = static_cast<quint8>(v);
        } else if (key == QLatin1String("readings-cleared")) {
            ok = value == QLatin1String("yes") || value == QLatin1String("no");
            read.readingsCleared = value == QLatin1String("yes");
        } else {
            return fail(QStringLiteral("unknown key '%1'").arg(key));
        }
        if (!ok) {
            return fail(QStringLiteral("bad value for %1: '%2'").arg(key, value));
        }
        seen.insert(key);
    }
    if (seen.size() != 5) {
        *error = QStringLiteral("some keys are missing");
        return false;
    }
    *this = read;
    return true;
}

bool RecorderState::save(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    file.write(toText().toUtf8());
    if (!file.commit()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool RecorderState::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QString why;
    if (!fromText(QString::fromUtf8(file.readAll()), &why)) {
        *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    return true;
}
