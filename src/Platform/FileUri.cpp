#include "FileUri.h"

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
