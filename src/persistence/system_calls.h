#pragma once

#include <cstddef>
#include <functional>
#include <sys/stat.h>
#include <sys/types.h>

// The system calls through which map, slot and settings files are read and
// written. Tests hand in their own to make any call fail, or the process stop,
// at any call and any byte.
struct SystemCalls {
    std::function<int(const char* path, int flags, mode_t mode)> open;
    std::function<int(int fd)> close;
    std::function<ssize_t(int fd, void* buffer, std::size_t size)> read;
    std::function<ssize_t(int fd, void* buffer, std::size_t size, off_t offset)> pread;
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd, struct stat* status)> fstat;
    std::function<int(const char* path, struct stat* status)> lstat;
    std::function<int(int fd, int operation)> flock;
    std::function<int(int fd, off_t length)> ftruncate;
    std::function<int(int fd, mode_t mode)> fchmod;
    std::function<int(int fd)> fsync;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(const char* path)> unlink;
};

// The calls of the running system.
const SystemCalls& realSystemCalls();
