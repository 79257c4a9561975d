#pragma once
// The file:// URI of a path, built from the path's bytes. The escaping is the one the
// desktop's own file managers use, so that a thumbnail we name after the URI's digest is
// the one they look for (and the other way round).

#include <optional>
#include <string>
#include <string_view>

// `bytes` with every byte other than A–Z a–z 0–9 and `punctuationKept` written as %XX
// (upper-case hex).
std::string percentEncoded(std::string_view bytes, std::string_view punctuationKept);

// "file://" + the path with every byte outside A–Z a–z 0–9 - . _ ~ ! $ & ' ( ) * + , = : @ /
// written as %XX (upper-case hex). Bytes that are not UTF-8 survive as their escapes.
std::string fileUriOfPath(std::string_view path);

// The path bytes of a local file:// URI ("file:///p" or "file://localhost/p"), every %XX
// turned back into its byte. None for another scheme or host, a malformed escape, or a
// path that is not absolute or holds a NUL.
std::optional<std::string> pathOfFileUri(std::string_view uri);
