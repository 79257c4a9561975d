#pragma once
// Which dependency and build folders of code projects may be offered, told apart by the
// file that marks their project: a folder is an artefact only when its ecosystem's marker
// sits beside it (a build/ of photos or a vendor/ of invoices is the person's data), and
// its rebuild command is the one that ecosystem really uses.

#include <optional>
#include <set>
#include <string>
#include <string_view>

struct ProjectKind {
    std::string rebuildCommand;
    // Below the matched folder, when that is what the ecosystem regenerates (vendor/bundle).
    std::string_view subfolder;
    // False for an environment whose packages no file records: deleting it loses them.
    bool packagesRecorded = true;
};

namespace projectkinds {

// Whether a folder of this name could be an artefact of some ecosystem; only such
// folders cost a look at their project folder.
bool isCandidateName(std::string_view folderName);

// Folders that name their own ecosystem and are offered without a marker beside them,
// as they always were (node_modules, Python environments); no walk ever enters them.
bool isSelfNamed(std::string_view folderName);

// The kind of `folderName`, given the names of its siblings in the project folder;
// nullopt when no ecosystem's marker is there.
std::optional<ProjectKind> match(std::string_view folderName, const std::set<std::string, std::less<>>& siblings);

} // namespace projectkinds
