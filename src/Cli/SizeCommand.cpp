// quillmere-cli size: directorySize of each path, one per line, like du -sB1.
#include "Cli/CliCommands.h"
#include "Cli/EngineOptions.h"
#include "Services/DirectorySize.h"

#include <climits>
#include <iostream>

namespace cli {

int runSize(const Arguments& args)
{
    ArgumentReader reader(args);
    const int maxDepth = reader.number("--max-depth", 0, INT_MAX).value_or(INT_MAX);
    readThreadsOption(reader);
    if (!reader.ok())
        return reader.usage();
    const Arguments& paths = reader.rest();
    if (paths.empty())
        return usage("size needs at least one path");
    for (const auto& path : paths) {
        if (path.rfind("--", 0) == 0)
            return usage("unknown option '" + path + "'");
    }
    for (const auto& path : paths)
        std::cout << directorySize(path, maxDepth) << "\t" << path << "\n";
    return 0;
}

} // namespace cli
