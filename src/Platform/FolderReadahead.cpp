#include "Platform/FolderReadahead.h"

#include "Models/Paths.h"
#include "Platform/FaultInjection.h"
#include "Platform/MountTable.h"
#include "Platform/WalkPool.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

using Kind = DirectoryWalker::Kind;
using Listing = FolderReadahead::Listing;

// Read-ahead kept per walk, so several walks at once stay within a few megabytes.
constexpr std::size_t kHeldFolders = 256;
constexpr std::size_t kHeldEntries = 16384;
// Folders one pool task reads before it lets other walks' tasks have the thread.
constexpr int kFoldersPerTurn = 32;
// A folder read faster than this came from memory, not from the disk.
constexpr double kCachedReadMicros = 150;

Kind kindFromType(unsigned char type)
{
    switch (type) {
    case DT_REG:
        return Kind::regular;
    case DT_DIR:
        return Kind::directory;
    case DT_LNK:
        return Kind::symlink;
    default:
        return Kind::other;
    }
}

bool isDotOrDotDot(const char* name) { return name[0] == '.' && (!name[1] || (name[1] == '.' && !name[2])); }

// Every child of an open folder, byte-wise ordered unless the caller needs no order, with
// the inode numbers the listing gave (attributes are read in inode order: neighbours on
// disk are read together). A failed read keeps what came before it and says why.
Status readEntries(int fd, std::vector<FolderReadahead::Child>& out, std::vector<ino_t>& inodes, bool byName = true)
{
    thread_local std::vector<char> buffer(64 * 1024);
    out.clear();
    inodes.clear();
    // A descriptor handed in (or duplicated) may have been listed before.
    if (lseek(fd, 0, SEEK_SET) != 0)
        return lastError();
    Status status;
    for (;;) {
        const ssize_t n = getdents64(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            status = lastError();
        if (n <= 0)
            break;
        for (ssize_t at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + at);
            at += entry->d_reclen;
            if (isDotOrDotDot(entry->d_name))
                continue;
            Kind kind = kindFromType(entry->d_type);
            if (entry->d_type == DT_UNKNOWN) {
                // Some file systems do not fill the type; ask, without following links.
                struct stat st;
                if (fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                kind = DirectoryWalker::kindOfMode(st.st_mode);
            }
            out.push_back({entry->d_name, kind, FolderReadahead::kUnread, nullptr});
            inodes.push_back(entry->d_ino);
        }
    }
    if (!byName)
        return status;
    std::vector<std::size_t> order(out.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return out[a].name < out[b].name; });
    std::vector<FolderReadahead::Child> sorted;
    std::vector<ino_t> sortedInodes;
    sorted.reserve(out.size());
    sortedInodes.reserve(out.size());
    for (const std::size_t i : order) {
        sorted.push_back(std::move(out[i]));
        sortedInodes.push_back(inodes[i]);
    }
    out = std::move(sorted);
    inodes = std::move(sortedInodes);
    return status;
}

void appendChildPath(std::string& out, const std::string& folder, const std::string& name)
{
    out = folder;
    if (out != "/")
        out.push_back('/');
    out.append(name);
}

} // namespace

Status FolderReadahead::list(int folderFd, std::vector<Child>& out, bool byName)
{
    std::vector<ino_t> inodes;
    return readEntries(folderFd, out, inodes, byName);
}

FolderReadahead::OpenFolder::~OpenFolder()
{
    if (fd >= 0)
        close(fd);
}

struct FolderReadahead::Shared : std::enable_shared_from_this<Shared> {
    DirectoryWalker::Options options;
    std::string rootPath;
    dev_t rootDevice = 0;
    bool checkDevice = false;
    std::vector<std::string> mountPoints; // relative to the root
    int threads = 1;

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::shared_ptr<Listing>> queue; // a heap: the smallest position on top
    std::size_t heldFolders = 0;
    std::size_t heldEntries = 0;
    int runners = 0;
    int reading = 0;
    int waiters = 0;
    bool finished = false;
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    double averageReadMicros = kCachedReadMicros; // of the pool's last reads

    bool readsAhead() const { return threads > 1; }

    static bool later(const std::shared_ptr<Listing>& a, const std::shared_ptr<Listing>& b)
    {
        return a->position > b->position;
    }

    bool mayEnter(const Listing& parent, const Child& child) const
    {
        if (child.kind != Kind::directory || parent.level + 1 >= options.maxLevel)
            return false;
        if (options.skipHidden && child.name[0] == '.')
            return false;
        if (options.skipPackages && DirectoryWalker::isPackageExtension(paths::lowercasedExtension(child.name)))
            return false;
        if (std::find(options.neverEnter.begin(), options.neverEnter.end(), child.name) != options.neverEnter.end())
            return false;
        return !isMountPoint(parent, child);
    }

    bool isMountPoint(const Listing& parent, const Child& child) const
    {
        if (mountPoints.empty())
            return false;
        std::string relative;
        if (parent.level > 0)
            relative = parent.path.substr(rootPath == "/" ? 1 : rootPath.size() + 1) + "/";
        relative += child.name;
        return std::find(mountPoints.begin(), mountPoints.end(), relative) != mountPoints.end();
    }

    // Opens (below its parent, never through a link, never onto another file system),
    // lists and sorts one folder, and reads its files' attributes when asked. No lock.
    void read(Listing& listing) const
    {
        if (listing.level > 0) {
            listing.error = open(listing);
            listing.parent.reset();
            if (listing.error)
                return;
        }
        std::vector<ino_t> inodes;
        readEntries(listing.folder->fd, listing.children, inodes); // what was read is walked
        listing.listed = true;
        if (options.readFileAttributes)
            readAttributes(listing, inodes);
    }

    // 0, or why the folder cannot be entered.
    int open(Listing& listing) const
    {
        if (const int err = fault::check(fault::Op::openDirectory, listing.path))
            return err;
        const char* name = listing.path.c_str() + listing.path.rfind('/') + 1;
        const int fd = openat(listing.parent->fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return errno;
        listing.folder = std::make_shared<OpenFolder>(fd);
        struct stat st;
        if (checkDevice && (fstat(fd, &st) != 0 || st.st_dev != rootDevice)) {
            listing.folder.reset();
            return EXDEV;
        }
        return 0;
    }

    void readAttributes(Listing& listing, const std::vector<ino_t>& inodes) const
    {
        std::vector<std::size_t> files;
        for (std::size_t i = 0; i < listing.children.size(); ++i)
            if (listing.children[i].kind == Kind::regular)
                files.push_back(i);
        std::sort(files.begin(), files.end(), [&](std::size_t a, std::size_t b) { return inodes[a] < inodes[b]; });
        listing.attributes.resize(files.size());
        std::string path;
        std::int32_t next = 0;
        for (const std::size_t i : files) {
            Child& child = listing.children[i];
            appendChildPath(path, listing.path, child.name);
            struct stat& st = listing.attributes[std::size_t(next)];
            const bool ok = fault::check(fault::Op::stat, path) == 0 &&
                            fstatat(listing.folder->fd, child.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
            child.attributes = ok ? next++ : kUnreadable;
        }
        listing.attributes.resize(std::size_t(next));
    }

    // Tasks for the child folders the walk will enter, up to a window past `from`. Called
    // by whoever holds the listing (its reader, or the walk), without the lock: nobody
    // else looks at its children meanwhile.
    std::vector<std::shared_ptr<Listing>> prepare(Listing& listing, std::size_t from = 0) const
    {
        std::vector<std::shared_ptr<Listing>> tasks;
        if (!readsAhead()) {
            listing.scheduledUpTo = listing.children.size(); // nothing more to look at
            return tasks;
        }
        const std::size_t end = std::min(listing.children.size(), from + FolderReadahead::kWindow);
        for (std::size_t i = listing.scheduledUpTo; i < end; ++i) {
            Child& child = listing.children[i];
            if (!mayEnter(listing, child))
                continue;
            auto folder = std::make_shared<Listing>();
            appendChildPath(folder->path, listing.path, child.name);
            folder->level = listing.level + 1;
            folder->position = listing.position;
            folder->position.push_back(std::uint32_t(i));
            folder->parent = listing.folder;
            child.folder = folder;
            tasks.push_back(std::move(folder));
        }
        listing.scheduledUpTo = std::max(listing.scheduledUpTo, end);
        return tasks;
    }

    // Lock held.
    void enqueue(std::vector<std::shared_ptr<Listing>>& tasks)
    {
        if (finished)
            return;
        for (auto& task : tasks) {
            queue.push_back(std::move(task));
            std::push_heap(queue.begin(), queue.end(), later);
        }
        startRunners();
    }

    // Wakes the walk when it waits for a folder, or for the reads to end.
    void wakeWaiters()
    {
        if (waiters > 0)
            changed.notify_all();
    }

    bool withinBound() const { return heldFolders < kHeldFolders && heldEntries < kHeldEntries; }

    void hold(Listing& listing)
    {
        listing.counted = true;
        ++heldFolders;
        heldEntries += listing.children.size();
    }

    void letGo(Listing& listing)
    {
        if (!listing.counted)
            return;
        listing.counted = false;
        --heldFolders;
        heldEntries -= listing.children.size();
    }

    // Lock held.
    void startRunners()
    {
        if (finished || !withinBound())
            return;
        // Folders served from memory take microseconds: then more readers than cores only
        // take turns on them. Waiting on the disk, every reader keeps one request in flight.
        const int readers = averageReadMicros < kCachedReadMicros ? std::min(threads, cores) : threads;
        const int wanted = std::min(readers, int(queue.size()));
        for (; runners < wanted; ++runners)
            WalkPool::shared().post([self = shared_from_this()] { self->runSome(); });
    }

    // The queued folder the walk reaches first, if the bound allows. Lock held.
    std::shared_ptr<Listing> nextQueued()
    {
        while (!queue.empty() && !finished) {
            if (queue.front()->state != Listing::State::queued) {
                std::pop_heap(queue.begin(), queue.end(), later);
                queue.pop_back(); // dropped, or taken by the walk itself
                continue;
            }
            if (!withinBound())
                return nullptr;
            std::pop_heap(queue.begin(), queue.end(), later);
            auto next = std::move(queue.back());
            queue.pop_back();
            return next;
        }
        return nullptr;
    }

    void runSome()
    {
        std::unique_lock lock(mutex);
        for (int turn = 0; turn < kFoldersPerTurn; ++turn) {
            std::shared_ptr<Listing> listing = nextQueued();
            if (!listing)
                break;
            listing->state = Listing::State::reading;
            ++reading;
            lock.unlock();
            const auto start = std::chrono::steady_clock::now();
            read(*listing);
            const auto micros = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start);
            auto tasks = prepare(*listing);
            lock.lock();
            --reading;
            averageReadMicros += (micros.count() - averageReadMicros) / 16;
            if (listing->state == Listing::State::dropped) {
                release(*listing);
            } else {
                listing->state = Listing::State::read;
                hold(*listing);
                enqueue(tasks);
            }
            wakeWaiters();
        }
        --runners;
        startRunners();
        wakeWaiters();
    }

    // Frees what was read below a folder the walk will not enter. Lock held.
    void drop(Listing& listing)
    {
        const auto was = listing.state;
        listing.state = Listing::State::dropped;
        if (was == Listing::State::read)
            release(listing);
        else if (was == Listing::State::queued)
            listing.parent.reset();
    }

    void release(Listing& listing)
    {
        letGo(listing);
        for (auto& child : listing.children)
            if (child.folder)
                drop(*child.folder);
        listing.children.clear();
        listing.attributes.clear();
        listing.folder.reset();
        listing.parent.reset();
        startRunners();
    }
};

FolderReadahead::FolderReadahead(int rootFd, std::string rootPath, const DirectoryWalker::Options& options)
    : shared_(std::make_shared<Shared>())
{
    Shared& shared = *shared_;
    shared.options = options;
    shared.rootPath = std::move(rootPath);
    shared.threads = WalkPool::shared().threadCount();
    struct stat st;
    if (fstat(rootFd, &st) == 0) {
        shared.rootDevice = st.st_dev;
        shared.checkDevice = true;
    }
    shared.mountPoints = mounts::mountPointsBelow(rootFd);
    auto root = std::make_shared<Listing>();
    root->path = shared.rootPath;
    root->folder = std::make_shared<OpenFolder>(rootFd);
    shared.queue.push_back(std::move(root)); // taken by root()
}

FolderReadahead::~FolderReadahead()
{
    Shared& shared = *shared_;
    std::unique_lock lock(shared.mutex);
    shared.finished = true;
    shared.queue.clear();
    // Reads in progress use the fault seam and the open folders: let them end first.
    ++shared.waiters;
    shared.changed.wait(lock, [&] { return shared.reading == 0; });
    --shared.waiters;
}

std::shared_ptr<FolderReadahead::Listing> FolderReadahead::root()
{
    Shared& shared = *shared_;
    std::shared_ptr<Listing> root = std::move(shared.queue.front());
    shared.queue.clear();
    shared.read(*root);
    root->state = Listing::State::read;
    auto tasks = shared.prepare(*root);
    std::lock_guard lock(shared.mutex);
    shared.enqueue(tasks);
    return root;
}

std::shared_ptr<FolderReadahead::Listing> FolderReadahead::enter(Listing& parent, std::size_t index)
{
    Shared& shared = *shared_;
    Child& child = parent.children[index];
    std::unique_lock lock(shared.mutex);
    std::shared_ptr<Listing> listing = std::move(child.folder);
    bool readHere = !listing || listing->state == Listing::State::queued;
    if (!listing) {
        listing = std::make_shared<Listing>();
        appendChildPath(listing->path, parent.path, child.name);
        listing->level = parent.level + 1;
        listing->position = parent.position;
        listing->position.push_back(std::uint32_t(index));
    }
    if (!readHere) {
        ++shared.waiters;
        shared.changed.wait(lock, [&] { return listing->state != Listing::State::reading; });
        --shared.waiters;
        shared.letGo(*listing);
        // The pool ran out of descriptors; the walk, holding fewer, tries again.
        readHere = listing->error == EMFILE || listing->error == ENFILE;
        if (readHere)
            listing->error = 0;
    }
    if (readHere) {
        listing->state = Listing::State::reading; // the pool passes over it
        listing->parent = parent.folder;
        lock.unlock();
        shared.read(*listing);
        auto tasks = shared.prepare(*listing);
        lock.lock();
        listing->state = Listing::State::read;
        shared.enqueue(tasks);
    } else {
        shared.startRunners(); // the bound has room again
    }
    return listing;
}

void FolderReadahead::extend(Listing& parent, std::size_t index)
{
    Shared& shared = *shared_;
    auto tasks = shared.prepare(parent, index);
    std::lock_guard lock(shared.mutex);
    shared.enqueue(tasks);
}

void FolderReadahead::skip(Listing& parent, std::size_t index)
{
    Shared& shared = *shared_;
    std::lock_guard lock(shared.mutex);
    if (std::shared_ptr<Listing> listing = std::move(parent.children[index].folder))
        shared.drop(*listing);
}

bool FolderReadahead::mayEnter(const Listing& parent, const Child& child) const
{
    return shared_->mayEnter(parent, child);
}

bool FolderReadahead::isMountPoint(const Listing& parent, const Child& child) const
{
    return shared_->isMountPoint(parent, child);
}
