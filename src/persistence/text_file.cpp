#include "persistence/text_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#include "persistence/durable_file.h"

namespace {

// Reads until the end of the file, or until more than maxBytes have come, which
// a file growing while it is read may still send.
FileFault readAll(int fd, std::size_t maxBytes, std::string& text, const SystemCalls& calls)
{
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = calls.read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return FileFault::ReadError;
        if (got == 0) return FileFault::None;
        if (text.size() + static_cast<std::size_t>(got) > maxBytes) return FileFault::TooLarge;
        text.append(chunk, static_cast<std::size_t>(got));
    }
}

FileFault readOpenFile(int fd, std::size_t maxBytes, std::string& text, const SystemCalls& calls)
{
    struct stat status {};
    if (calls.fstat(fd, &status) != 0) return FileFault::ReadError;
    if (!S_ISREG(status.st_mode)) return FileFault::NotARegularFile;
    if (static_cast<std::size_t>(status.st_size) > maxBytes) return FileFault::TooLarge;
    text.reserve(static_cast<std::size_t>(status.st_size));
    return readAll(fd, maxBytes, text, calls);
}

}  // namespace

FileText readRegularFile(const std::filesystem::path& file, std::size_t maxBytes, const SystemCalls& calls)
{
    // Without blocking, a pipe with no writer opens at once and is then refused.
    const int fd = calls.open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0) return {{}, errno == ENOENT ? FileFault::Missing : FileFault::CannotOpen};
    FileText result;
    result.fault = readOpenFile(fd, maxBytes, result.text, calls);
    calls.close(fd);
    if (result.fault != FileFault::None) result.text.clear();
    return result;
}

bool writeWholeFile(const std::filesystem::path& file, std::string_view text, const SystemCalls& calls)
{
    // Without blocking, a pipe with no reader fails to open instead of hanging.
    const int fd = calls.open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat status {};
    const bool written =
        calls.fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && writeAll(fd, text, calls) && calls.fsync(fd) == 0;
    // Once synced the text is on disk; closing cannot lose it.
    calls.close(fd);
    // A file created just now exists for good only once its directory is synced too.
    return written && syncDirectoryOf(file, calls);
}
