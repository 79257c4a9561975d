#pragma once
// What removing a folder really frees. Package stores (uv, pnpm, conda) hand their files
// to environments as hard links: such a file stays on disk while any other name of it
// is left, so it is counted only when all its names lie inside the folder.

#include "Models/StorageModels.h"

Int64 freeableSize(const Path& url, int maxDepth);
