#include "persistence/durable_file.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Links followed from a target before it counts as a loop, as the system counts.
constexpr int MAX_LINK_HOPS = 40;

// The file a save replaces: target itself, or the file its links lead to.
struct SaveTarget {
    fs::path file;
    std::optional<mode_t> permissions;  // of an existing regular file
};

std::optional<SaveTarget> findSaveTarget(fs::path file, const SystemCalls& calls)
{
    for (int hop = 0; hop <= MAX_LINK_HOPS; ++hop) {
        struct stat status {};
        if (calls.lstat(file.c_str(), &status) != 0) {
            if (errno == ENOENT) return SaveTarget{file, std::nullopt};
            return std::nullopt;
        }
        if (!S_ISLNK(status.st_mode)) {
            // A pipe, a device or a directory is nothing the game wrote, and is not replaced.
            if (!S_ISREG(status.st_mode)) return std::nullopt;
            return SaveTarget{file, status.st_mode & 07777};
        }
        std::error_code error;
        const fs::path destination = fs::read_symlink(file, error);
        if (error) return std::nullopt;
        file = file.parent_path() / destination;  // an absolute destination replaces the whole path
    }
    return std::nullopt;
}

// Closes the descriptor on every way out.
struct OpenFile {
    const SystemCalls& calls;
    int fd;
    ~OpenFile()
    {
        if (fd >= 0) calls.close(fd);
    }
};

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

enum class Lock { Held, Moved, Failed };

// Waits for the other savers of the file, then checks that the path still names
// the file locked: a saver that held it before may have renamed it onto the target.
Lock lockTemporary(int fd, const fs::path& temporary, const SystemCalls& calls)
{
    int locked;
    do {
        locked = calls.flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    struct stat opened {};
    struct stat named {};
    if (locked != 0 || calls.fstat(fd, &opened) != 0) return Lock::Failed;
    // Something else than a file under the temporary name is not the save's to remove.
    if (!S_ISREG(opened.st_mode)) return Lock::Failed;
    if (calls.lstat(temporary.c_str(), &named) != 0) return errno == ENOENT ? Lock::Moved : Lock::Failed;
    return sameFile(opened, named) ? Lock::Held : Lock::Moved;
}

// A link under the temporary name is left over from elsewhere; removing it
// touches no file.
bool removeStaleLink(const fs::path& temporary, const SystemCalls& calls)
{
    struct stat status {};
    if (calls.lstat(temporary.c_str(), &status) != 0) return errno == ENOENT;
    if (!S_ISLNK(status.st_mode)) return false;
    return calls.unlink(temporary.c_str()) == 0 || errno == ENOENT;
}

// The temporary file opened, locked and still under its name; -1 on failure.
// Each new turn follows a save that another saver finished meanwhile, so the
// loop ends once the others pause; a bound would fail a save that merely waits
// behind a busy saver.
int openLockedTemporary(const fs::path& temporary, const SystemCalls& calls)
{
    for (;;) {
        const int fd = calls.open(temporary.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno != ELOOP || !removeStaleLink(temporary, calls)) return -1;
            continue;
        }
        const Lock lock = lockTemporary(fd, temporary, calls);
        if (lock == Lock::Held) return fd;
        calls.close(fd);
        if (lock == Lock::Failed) return -1;
    }
}

// One byte more than was written is asked for, so that a longer file shows.
bool readsBack(int fd, std::string_view text, const std::function<bool(std::string_view)>& accepts,
               const SystemCalls& calls)
{
    std::string back(text.size() + 1, '\0');
    std::size_t got = 0;
    while (got < back.size()) {
        const ssize_t read = calls.pread(fd, back.data() + got, back.size() - got, static_cast<off_t>(got));
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) return false;
        if (read == 0) break;
        got += static_cast<std::size_t>(read);
    }
    back.resize(got);
    return back == text && accepts(back);
}

bool writeTemporary(int fd, std::string_view text, std::optional<mode_t> permissions, const SystemCalls& calls)
{
    return calls.ftruncate(fd, 0) == 0 && (!permissions || calls.fchmod(fd, *permissions) == 0) &&
           writeAll(fd, text, calls) && calls.fsync(fd) == 0;
}

}  // namespace

bool writeAll(int fd, std::string_view text, const SystemCalls& calls)
{
    while (!text.empty()) {
        const ssize_t written = calls.write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool syncDirectoryOf(const fs::path& file, const SystemCalls& calls)
{
    const fs::path parent = file.parent_path();
    const fs::path directory = parent.empty() ? fs::path(".") : parent;
    const OpenFile opened{calls, calls.open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0)};
    return opened.fd >= 0 && calls.fsync(opened.fd) == 0;
}

bool replaceFileAtomically(const fs::path& target, std::string_view text,
                           const std::function<bool(std::string_view)>& accepts, const SystemCalls& calls)
{
    const std::optional<SaveTarget> found = findSaveTarget(target, calls);
    if (!found) return false;
    fs::path temporary = found->file;
    temporary += ".tmp";
    // The lock is held until the temporary file has become the target.
    const OpenFile locked{calls, openLockedTemporary(temporary, calls)};
    return locked.fd >= 0 && writeTemporary(locked.fd, text, found->permissions, calls) &&
           readsBack(locked.fd, text, accepts, calls) && calls.rename(temporary.c_str(), found->file.c_str()) == 0 &&
           syncDirectoryOf(found->file, calls);
}

bool replaceFileAtomically(const fs::path& target, std::string_view text, const SystemCalls& calls)
{
    return replaceFileAtomically(
        target, text, [](std::string_view) { return true; }, calls);
}
