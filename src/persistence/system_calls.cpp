#include "persistence/system_calls.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

const SystemCalls& realSystemCalls()
{
    static const SystemCalls calls{
        .open = [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        .close = ::close,
        .read = ::read,
        .pread = ::pread,
        .write = ::write,
        .fstat = [](int fd, struct stat* status) { return ::fstat(fd, status); },
        .lstat = [](const char* path, struct stat* status) { return ::lstat(path, status); },
        .flock = ::flock,
        .ftruncate = ::ftruncate,
        .fchmod = ::fchmod,
        .fsync = ::fsync,
        .rename = std::rename,
        .unlink = ::unlink,
    };
    return calls;
}
