#pragma once
// The free space of the volume holding a folder, once what it has been told is on disk:
// a clean's freed figure is measured, not summed. btrfs and XFS return freed extents
// only when their transaction commits, so the volume is synced (syncfs) first.

#include "Platform/Result.h"

#include <cstdint>
#include <string>

// Bytes available to unprivileged users on the volume holding `folder`, after syncfs.
Result<std::int64_t> settledAvailableBytes(const std::string& folder);
