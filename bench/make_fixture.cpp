// Builds a synthetic home folder for benchmarks: node_modules-like trees of many small
// files, cache folders, documents and a few media files. Deterministic for a given size.
//
//   make-fixture DIR [--entries N] [--idle-projects P]
//     N ≈ number of files and folders (default 200000); P idle projects under Documents/work,
//     each with a 16 MiB dependency folder (hard links to one blob beside DIR, so P of them
//     cost 16 MiB of disk) that the artefact scan offers.

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

void makeFile(const std::string& path, std::size_t size)
{
    static std::string payload(1 << 20, 'q');
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    std::size_t left = size;
    while (left > 0) {
        const std::size_t n = left < payload.size() ? left : payload.size();
        if (write(fd, payload.data(), n) != ssize_t(n))
            break;
        left -= n;
    }
    close(fd);
    ++created;
}

std::size_t smallSize() { return std::size_t(std::uniform_int_distribution<int>(0, 12000)(rng)); }

// A dependency tree: packages with a few files and nested lib folders.
void dependencyTree(const std::string& root, long budget)
{
    makeDir(root);
    for (int pkg = 0; created < budget; ++pkg) {
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
    }
}

void cacheTree(const std::string& root, long budget)
{
    makeDir(root);
    for (int bucket = 0; created < budget; ++bucket) {
        const std::string dir = root + "/" + std::to_string(bucket % 97) + "-" + std::to_string(bucket);
        makeDir(dir);
        for (int f = 0; f < 20; ++f)
            makeFile(dir + "/entry" + std::to_string(f), smallSize() * 3);
    }
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

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make-fixture DIR [--entries N] [--idle-projects P]\n");
        return 2;
    }
    const std::string home = argv[1];
    long entries = 200000;
    long idle = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--entries") == 0)
            entries = std::atol(argv[i + 1]);
        else if (std::strcmp(argv[i], "--idle-projects") == 0)
            idle = std::atol(argv[i + 1]);
    }

    makeDir(home);
    for (const char* dir : {"/Projects", "/Developer", "/Library", "/Library/Caches", "/.cache", "/Documents",
                            "/Movies", "/Downloads", "/Desktop"})
        makeDir(home + dir);

    // Half in dependency trees of several projects, a quarter in caches, the rest documents.
    const long perProject = entries / 2 / 4;
    for (int p = 0; p < 4; ++p) {
        const std::string project = home + "/Projects/app" + std::to_string(p);
        makeDir(project);
        makeFile(project + "/package.json", 900);
        dependencyTree(project + "/node_modules", created + perProject);
    }
    cacheTree(home + "/.cache/pip", created + entries / 8);
    cacheTree(home + "/Library/Caches/com.example.browser", created + entries / 8);
    for (int d = 0; created < entries; ++d) {
        const std::string dir = home + "/Documents/folder" + std::to_string(d);
        makeDir(dir);
        for (int f = 0; f < 30; ++f)
            makeFile(dir + "/note" + std::to_string(f) + ".txt", smallSize());
    }
    for (int m = 0; m < 4; ++m)
        makeFile(home + "/Movies/clip" + std::to_string(m) + ".mp4", (std::size_t(8) + m) << 20);
    idleProjects(home, idle);
    std::printf("%ld entries under %s\n", created, home.c_str());
    return 0;
}
