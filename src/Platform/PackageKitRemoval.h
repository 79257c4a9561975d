#pragma once
// Removing a package of the system's package manager the way the desktop's software
// centres do: PackageKit on the system bus resolves the installed package and removes it
// without taking anything that depends on it. The system's own prompt asks the person
// for an administrator's consent; we never run anything as root.

#include <functional>
#include <string>

struct PackageRemoval {
    enum class Outcome {
        removed,
        unavailable,  // no PackageKit on the system bus (or no bus)
        notInstalled, // PackageKit knows no installed package of that name
        failed,       // refused (no consent), or the package manager failed: see error and detail
    };
    Outcome outcome = Outcome::failed;
    unsigned error = 0; // PackageKit's error code, when it gave one
    std::string detail;
};

// Blocks until PackageKit finished (a consent prompt waits for the person). `percent`
// hears the transaction's progress, 0–100, when PackageKit tells it. The bus is the
// system bus (DBUS_SYSTEM_BUS_ADDRESS, when set, says where it is).
PackageRemoval removeWithPackageKit(const std::string& package, const std::function<void(int)>& percent = {});

// A package name as dpkg accepts it: lower-case letters, digits, '+', '-' and '.', at
// least two characters, starting with a letter or digit.
bool isPackageName(std::string_view name);
