#pragma once
// A private file of lines that only ever grows (the restore history). It is a regular
// file, 0600, in a private folder, opened without following a link. Each append is one
// write of whole lines at its end, made by one writer at a time (the caller holds the
// clean lock); readers need no lock: a line still being written, or cut short by a
// crash, has no newline yet and is not handed out.

#include "Platform/PrivateFolder.h"
#include "Platform/Result.h"
#include "Platform/UniqueFd.h"

#include <string>
#include <string_view>
#include <vector>

class AppendOnlyFile {
  public:
    // Opens `name` in the folder; with `create`, the folder and the file are made when
    // missing (ENOENT without).
    static Result<AppendOnlyFile> open(const PrivateFolder& folder, const std::string& name, bool create);

    // Adds `lines`, each ending in '\n', in one write at the end. A line an earlier crash
    // left unfinished is ended first, so it stays a line of its own that nothing reads
    // as part of these.
    Status append(std::string_view lines);
    // Puts what was appended on the disk, and the file's name with it when it was new.
    Status sync();
    // Every finished line, in order, without its newline.
    Result<std::vector<std::string>> finishedLines() const;

    const std::string& path() const { return path_; }

  private:
    AppendOnlyFile(UniqueFd file, UniqueFd folder, std::string path, bool isNew)
        : file_(std::move(file)), folder_(std::move(folder)), path_(std::move(path)), isNew_(isNew)
    {
    }
    // The whole file as it stands.
    Result<std::string> contents() const;

    UniqueFd file_;
    UniqueFd folder_;
    std::string path_;
    bool isNew_;
};
