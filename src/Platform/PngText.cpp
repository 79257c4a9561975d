#include "PngText.h"

#include <QtEndian>

#include <array>
#include <cstdint>
#include <string_view>

namespace pngtext {

namespace {

constexpr std::string_view kSignature{"\x89PNG\r\n\x1a\n", 8};
// A text value longer than this is not an attribute we care for; it also bounds inflating.
constexpr qsizetype kLongestValue = 64 * 1024;

struct Chunk {
    std::string_view type;
    std::string_view data;
    qsizetype begin = 0; // offset of the length field
    qsizetype end = 0;   // one past the CRC
};

// Walks the chunks; false when the bytes are not a well-formed PNG up to where it stops.
template <typename Visit> bool forEachChunk(const QByteArray& png, Visit visit)
{
    if (!png.startsWith(QByteArray::fromRawData(kSignature.data(), qsizetype(kSignature.size()))))
        return false;
    qsizetype at = qsizetype(kSignature.size());
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (length > quint32(png.size() - at - 12))
            return false;
        Chunk chunk{{png.constData() + at + 4, 4}, {png.constData() + at + 8, length}, at, at + 12 + qsizetype(length)};
        if (!visit(chunk) || chunk.type == "IEND")
            return true;
        at = chunk.end;
    }
    return false;
}

std::optional<std::string> inflate(std::string_view compressed)
{
    // qUncompress wants the expected size in front; it grows its buffer when that is short.
    QByteArray framed(4, '\0');
    qToBigEndian<quint32>(quint32(kLongestValue), framed.data());
    framed.append(compressed.data(), qsizetype(compressed.size()));
    const QByteArray plain = qUncompress(framed);
    if (plain.isEmpty() && !compressed.empty())
        return std::nullopt;
    return plain.left(kLongestValue).toStdString();
}

// Keyword and text of one text chunk, or nothing for other chunks and malformed ones.
std::optional<std::pair<std::string, std::string>> textOf(const Chunk& chunk)
{
    const std::size_t nul = chunk.data.find('\0');
    if (nul == std::string_view::npos || nul == 0)
        return std::nullopt;
    std::string keyword(chunk.data.substr(0, nul));
    std::string_view rest = chunk.data.substr(nul + 1);
    if (chunk.type == "tEXt")
        return std::pair{std::move(keyword), std::string(rest)};
    if (chunk.type == "zTXt") {
        if (rest.empty() || rest[0] != 0)
            return std::nullopt;
        auto text = inflate(rest.substr(1));
        return text ? std::optional(std::pair{std::move(keyword), std::move(*text)}) : std::nullopt;
    }
    if (chunk.type == "iTXt") {
        // compression flag, method, language tag \0, translated keyword \0, text
        if (rest.size() < 2)
            return std::nullopt;
        const bool compressed = rest[0] != 0;
        rest = rest.substr(2);
        for (int skip = 0; skip < 2; ++skip) {
            const std::size_t end = rest.find('\0');
            if (end == std::string_view::npos)
                return std::nullopt;
            rest = rest.substr(end + 1);
        }
        if (!compressed)
            return std::pair{std::move(keyword), std::string(rest)};
        auto text = inflate(rest);
        return text ? std::optional(std::pair{std::move(keyword), std::move(*text)}) : std::nullopt;
    }
    return std::nullopt;
}

std::uint32_t crc32(std::string_view bytes)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = table[(c ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray textChunk(const std::string& keyword, const std::string& value)
{
    std::string body = "tEXt" + keyword;
    body.push_back('\0');
    body += value;
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(body.size() - 4), chunk.data());
    chunk.append(body.data(), qsizetype(body.size()));
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32(body), crc.data());
    return chunk + crc;
}

bool isTextChunk(std::string_view type) { return type == "tEXt" || type == "zTXt" || type == "iTXt"; }

} // namespace

std::optional<std::map<std::string, std::string>> read(const QByteArray& png)
{
    std::map<std::string, std::string> text;
    const bool wellFormed = forEachChunk(png, [&](const Chunk& chunk) {
        if (isTextChunk(chunk.type))
            if (auto entry = textOf(chunk))
                text.emplace(std::move(*entry));
        return true;
    });
    if (!wellFormed)
        return std::nullopt;
    return text;
}

std::optional<QByteArray> withText(const QByteArray& png, const std::vector<std::pair<std::string, std::string>>& text)
{
    auto replaced = [&](const Chunk& chunk) {
        if (!isTextChunk(chunk.type))
            return false;
        const auto entry = textOf(chunk);
        for (const auto& [keyword, value] : text)
            if (entry && entry->first == keyword)
                return true;
        return false;
    };
    QByteArray out = png.left(qsizetype(kSignature.size()));
    bool sawHeader = false;
    const bool wellFormed = forEachChunk(png, [&](const Chunk& chunk) {
        if (replaced(chunk))
            return true;
        out.append(png.constData() + chunk.begin, chunk.end - chunk.begin);
        if (chunk.type == "IHDR" && !sawHeader) {
            sawHeader = true;
            for (const auto& [keyword, value] : text)
                out.append(textChunk(keyword, value));
        }
        return true;
    });
    if (!wellFormed || !sawHeader)
        return std::nullopt;
    return out;
}

} // namespace pngtext
