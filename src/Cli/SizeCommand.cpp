// quillmere-cli size: directorySize of each path, one per line, like du -sB1.
#include "Cli/CliCommands.h"
#include "Cli/CliText.h"
#include "Cli/EngineOptions.h"
#include "Cli/RecordJson.h"
#include "Platform/FileOperations.h"
#include "Services/DirectorySize.h"

#include <climits>
#include <cstring>
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
        return usage(say("cli.error.sizeNeedsPath"));
    for (const auto& path : paths) {
        if (path.rfind("--", 0) == 0)
            return usage(say("cli.error.unknownOption", {path}));
        if (path.empty())
            return usage(say("cli.error.sizeEmptyPath"));
    }
    // As du does: a path that cannot be read is an error, and the others are still measured.
    int status = 0;
    for (const auto& path : paths) {
        if (const auto st = fileops::statNoFollow(path); !st) {
            std::cerr << "quillmere-cli: "
                      << say("cli.error.cannotAccess", {displayable(path), std::strerror(st.error())}) << "\n";
            status = 1;
            continue;
        }
        std::cout << directorySize(path, maxDepth) << "\t" << path << "\n";
    }
    return status;
}

} // namespace cli
