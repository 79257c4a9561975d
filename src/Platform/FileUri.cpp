#include "FileUri.h"

#include "Models/ByteEscape.h"

std::string percentEncoded(std::string_view bytes, std::string_view punctuationKept)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool alphanumeric =
            (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9');
        if (alphanumeric || punctuationKept.find(c) != std::string_view::npos) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0xF]);
        }
    }
    return out;
}

std::string fileUriOfPath(std::string_view path) { return "file://" + percentEncoded(path, "-._~!$&'()*+,=:@/"); }

std::optional<std::string> pathOfFileUri(std::string_view uri)
{
    constexpr std::string_view kScheme = "file://";
    if (uri.size() < kScheme.size())
        return std::nullopt;
    for (std::size_t i = 0; i < kScheme.size(); ++i)
        if ((uri[i] | (i < 4 ? 0x20 : 0)) != kScheme[i]) // the scheme is case-insensitive
            return std::nullopt;
    uri.remove_prefix(kScheme.size());
    if (uri.starts_with("localhost/"))
        uri.remove_prefix(9);
    if (!uri.starts_with('/'))
        return std::nullopt;
    // A query or fragment is not part of the path (a '#' or '?' in a name arrives escaped).
    uri = uri.substr(0, uri.find_first_of("?#"));
    std::string path;
    path.reserve(uri.size());
    for (std::size_t i = 0; i < uri.size(); ++i) {
        if (uri[i] != '%') {
            path.push_back(uri[i]);
            continue;
        }
        const int high = i + 2 < uri.size() ? hexDigitValue(uri[i + 1]) : -1;
        const int low = high >= 0 ? hexDigitValue(uri[i + 2]) : -1;
        if (low < 0)
            return std::nullopt;
        path.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    if (path.find('\0') != std::string::npos)
        return std::nullopt;
    return path;
}
