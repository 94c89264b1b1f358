#include "engine/Numbers.h"

#include <climits>
#include <cstdio>

namespace tandrel {

std::string Digits(int value, int width)
{
    // The records' fields are small: write them out without the formatter when they fit.
    const int limit = width == 1 ? 10 : width == 2 ? 100 : width == 3 ? 1000 : 0;
    if (value >= 0 && value < limit) {
        std::string text(static_cast<std::size_t>(width), '0');
        for (int i = width - 1; value > 0; --i, value /= 10)
            text[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
        return text;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

int LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

int TakeNumber(std::string& s, int n)
{
    const auto width = static_cast<std::size_t>(n);
    const int value = LeadingNumber(std::string_view(s).substr(0, width));
    if (s.size() >= width) s.erase(0, width);
    return value;
}

} // namespace tandrel
