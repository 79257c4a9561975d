#pragma once
// Small readers for what Linux application kinds leave on disk, read without running
// any of their tools: a Snap's meta/snap.yaml, the AppImage signature, and Steam's
// appmanifest_<appid>.acf files. All inputs are untrusted and only read.

#include "Platform/HomeReader.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace appmeta {

// Top-level "key: value" scalars of a snap.yaml (name, version, title, summary); quotes
// around a value are removed. Nested blocks are skipped.
std::map<std::string, std::string> parseSnapYaml(std::string_view content);

// An AppImage is an ELF program carrying "AI" and its type (1 or 2) at offset 8.
bool hasAppImageSignature(std::string_view head);
// Reads the first bytes of a regular file (never through a link) and tests them.
bool isAppImage(HomeReader& reader, const std::string& path);

// The string values directly inside the top-level block of a Steam text manifest
// ("AppState" { "appid" "570" "name" "…" "installdir" "…" "SizeOnDisk" "…" }).
std::map<std::string, std::string> parseSteamManifest(std::string_view content);

} // namespace appmeta
