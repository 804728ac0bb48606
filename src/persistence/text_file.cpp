#include "persistence/text_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Reads until the end of the file, or until maxBytes have come and there is more,
// which a file growing while it is read may still send.
FileFault readAll(int fd, std::size_t maxBytes, std::string& text, const SystemCalls& calls)
{
    char chunk[1 << 16];
    for (;;) {
        const std::size_t room = maxBytes - text.size();
        // One byte past the room shows that there is more.
        const ssize_t got = calls.read(fd, chunk, std::min(sizeof chunk - 1, room) + 1);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return FileFault::ReadError;
        if (got == 0) return FileFault::None;
        text.append(chunk, std::min(static_cast<std::size_t>(got), room));
        if (static_cast<std::size_t>(got) > room) return FileFault::TooLarge;
    }
}

// A file past maxBytes is refused unread, or read up to the bound for its head.
FileFault readOpenFile(int fd, std::size_t maxBytes, bool head, std::string& text, const SystemCalls& calls)
{
    struct stat status {};
    if (calls.fstat(fd, &status) != 0) return FileFault::ReadError;
    if (!S_ISREG(status.st_mode)) return FileFault::NotARegularFile;
    const std::size_t size = static_cast<std::size_t>(status.st_size);
    if (size > maxBytes && !head) return FileFault::TooLarge;
    text.reserve(std::min(size, maxBytes));
    return readAll(fd, maxBytes, text, calls);
}

FileText readFile(const std::filesystem::path& file, std::size_t maxBytes, bool head, const SystemCalls& calls)
{
    // Without blocking, a pipe with no writer opens at once and is then refused.
    const int fd = calls.open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0) return {{}, errno == ENOENT ? FileFault::Missing : FileFault::CannotOpen};
    FileText result;
    result.fault = readOpenFile(fd, maxBytes, head, result.text, calls);
    calls.close(fd);
    return result;
}

}  // namespace

FileText readRegularFile(const std::filesystem::path& file, std::size_t maxBytes, const SystemCalls& calls)
{
    FileText result = readFile(file, maxBytes, false, calls);
    if (result.fault != FileFault::None) result.text.clear();
    return result;
}

FileText readLeadingLines(const std::filesystem::path& file, std::size_t maxBytes, const SystemCalls& calls)
{
    FileText result = readFile(file, maxBytes, true, calls);
    if (result.fault == FileFault::TooLarge) {
        // The line that the bound cuts is not read at all; with no line end, nothing is.
        const std::size_t lineEnd = result.text.rfind('\n');
        result.text.resize(lineEnd == std::string::npos ? 0 : lineEnd + 1);
        result.fault = FileFault::None;
    }
    if (result.fault != FileFault::None) result.text.clear();
    return result;
}
