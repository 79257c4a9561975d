// Builds a synthetic home folder for benchmarks, shaped like a developer's home: code
// projects with dependency trees and Git objects, browser and package caches, nested
// documents with a few hard links, downloads and media with real duplicate sets and
// installers, and code outside the folders the scan looks at. Deterministic for a given
// size; large files are a fixed set, so a bigger home only adds small files and folders.
//
//   make-fixture DIR [--entries N] [--idle-projects P]
//     N ≈ number of files and folders (default 200000); P idle projects under Documents/work,
//     each with a 16 MiB dependency folder (hard links to one blob beside DIR, so P of them
//     cost 16 MiB of disk) that the artefact scan offers.
//   make-fixture DIR --trash-entries T
//     only a home whose Trash holds T top-level entries, each with its info file; every
//     tenth entry is a folder of two files.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

std::mt19937_64 rng(20261206);
long created = 0;

void makeDir(const std::string& path)
{
    if (mkdir(path.c_str(), 0755) == 0)
        ++created;
}

void makeDirs(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0755);
    makeDir(path);
}

// Content is a run of `fill`; a tag at the head makes same-size files differ.
void makeFile(const std::string& path, std::size_t size, char fill = 'q', long tag = -1)
{
    static std::string payload;
    if (payload.size() != (1u << 20) || payload[0] != fill)
        payload.assign(1 << 20, fill);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    std::size_t left = size;
    if (tag >= 0 && size >= 32) {
        char head[33];
        std::snprintf(head, sizeof head, "%032ld", tag);
        if (write(fd, head, 32) == 32)
            left -= 32;
    }
    while (left > 0) {
        const std::size_t n = left < payload.size() ? left : payload.size();
        if (write(fd, payload.data(), n) != ssize_t(n))
            break;
        left -= n;
    }
    close(fd);
    ++created;
}

// Allocated without being written: installers and clips whose content does not matter.
void makeAllocatedFile(const std::string& path, off_t size)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    if (posix_fallocate(fd, 0, size) != 0 && ftruncate(fd, size) != 0)
        std::perror(path.c_str());
    close(fd);
    ++created;
}

// A filling loop that creates nothing would never end (a full disk, a missing parent).
void mustHaveCreated(long before, const std::string& where)
{
    if (created == before) {
        std::fprintf(stderr, "make-fixture: cannot create anything in %s\n", where.c_str());
        std::exit(1);
    }
}

// Most files in a home are small: a few blocks at most.
std::size_t smallSize() { return std::size_t(std::uniform_int_distribution<int>(0, 6000)(rng)); }

void setOld(const std::string& path, int days)
{
    const timespec when{time(nullptr) - days * 86400L, 0};
    const timespec times[2] = {when, when};
    utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

// A dependency tree: packages with a few files and nested lib folders.
void dependencyTree(const std::string& root, long budget)
{
    makeDirs(root);
    for (int pkg = 0; created < budget; ++pkg) {
        const long before = created;
        const std::string dir = root + "/pkg-" + std::to_string(pkg);
        makeDir(dir);
        makeFile(dir + "/package.json", 600);
        makeFile(dir + "/index.js", smallSize());
        makeDir(dir + "/lib");
        for (int f = 0; f < 12; ++f)
            makeFile(dir + "/lib/m" + std::to_string(f) + ".js", smallSize());
        if (pkg % 5 == 0) {
            makeDir(dir + "/node_modules");
            makeDir(dir + "/node_modules/nested");
            for (int f = 0; f < 6; ++f)
                makeFile(dir + "/node_modules/nested/n" + std::to_string(f) + ".js", smallSize());
        }
        mustHaveCreated(before, dir);
    }
}

// Git's loose objects: 256 fan-out folders of small files.
void gitObjects(const std::string& repo, long budget)
{
    makeDirs(repo + "/.git/objects");
    for (int i = 0; created < budget; ++i) {
        const long before = created;
        char fan[3];
        std::snprintf(fan, sizeof fan, "%02x", i % 256);
        const std::string dir = repo + "/.git/objects/" + fan;
        makeDir(dir);
        makeFile(dir + "/" + std::to_string(i), smallSize() / 2);
        mustHaveCreated(before, dir);
    }
}

void cacheTree(const std::string& root, long budget)
{
    makeDirs(root);
    for (int bucket = 0; created < budget; ++bucket) {
        const long before = created;
        const std::string dir = root + "/" + std::to_string(bucket % 97) + "-" + std::to_string(bucket);
        makeDir(dir);
        for (int f = 0; f < 20; ++f)
            makeFile(dir + "/entry" + std::to_string(f), smallSize());
        mustHaveCreated(before, dir);
    }
}

// Documents nested a few levels deep, with a hard link now and then.
void documents(const std::string& root, long budget)
{
    for (int d = 0; created < budget; ++d) {
        const long before = created;
        const std::string dir = root + "/year" + std::to_string(2010 + d % 16) + "/topic" + std::to_string(d % 40) +
                                "/set" + std::to_string(d);
        makeDirs(dir);
        for (int f = 0; f < 30; ++f)
            makeFile(dir + "/note" + std::to_string(f) + ".txt", smallSize());
        if (d % 50 == 1 && link((dir + "/note0.txt").c_str(), (dir + "/note0-link.txt").c_str()) == 0)
            ++created;
        mustHaveCreated(before, dir);
    }
}

void projects(const std::string& home, long budget)
{
    constexpr int kProjects = 6;
    const long start = created;
    for (int p = 0; p < kProjects; ++p) {
        const std::string project = home + "/Desktop/projects/app" + std::to_string(p);
        makeDirs(project + "/src");
        makeFile(project + "/package.json", 900);
        for (int f = 0; f < 40; ++f)
            makeFile(project + "/src/s" + std::to_string(f) + ".ts", smallSize());
        const long share = (budget - start) / kProjects;
        gitObjects(project, created + share / 6);
        dependencyTree(project + "/node_modules", start + share * (p + 1));
        setOld(project, 20);
    }
}

// Large files and duplicates: the same set at every size.
void personalMedia(const std::string& home)
{
    makeDirs(home + "/Downloads/installers");
    makeDirs(home + "/Movies/clips");
    for (int i = 0; i < 6; ++i)
        makeAllocatedFile(home + "/Downloads/installers/Tool" + std::to_string(i) + ".dmg",
                          (30 + i) * (off_t(1) << 20) + 4096 * i);
    for (int i = 0; i < 4; ++i)
        makeAllocatedFile(home + "/Movies/clips/clip" + std::to_string(i) + ".mp4", (40 + 3 * i) * (off_t(1) << 20));
    // Sets of three identical 4 MiB files spread over the personal folders.
    const char* roots[] = {"Desktop", "Downloads", "Movies", "Documents"};
    for (int set = 0; set < 8; ++set)
        for (int copy = 0; copy < 3; ++copy) {
            const std::string dir = home + "/" + roots[(set + copy) % 4] + "/copies/c" + std::to_string(copy);
            makeDirs(dir);
            makeFile(dir + "/photo" + std::to_string(set) + ".raw", (4 << 20) + 4096 * set, 'p', set);
        }
    // Same size, different heads: fingerprinted, never hashed whole.
    makeDirs(home + "/Documents/scans");
    for (int i = 0; i < 16; ++i)
        makeFile(home + "/Documents/scans/scan" + std::to_string(i) + ".pdf", 3 << 20, 's', 1000 + i);
}

// Projects untouched for a month whose node_modules each measure 16 MiB.
void idleProjects(const std::string& home, long count)
{
    const std::string blob = home + ".idle-blob";
    makeFile(blob, std::size_t(16) << 20);
    makeDir(home + "/Documents/work");
    const timeval monthAgo[2] = {{time(nullptr) - 30 * 86400, 0}, {time(nullptr) - 30 * 86400, 0}};
    for (long p = 0; p < count; ++p) {
        char name[48];
        std::snprintf(name, sizeof name, "/Documents/work/p%05ld", p);
        const std::string project = home + name;
        makeDir(project);
        makeDir(project + "/node_modules");
        if (link(blob.c_str(), (project + "/node_modules/blob").c_str()) == 0)
            ++created;
        utimes(project.c_str(), monthAgo);
    }
}

// A Trash the way a desktop leaves it after years: many small entries, some folders.
void trashOnly(const std::string& home, long count)
{
    const std::string trash = home + "/.local/share/Trash";
    makeDirs(trash + "/files");
    makeDir(trash + "/info");
    for (long i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "thrown-%07ld.txt", i);
        const std::string entry = trash + "/files/" + name;
        if (i % 10 == 0) {
            makeDir(entry);
            makeFile(entry + "/a", 100, 't');
            makeFile(entry + "/b", 5000, 't');
        } else {
            makeFile(entry, std::size_t(1 + i % 3000), 't');
        }
        const int fd =
            open((trash + "/info/" + name + ".trashinfo").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            continue;
        const std::string info =
            std::string("[Trash Info]\nPath=/home/user/Documents/") + name + "\nDeletionDate=2024-05-01T10:00:00\n";
        if (write(fd, info.data(), info.size()) != ssize_t(info.size()))
            std::perror(name);
        close(fd);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make-fixture DIR [--entries N] [--idle-projects P] | DIR --trash-entries T\n");
        return 2;
    }
    const std::string home = argv[1];
    long entries = 200000;
    long idle = 0;
    long trashEntries = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--entries") == 0)
            entries = std::atol(argv[i + 1]);
        else if (std::strcmp(argv[i], "--idle-projects") == 0)
            idle = std::atol(argv[i + 1]);
        else if (std::strcmp(argv[i], "--trash-entries") == 0)
            trashEntries = std::atol(argv[i + 1]);
    }
    if (trashEntries > 0) {
        makeDir(home);
        for (const char* dir : {"/Desktop", "/Documents", "/Downloads", "/Movies"})
            makeDir(home + dir);
        trashOnly(home, trashEntries);
        std::printf("%ld entries under %s\n", created, home.c_str());
        return 0;
    }

    makeDir(home);
    for (const char* dir : {"/Desktop", "/Documents", "/Downloads", "/Movies", "/Library", "/.cache", "/Projects"})
        makeDir(home + dir);

    personalMedia(home);
    projects(home, created + entries * 35 / 100);
    // Code outside the scanned folders: du counts it, the scan never looks.
    dependencyTree(home + "/Projects/service/node_modules", created + entries * 15 / 100);
    cacheTree(home + "/.cache/pip", created + entries * 12 / 100);
    cacheTree(home + "/Library/Caches/com.example.browser", created + entries * 10 / 100);
    cacheTree(home + "/Library/Application Support/Google/Chrome/Default/Cache", created + entries * 3 / 100);
    documents(home + "/Documents", entries);
    makeDirs(home + "/.local/share/Trash/files");
    idleProjects(home, idle);
    std::printf("%ld entries under %s\n", created, home.c_str());
    return 0;
}
