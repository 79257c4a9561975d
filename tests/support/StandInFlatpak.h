#pragma once
// A stand-in `flatpak` in a test folder of its own, first on PATH while the object lives:
// it records each call's arguments and FLATPAK_USER_DIR, and exits with a chosen status;
// when asked, it removes the app's deploy folder (FLATPAK_USER_DIR/app/<last argument>)
// as the real tool does.
// The real tool is never run by a test.

#include "support/ScopedEnvironment.h"
#include "support/TempHome.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

class StandInFlatpak {
  public:
    explicit StandInFlatpak(int exitStatus, bool removesApp = false)
    {
        const std::string removal =
            removesApp ? "for id; do :; done\nrm -rf \"$FLATPAK_USER_DIR/app/$id\"\n" : std::string();
        const std::string script = folder_.fileWithContent(
            "bin/flatpak", "#!/bin/sh\nprintf '%s|' \"$@\" >> '" + folder_.at("calls") + "'\necho >> '" +
                               folder_.at("calls") + "'\nprintf '%s\\n' \"$FLATPAK_USER_DIR\" >> '" +
                               folder_.at("user-dirs") + "'\n" + removal + "exit " + std::to_string(exitStatus) + "\n");
        ::chmod(script.c_str(), 0755);
        const char* path = std::getenv("PATH");
        path_ = std::make_unique<ScopedEnvironment>("PATH", folder_.at("bin") + ":" + (path ? path : "/usr/bin:/bin"));
    }

    // Each call's arguments after the program name, joined as "a|b|c|".
    std::vector<std::string> calls() const { return linesOf("calls"); }
    std::vector<std::string> userDirs() const { return linesOf("user-dirs"); }
    // The PATH entry for a child program's environment.
    std::string pathEntry() const { return "PATH=" + std::string(std::getenv("PATH")); }

  private:
    std::vector<std::string> linesOf(const std::string& name) const
    {
        std::vector<std::string> lines;
        std::ifstream in(folder_.at(name));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    TempHome folder_;
    std::unique_ptr<ScopedEnvironment> path_;
};
