#pragma once
// Reads one string from the top-level dictionary of a property list file, as bundles
// carry them in Contents/Info.plist: XML ("<?xml ... <plist>") or binary ("bplist00").
// Only what a bundle lookup needs; the file is untrusted input, so every offset and
// count is checked against the data before use.

#include <optional>
#include <string>
#include <string_view>

namespace plist {

// The string value of `key` in the top-level dictionary; nullopt when the file cannot
// be read or parsed, the top level is not a dictionary, or the value is not a string.
std::optional<std::string> topLevelString(const std::string& path, std::string_view key);

// The same over bytes already in memory.
std::optional<std::string> topLevelStringInData(std::string_view data, std::string_view key);

} // namespace plist
