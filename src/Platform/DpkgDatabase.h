#pragma once
// What dpkg knows of the installed packages, read from its admin folder (/var/lib/dpkg)
// as plain files: the status file for each package's state, size, priority and
// dependencies, and the info/<package>.list files for which package ships a file.
// Nothing is run and nothing is written.

#include "Models/Basics.h"
#include "Platform/HomeReader.h"

#include <map>
#include <set>
#include <string>

struct DpkgPackage {
    std::string name;
    Int64 installedBytes = 0; // Installed-Size, which dpkg keeps in KiB
    // Essential, or of required or important priority: the system itself.
    bool isPartOfTheSystem = false;
    // Another installed package depends on it (Depends or Pre-Depends, any alternative):
    // removing it would take that one along or break it.
    bool isDependedOn = false;
};

class DpkgDatabase {
  public:
    // The installed packages of the admin folder; empty when there is none (not a
    // Debian-family system) or it cannot be read.
    static DpkgDatabase read(HomeReader& reader, const Path& adminFolder);
    // Which installed package ships each of `files` (absolute paths as the package lists
    // them); a file no installed package ships is left out.
    std::map<Path, const DpkgPackage*> owners(HomeReader& reader, const std::set<Path, std::less<>>& files) const;

    bool empty() const { return packages_.empty(); }
    const DpkgPackage* find(const std::string& name) const;
    // Packages removed with their system-wide configuration kept ("deinstall ok config-files").
    const std::set<std::string>& leftConfigFiles() const { return leftConfigFiles_; }

  private:
    Path admin_;
    std::map<std::string, DpkgPackage, std::less<>> packages_;
    std::set<std::string> leftConfigFiles_;
};
