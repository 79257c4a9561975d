#include "FileUri.h"

namespace {

bool staysLiteral(unsigned char byte)
{
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9'))
        return true;
    constexpr std::string_view kPathPunctuation = "-._~!$&'()*+,=:@/";
    return kPathPunctuation.find(char(byte)) != std::string_view::npos;
}

} // namespace

std::string fileUriOfPath(std::string_view path)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    uri.reserve(uri.size() + path.size());
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (staysLiteral(byte)) {
            uri.push_back(c);
        } else {
            uri.push_back('%');
            uri.push_back(kHex[byte >> 4]);
            uri.push_back(kHex[byte & 0xF]);
        }
    }
    return uri;
}
