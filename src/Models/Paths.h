#pragma once
// Path arithmetic on raw path bytes. No normalisation beyond what each function says,
// and never a round trip through a text encoding.

#include <string>
#include <string_view>

namespace paths {

// "a/b" + "c" → "a/b/c"; a trailing slash on base is not doubled.
std::string join(std::string_view base, std::string_view name);
// Last component, ignoring trailing slashes: "/a/b/" → "b", "/" → "/".
std::string lastComponent(std::string_view path);
// Parent folder: "/a/b" → "/a", "/a" → "/", "/" → "/".
std::string parent(std::string_view path);
// Extension of the last component without the dot, as it stands ("" when none; ".bashrc" has none).
std::string extension(std::string_view path);
std::string lowercasedExtension(std::string_view path);
// Lexical clean-up: collapses "//", removes "." components, resolves ".." lexically and
// drops a trailing slash (except for "/"). Does not touch the file system.
std::string standardized(std::string_view path);
// True when path equals prefix or lies below it (component-wise, so /a/bc is not under /a/b).
bool isSameOrInside(std::string_view path, std::string_view prefix);
// The path as shown to people: the home folder written as "~".
std::string tildeAbbreviated(std::string_view path, std::string_view home);
// ASCII lower-casing; other bytes are left as they are.
std::string asciiLower(std::string_view text);

} // namespace paths
