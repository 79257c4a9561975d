#pragma once
// The per-user temporary folder's parent. macOS keeps per-user caches beside the
// temporary folder (…/var/folders/xx/yyyy/{C,T,X}); elsewhere the temporary folder is
// a shared one such as /tmp, whose parent is "/" and holds nothing of the user's.

#include <optional>
#include <string>
#include <string_view>

namespace tempfolder {

// The parent of `temporaryDirectory` when it has the macOS per-user layout
// (absolute, ending in var/folders/<a>/<b>/T, trailing slashes allowed); nullopt otherwise.
std::optional<std::string> perUserParentOf(std::string_view temporaryDirectory);

// The same for this process's temporary folder ($TMPDIR, else /tmp).
std::optional<std::string> perUserTemporaryParent();

} // namespace tempfolder
