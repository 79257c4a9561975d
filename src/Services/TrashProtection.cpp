#include "Services/TrashProtection.h"

#include "Platform/Trash.h"
#include "Services/CleanHistoryLog.h"

std::optional<std::set<std::string>> protectedTrashEntries(const Path& home)
{
    auto inUse = CleanHistoryLog::forHome(home).trashEntriesInUse(Trash::homeFilesFolder(home));
    if (!inUse)
        return std::nullopt;
    std::set<std::string> names = *std::move(inUse);
    const auto trash = Trash::openHome(home, false);
    if (!trash)
        return trash.error() == ENOENT ? std::optional(std::move(names)) : std::nullopt;
    auto ours = trash->entriesWrittenHere();
    if (!ours)
        return std::nullopt;
    names.merge(*ours);
    return names;
}
