#include "engine/Texts.h"

namespace tandrel {

namespace {
TextLookup lookup = nullptr;
}

void SetTextLookup(TextLookup l) { lookup = l; }

std::string Translate(const char* context, const char* source) { return lookup ? lookup(context, source, -1) : source; }

std::string Translate(const char* context, const char* source, const char*, int n)
{
    std::string text = lookup ? lookup(context, source, n) : source;
    const std::string number = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + number.size()))
        text.replace(at, 2, number);
    return text;
}

std::string Arg(std::string text, const std::string& value)
{
    char lowest = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9' && (!lowest || text[i + 1] < lowest))
            lowest = text[i + 1];
    if (!lowest) return text;
    const std::string marker{'%', lowest};
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + value.size()))
        text.replace(at, marker.size(), value);
    return text;
}

std::string Arg(std::string text, int value) { return Arg(std::move(text), std::to_string(value)); }

} // namespace tandrel
