// Placeholder until this scanner lands.
#include "Services/MacStorageScanner.h"

std::vector<std::string> MacStorageScanner::buildTopContentPreview(const URL&)
{
    return {};
}
