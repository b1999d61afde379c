#include "common/JetVal.h"

#include <charconv>
#include <cmath>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double JetVal::leadingNumber(const char* text, std::size_t length) {
    std::size_t i = 0;
    while (i < length && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < length && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < length && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < length && text[i] == '.') {
        ++i;
        while (i < length && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    std::size_t end = i;
    if (i < length && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < length && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t expStart = j;
        while (j < length && isDigit(text[j]))
            ++j;
        if (j > expStart)
            end = j;
    }
    // from_chars, unlike strtod, ignores the locale the windowing system has switched to.
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text + start, text + end, value);
    if (ec != std::errc() || ptr != text + end || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}
