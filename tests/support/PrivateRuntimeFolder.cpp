#include "support/PrivateRuntimeFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

PrivateEnvironmentFolder::PrivateEnvironmentFolder(const char* variable, const char* name)
{
    std::string pattern = std::string("/var/tmp/quillmere-") + name + "-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error(std::string("mkdtemp for ") + variable);
    folder_ = pattern;
    setenv(variable, folder_.c_str(), 1);
}

PrivateEnvironmentFolder::~PrivateEnvironmentFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}
