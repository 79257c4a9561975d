#include "Platform/AppMetadata.h"

#include "Models/TextLines.h"

#include <vector>

namespace appmeta {
namespace {

// Steam text tokens: quoted strings (with \" and \\), braces, and bare words.
struct Token {
    enum Kind { text, open, close } kind;
    std::string value;
};

std::vector<Token> steamTokens(std::string_view content)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < content.size()) {
        const char c = content[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (c == '/' && i + 1 < content.size() && content[i + 1] == '/') {
            i = content.find('\n', i);
            if (i == std::string_view::npos)
                break;
        } else if (c == '{' || c == '}') {
            tokens.push_back({c == '{' ? Token::open : Token::close, {}});
            ++i;
        } else if (c == '"') {
            std::string value;
            for (++i; i < content.size() && content[i] != '"'; ++i) {
                if (content[i] == '\\' && i + 1 < content.size())
                    ++i;
                value.push_back(content[i]);
            }
            ++i; // the closing quote (or past the end)
            tokens.push_back({Token::text, std::move(value)});
        } else {
            const auto end = content.find_first_of(" \t\r\n{}\"", i);
            const std::size_t stop = end == std::string_view::npos ? content.size() : end;
            tokens.push_back({Token::text, std::string(content.substr(i, stop - i))});
            i = stop;
        }
    }
    return tokens;
}

} // namespace

std::map<std::string, std::string> parseSnapYaml(std::string_view content)
{
    std::map<std::string, std::string> values;
    text::forEachLine(content, [&](std::string_view line) {
        if (line.empty() || line.front() == ' ' || line.front() == '\t' || line.front() == '#' || line.front() == '-')
            return; // nested or a comment
        const auto colon = line.find(':');
        if (colon == std::string_view::npos)
            return;
        std::string_view value = text::trimmed(line.substr(colon + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        if (!value.empty())
            values.emplace(std::string(text::trimmed(line.substr(0, colon))), std::string(value));
    });
    return values;
}

bool hasAppImageSignature(std::string_view head)
{
    return head.size() >= 11 &&
           head.substr(0, 4) == "\x7f"
                                "ELF" &&
           head.substr(8, 2) == "AI" && (head[10] == 1 || head[10] == 2);
}

bool isAppImage(HomeReader& reader, const std::string& path)
{
    constexpr std::size_t kHeadBytes = 11;
    const auto head = reader.readHead(path, kHeadBytes);
    return head && hasAppImageSignature(*head);
}

std::map<std::string, std::string> parseSteamManifest(std::string_view content)
{
    std::map<std::string, std::string> values;
    const std::vector<Token> tokens = steamTokens(content);
    // "<name>" "{" then pairs; nested blocks are stepped over by depth.
    if (tokens.size() < 2 || tokens[0].kind != Token::text || tokens[1].kind != Token::open)
        return values;
    int depth = 1;
    for (std::size_t i = 2; i < tokens.size() && depth > 0; ++i) {
        const Token& token = tokens[i];
        if (token.kind == Token::open) {
            ++depth;
        } else if (token.kind == Token::close) {
            --depth;
        } else if (depth == 1 && i + 1 < tokens.size() && tokens[i + 1].kind == Token::text) {
            values.emplace(token.value, tokens[i + 1].value);
            ++i;
        }
    }
    return values;
}

} // namespace appmeta
