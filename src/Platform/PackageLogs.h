#pragma once
// When the system's package manager removed each package, read from its own logs in
// /var/log: dpkg's dpkg.log* (a "remove" or "purge" line per package) and apt's
// history.log* (a "Remove:" or "Purge:" line listing packages under the transaction's
// Start-Date). Rotated logs compressed with gzip are read too. Nothing is run.

#include "Models/Basics.h"
#include "Platform/HomeReader.h"

#include <map>
#include <string>
#include <string_view>

// package name (without ":<arch>") → the last day it was removed ("2026-03-04").
using RemovalDays = std::map<std::string, std::string, std::less<>>;

RemovalDays readRemovalDays(HomeReader& reader, const Path& logFolder);

// The lines of one log's content, by format; exposed for the readers' tests.
void addDpkgLogRemovals(std::string_view content, RemovalDays& days);
void addAptHistoryRemovals(std::string_view content, RemovalDays& days);

// A gzip stream's content, or nothing when it is not one or unpacks to more than `maxBytes`.
std::optional<std::string> gunzip(std::string_view packed, std::size_t maxBytes);
