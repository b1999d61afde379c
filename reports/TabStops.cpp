#include "reports/TabStops.h"

#include <QStringView>

#include <algorithm>
#include <iterator>

namespace {

// The East Asian wide and fullwidth blocks: a Chinese editor shows each of their
// characters two columns wide, so padding by characters would push the next field right.
struct WideBlock {
    char32_t first;
    char32_t last;
};
constexpr WideBlock WideBlocks[] = {
    {0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},
    {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

bool wide(char32_t c) {
    return std::any_of(std::begin(WideBlocks), std::end(WideBlocks),
                       [c](const WideBlock& b) { return c >= b.first && c <= b.last; });
}

qsizetype displayWidth(QStringView text) {
    qsizetype columns = 0;
    for (const char32_t c : text.toUcs4())
        columns += wide(c) ? 2 : 1;
    return columns;
}

} // namespace

QStringList PlaceAtStops(const QVector<TabField>& fields) {
    QStringList lines{QString()};
    qsizetype width = 0;
    for (const TabField& field : fields) {
        const qsizetype before = field.column - 1;
        if (width > before) {
            lines.append(QString());
            width = 0;
        }
        lines.last() += QString(before - width, QLatin1Char(' ')) + field.text;
        width = before + displayWidth(field.text);
    }
    return lines;
}
