#include "device/UploadTexts.h"

#include "common/NumberText.h"
#include "link/ReplyDecoder.h"

#include <charconv>

QString SingleText(double value) {
    float single = static_cast<float>(value);
    if (single == 0.0F)
        single = 0.0F; // no "-0"
    char text[64];
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, single, std::chars_format::fixed);
    return QString::fromLatin1(text, static_cast<qsizetype>(end.ptr - text));
}

QStringList UploadTexts(const QStringList& readings) {
    if (readings.size() < ReadingCount)
        return {};
    QStringList texts;
    texts.reserve(ReadingCount);
    for (int k = 0; k < ReadingCount; ++k) {
        const QString& reading = readings[k];
        const auto single = static_cast<float>(Val(reading));
        const bool shown = reading != QLatin1String("E1") && single > -20.0F && single < 131.0F;
        texts.append(shown ? SingleText(single) : QStringLiteral("E1"));
    }
    return texts;
}
