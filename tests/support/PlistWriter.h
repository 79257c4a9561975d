#pragma once
// Writes small property lists the way bundles carry them, for tests that need an
// Info.plist: XML text, or the binary "bplist00" layout assembled byte by byte.

#include <QString>

#include <algorithm>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace plistfixture {

using Entries = std::vector<std::pair<std::string, std::string>>;

inline std::string xml(const Entries& entries)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!DOCTYPE plist SYSTEM \"PropertyList-1.0.dtd\">\n"
                      "<plist version=\"1.0\">\n<dict>\n";
    for (const auto& [key, value] : entries)
        out += "\t<key>" + key + "</key>\n\t<string>" + value + "</string>\n";
    return out + "</dict>\n</plist>\n";
}

// One string object: ASCII when every byte is, else UTF-16 big-endian.
inline std::string binaryString(const std::string& utf8)
{
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return std::uint8_t(c) < 0x80; });
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    const std::size_t count = ascii ? utf8.size() : std::size_t(text.size());
    std::string out;
    const std::uint8_t type = ascii ? 0x50 : 0x60;
    if (count < 15) {
        out.push_back(char(type | count));
    } else {
        out.push_back(char(type | 0x0F));
        out.push_back(char(0x11)); // a two-byte integer follows
        out.push_back(char(count >> 8));
        out.push_back(char(count & 0xFF));
    }
    if (ascii)
        return out + utf8;
    for (QChar unit : text) {
        out.push_back(char(unit.unicode() >> 8));
        out.push_back(char(unit.unicode() & 0xFF));
    }
    return out;
}

// A top-level dictionary (object 0) of string keys and values (objects 1..2n), with
// one-byte object references and two-byte offsets.
inline std::string binary(const Entries& entries)
{
    std::vector<std::string> objects;
    std::string dict(1, char(0xD0 | entries.size())); // fewer than 15 entries in tests
    for (std::size_t i = 0; i < entries.size(); ++i)
        dict.push_back(char(1 + i));
    for (std::size_t i = 0; i < entries.size(); ++i)
        dict.push_back(char(1 + entries.size() + i));
    objects.push_back(dict);
    for (const auto& entry : entries)
        objects.push_back(binaryString(entry.first));
    for (const auto& entry : entries)
        objects.push_back(binaryString(entry.second));

    std::string out = "bplist00";
    std::vector<std::size_t> offsets;
    for (const auto& object : objects) {
        offsets.push_back(out.size());
        out += object;
    }
    const std::size_t tableOffset = out.size();
    for (std::size_t offset : offsets) {
        out.push_back(char(offset >> 8));
        out.push_back(char(offset & 0xFF));
    }
    auto bigEndian64 = [&out](std::uint64_t value) {
        for (int shift = 56; shift >= 0; shift -= 8)
            out.push_back(char((value >> shift) & 0xFF));
    };
    out.append(6, '\0');
    out.push_back(char(2)); // offset width
    out.push_back(char(1)); // object reference width
    bigEndian64(objects.size());
    bigEndian64(0); // top object
    bigEndian64(tableOffset);
    return out;
}

} // namespace plistfixture
