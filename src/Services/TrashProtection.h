#pragma once
// The entries of the home trash that a clean must never empty: whatever this program put
// there (its info files say so, wherever the history is kept) and whatever the restore
// history points at. When either cannot be read, nothing is known to be safe to empty.

#include "Models/Basics.h"

#include <optional>
#include <set>
#include <string>

// Names in the home trash's files/ folder; nullopt when the Trash's info files or the
// restore history cannot be read (a link, a FIFO, another user's file).
std::optional<std::set<std::string>> protectedTrashEntries(const Path& home);
