#pragma once
// Things a real scan finds and preselects, built on a test home. Each fill character
// makes a distinct content, so only files meant as duplicates are duplicates.

#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A folder whose content occupies exactly `bytes` on disk.
inline void folderOf(const TempHome& home, const std::string& folder, std::int64_t bytes)
{
    ASSERT_EQ(home.occupy(folder, bytes), bytes) << "file system did not allocate exactly";
}

// A large installer (at least 25 MiB on disk): preselected in the large-file list.
inline std::string largeInstaller(const TempHome& home, const std::string& relative, char fill)
{
    return home.file(relative, 26 * MiB, fill);
}

// An idle project's dependency folder of 16 MiB: preselected in the artefact list.
inline std::string idleArtefact(const TempHome& home, const std::string& project, const std::string& folder, char fill)
{
    home.file(project + "/" + folder + "/bundle.bin", 16 * MiB, fill);
    home.fileWithContent(project + "/package.json", "{}");
    home.setModifiedDaysAgo(project, 30);
    return home.at(project + "/" + folder);
}

// A ~/.cache entry large enough for the developer-cache card.
inline std::string dotCacheEntry(const TempHome& home, const std::string& name, char fill)
{
    home.file(".cache/" + name + "/blob", 4 * MiB, fill);
    return home.at(".cache/" + name);
}

// Something the user threw away before: a Trash entry with its info file, large enough
// for the system card to offer emptying the Trash.
inline std::string oldTrashEntry(const TempHome& home, const std::string& name, char fill)
{
    home.fileWithContent(".local/share/Trash/info/" + name + ".trashinfo",
                         "[Trash Info]\nPath=/somewhere/" + name + "\nDeletionDate=2020-01-01T00:00:00\n");
    home.setModifiedDaysAgo(".local/share/Trash/info/" + name + ".trashinfo", 400);
    return home.file(".local/share/Trash/files/" + name, 3 * MiB, fill);
}

// Paths inside the home, as the home sees them ("Documents/a").
inline std::vector<std::string> relative(const TempHome& home, const std::vector<std::string>& paths)
{
    std::vector<std::string> out;
    for (const auto& path : paths)
        out.push_back(path.substr(home.path().size() + 1));
    return out;
}
