#pragma once
// Removing an app of the person's own Flatpak installation: its own tool does it, run
// with the installation the scan read, never with a name that could pass for an option.

#include "Models/Basics.h"
#include "Platform/ToolProcess.h"

#include <string>
#include <string_view>
#include <vector>

// An application id as Flatpak accepts it: at least three dot-separated parts of ASCII
// letters, digits, '_' and '-', none empty or starting with a digit or '-', at most 255 bytes.
bool isFlatpakAppId(std::string_view id);

// The installation folder an app's folder (<installation>/app/<id>) belongs to.
Path flatpakInstallationOf(const Path& appFolder);

std::vector<std::string> userUninstallArguments(const std::string& id);

// Runs the uninstall for `id` on the installation at `installation`; the id must pass isFlatpakAppId.
ToolRun uninstallUserFlatpak(const Path& installation, const std::string& id);
