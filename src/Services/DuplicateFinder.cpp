// Placeholder until this scanner lands.
#include "Services/MacStorageScanner.h"

std::optional<std::string> MacStorageScanner::fastFileFingerprint(const URL&, Int64)
{
    return {};
}
