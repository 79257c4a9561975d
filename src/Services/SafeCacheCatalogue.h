#pragma once
// The zero-risk catalogue: every rule location of the fixed catalogue that holds enough
// to matter, as items of the four scenario cards.

#include "Models/StorageModels.h"

#include <optional>
#include <vector>

struct HomeLayout;
class RunningPrograms;

// Cards with at least one item, largest first; items largest first within a card. The
// caches of programs that run are offered unselected. `trashBytes`, when given, is what
// the Trash holds as the scan measured it entry by entry (only those entries may be
// emptied later); the Trash rule takes that size.
std::vector<SafeCacheRuleCard> scanCacheCatalogue(const HomeLayout& layout, const RunningPrograms& running,
                                                  std::optional<Int64> trashBytes = std::nullopt);
// The same for a home that is not the account's own (its defaults, not $XDG_*), with the
// programs running now.
std::vector<SafeCacheRuleCard> scanCacheCatalogue(const Path& home, std::optional<Int64> trashBytes = std::nullopt);
