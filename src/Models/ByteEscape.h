#pragma once
// Path and name bytes written as text: valid UTF-8 stays as it is; any other byte, a
// control character and the backslash itself become the four characters \xNN. Every
// \xNN therefore stands for exactly one byte, and the text turns back into the very same
// bytes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The code point of the valid UTF-8 sequence at s[i] and its length; length 0 when the bytes
// there are not one.
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 0;
};
Utf8Char decodeUtf8(std::string_view s, std::size_t i);

std::string escapedBytes(std::string_view bytes);
// The bytes back; nullopt when a backslash begins anything but \xNN.
std::optional<std::string> unescapedBytes(std::string_view text);
// 0-15 for a hexadecimal digit (either case), else -1.
int hexDigitValue(char c);
