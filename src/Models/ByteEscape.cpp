#include "Models/ByteEscape.h"

#include <cstdio>

Utf8Char decodeUtf8(std::string_view s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length;
    char32_t codePoint;
    if (lead < 0x80)
        return {lead, 1};
    if ((lead & 0xE0) == 0xC0)
        length = 2, codePoint = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, codePoint = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, codePoint = lead & 0x07;
    else
        return {};
    if (i + length > s.size())
        return {};
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return {};
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kMinimum[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return {};
    return {codePoint, length};
}

std::string escapedBytes(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        // Control characters are escaped too, so a crafted name cannot fake lines of output or
        // steer a terminal; that includes C1 controls such as U+009B, which some terminals
        // take for the start of an escape sequence.
        const Utf8Char c = decodeUtf8(bytes, i);
        const bool control = c.codePoint < 0x20 || (c.codePoint >= 0x7F && c.codePoint <= 0x9F);
        if (c.length > 0 && !control && c.codePoint != '\\') {
            out.append(bytes.substr(i, c.length));
            i += c.length;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(bytes[i]));
            out.append(escaped);
            ++i;
        }
    }
    return out;
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> unescapedBytes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 3 >= text.size() || text[i + 1] != 'x' || hexDigitValue(text[i + 2]) < 0 ||
            hexDigitValue(text[i + 3]) < 0)
            return std::nullopt;
        out.push_back(char(hexDigitValue(text[i + 2]) * 16 + hexDigitValue(text[i + 3])));
        i += 3;
    }
    return out;
}
