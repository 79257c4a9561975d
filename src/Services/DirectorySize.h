#pragma once
// What a file or folder occupies on disk.

#include "Models/Basics.h"

// Allocated bytes of the files down to maxDepth levels below url (1 = its direct
// children). A link is measured as nothing and never followed; a file with several
// names counts once, as du counts it.
Int64 directorySize(const URL& url, int maxDepth);
