#pragma once
// Points XDG_RUNTIME_DIR at a folder of the test run's own for as long as the object
// lives, so the per-user clean lock of a test never meets the real user's (and is
// never made in the real home). Programs the tests start inherit it.

#include <string>

class PrivateRuntimeFolder {
  public:
    PrivateRuntimeFolder();
    ~PrivateRuntimeFolder();
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

  private:
    std::string folder_;
};
