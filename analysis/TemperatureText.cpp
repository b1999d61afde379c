#include "analysis/TemperatureText.h"

#include <charconv>

namespace analysis {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<double> TemperatureText::parse(const char* text, std::size_t length) {
    std::size_t begin = 0;
    std::size_t end = length;
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    bool negative = false;
    if (begin < end && (text[begin] == '+' || text[begin] == '-')) {
        negative = text[begin] == '-';
        ++begin;
    }
    // Digits with at most one point, and nothing else: no exponent, no "inf".
    std::size_t digits = 0;
    bool point = false;
    for (std::size_t i = begin; i < end; ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    double value = 0.0;
    // from_chars, unlike strtod, ignores the locale the windowing system has switched to.
    const auto [ptr, ec] = std::from_chars(text + begin, text + end, value);
    if (ec != std::errc() || ptr != text + end)
        return std::nullopt;
    if (negative)
        value = -value;
    if (value <= Lowest || value >= Highest)
        return std::nullopt;
    return value;
}

} // namespace analysis
