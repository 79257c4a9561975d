#pragma once
// Folders of the test run's own, named by the desktop's environment variables for as long as
// the object lives, so that nothing a test (or a program it starts, which inherits them)
// writes there meets the real user's: the per-user clean lock, thumbnails in XDG_CACHE_HOME.

#include <string>

class PrivateEnvironmentFolder {
  public:
    // Makes /var/tmp/quillmere-<name>-XXXXXX and points `variable` at it.
    PrivateEnvironmentFolder(const char* variable, const char* name);
    ~PrivateEnvironmentFolder();
    PrivateEnvironmentFolder(const PrivateEnvironmentFolder&) = delete;
    PrivateEnvironmentFolder& operator=(const PrivateEnvironmentFolder&) = delete;

  private:
    std::string folder_;
};

class PrivateRuntimeFolder : public PrivateEnvironmentFolder {
  public:
    PrivateRuntimeFolder() : PrivateEnvironmentFolder("XDG_RUNTIME_DIR", "runtime") {}
};

// The per-user clean lock of the run's programs, instead of the user's real one.
class PrivateLockFolder : public PrivateEnvironmentFolder {
  public:
    PrivateLockFolder() : PrivateEnvironmentFolder("QUILLMERE_LOCK_DIR", "lock") {}
};

class PrivateCacheFolder : public PrivateEnvironmentFolder {
  public:
    PrivateCacheFolder() : PrivateEnvironmentFolder("XDG_CACHE_HOME", "test-cache") {}
};
