// quillmere-cli size: directorySize of each path, one per line, like du -sB1.
#include "Cli/CliCommands.h"
#include "Services/MacStorageScanner.h"

#include <climits>
#include <iostream>

namespace cli {

int runSize(const Arguments& input)
{
    Arguments args = input;
    bool ok = true;
    std::string depthText;
    int maxDepth = INT_MAX;
    if (takeOption(args, "--max-depth", depthText, ok)) {
        try {
            std::size_t used = 0;
            maxDepth = std::stoi(depthText, &used);
            if (used != depthText.size() || maxDepth < 0)
                return usage("--max-depth takes a whole number of at least 0");
        } catch (...) {
            return usage("--max-depth takes a whole number of at least 0");
        }
    }
    if (!ok)
        return usage("--max-depth needs a value");
    if (args.empty())
        return usage("size needs at least one path");
    for (const auto& path : args) {
        if (path.rfind("--", 0) == 0)
            return usage("unknown option '" + path + "'");
    }
    for (const auto& path : args)
        std::cout << MacStorageScanner::directorySize(path, maxDepth) << "\t" << path << "\n";
    return 0;
}

} // namespace cli
