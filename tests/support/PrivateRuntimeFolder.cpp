#include "support/PrivateRuntimeFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

PrivateRuntimeFolder::PrivateRuntimeFolder()
{
    std::string pattern = "/var/tmp/quillmere-runtime-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp for the runtime folder");
    folder_ = pattern;
    setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
}

PrivateRuntimeFolder::~PrivateRuntimeFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}
