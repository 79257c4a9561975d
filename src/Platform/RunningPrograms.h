#pragma once
// Which programs run right now, read from /proc. Moving a cache to the Trash while its
// program runs renames files that are still open and in use; such caches are offered
// unselected, with a note to close the program first.
//
// A program is known by the names people and packages give it: the kernel's short name
// (comm, at most 15 bytes), the file name of its executable and the file name in its
// argv[0] (Electron programs are often started through a differently named wrapper).
// Flatpak and Snap apps are known by their control group: a Flatpak app runs in
// "app-flatpak-<id>-<n>.scope", a Snap in "snap.<name>.<app>…".

#include <set>
#include <string>
#include <string_view>

class RunningPrograms {
  public:
    // Reads every process visible in procRoot (the real /proc unless a test says otherwise).
    static RunningPrograms read(const std::string& procRoot = "/proc");

    // Compared without regard to ASCII letter case.
    bool isRunning(std::string_view programName) const;
    bool isFlatpakAppRunning(std::string_view appId) const { return flatpakApps_.count(std::string(appId)) > 0; }
    bool isSnapRunning(std::string_view snapName) const { return snaps_.count(std::string(snapName)) > 0; }

    // The pieces /proc gives for one process, for tests and for read().
    void addProcess(std::string_view comm, std::string_view exeTarget, std::string_view cmdline,
                    std::string_view cgroup);

  private:
    void addName(std::string_view name);

    std::set<std::string> names_; // lower-cased
    std::set<std::string> flatpakApps_;
    std::set<std::string> snaps_;
};
