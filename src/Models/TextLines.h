#pragma once
// Small readers of plain text that the metadata parsers share: pieces between
// separators, lines, and blanks at the ends. Bytes are kept as they are.

#include <string_view>
#include <vector>

namespace text {

// "a//b" split at '/' → "a", "", "b"; an empty text gives one empty piece.
std::vector<std::string_view> split(std::string_view text, char separator);

// Each line without its "\n" and without a "\r" before it; no line after a final "\n".
template <typename Fn> void forEachLine(std::string_view content, Fn&& fn)
{
    std::size_t start = 0;
    while (start < content.size()) {
        auto end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        fn(line);
        start = end + 1;
    }
}

// Without spaces, tabs and a carriage return at either end.
std::string_view trimmed(std::string_view text);

} // namespace text
