#include "Models/TextRef.h"

std::string EngineText::with(const std::vector<std::string>& args) const
{
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        if (text[at] == '%' && next >= '1' && next <= '9') {
            if (const auto index = static_cast<std::size_t>(next - '1'); index < args.size())
                out += args[index];
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}
