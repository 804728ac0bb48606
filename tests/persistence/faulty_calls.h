#pragma once

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <filesystem>
#include <limits>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "persistence/system_calls.h"

// The real system calls, logged one entry a call ("fsync karte-1.map.tmp") and
// faulted as a plan says: one call fails, every call from one on fails as if the
// process had stopped there, or the process really is killed at that call.
struct CallPlan {
    enum class Fault { None, FailOne, StopFrom, Kill };
    Fault fault = Fault::None;
    std::size_t at = 0;  // index of the faulting call
    // Bytes a faulting write still puts into its file before it fails or the process dies.
    std::size_t bytesBefore = 0;
    // Every call whose entry begins with this fails, as a disk that cannot be read.
    std::string failingCall;
    // The most one write takes, so that a text goes out in several writes.
    std::size_t writePiece = std::numeric_limits<std::size_t>::max();
};

inline CallPlan writesInPieces(std::size_t piece)
{
    CallPlan plan;
    plan.writePiece = piece;
    return plan;
}

inline CallPlan faultAt(CallPlan::Fault fault, std::size_t at, std::size_t writePiece = CallPlan{}.writePiece,
                        std::size_t bytesBefore = 0)
{
    CallPlan plan = writesInPieces(writePiece);
    plan.fault = fault;
    plan.at = at;
    plan.bytesBefore = bytesBefore;
    return plan;
}

inline CallPlan failingEvery(std::string call)
{
    CallPlan plan;
    plan.failingCall = std::move(call);
    return plan;
}

class FaultyCalls {
  public:
    explicit FaultyCalls(CallPlan plan = {}) : plan_(std::move(plan))
    {
        const SystemCalls& real = realSystemCalls();
        calls.open = [this, &real](const char* path, int flags, mode_t mode) {
            if (faults("open " + nameOf(path))) return -1;
            const int fd = real.open(path, flags, mode);
            if (fd >= 0) names_[fd] = nameOf(path);
            return fd;
        };
        calls.close = [this, &real](int fd) {
            const bool failed = faults("close " + names_[fd]);
            names_.erase(fd);
            // The descriptor goes even when the close fails, as it does on the system.
            real.close(fd);
            return failed ? -1 : 0;
        };
        calls.read = [this, &real](int fd, void* buffer, std::size_t size) -> ssize_t {
            return faults("read " + names_[fd]) ? -1 : real.read(fd, buffer, size);
        };
        calls.pread = [this, &real](int fd, void* buffer, std::size_t size, off_t offset) -> ssize_t {
            return faults("pread " + names_[fd]) ? -1 : real.pread(fd, buffer, size, offset);
        };
        calls.write = [this, &real](int fd, const void* data, std::size_t size) -> ssize_t {
            size = std::min(size, plan_.writePiece);
            if (!faults("write " + names_[fd], [&] { real.write(fd, data, std::min(size, plan_.bytesBefore)); }))
                return real.write(fd, data, size);
            return -1;
        };
        calls.fstat = [this, &real](int fd, struct stat* status) {
            return faults("fstat " + names_[fd]) ? -1 : real.fstat(fd, status);
        };
        calls.lstat = [this, &real](const char* path, struct stat* status) {
            return faults("lstat " + nameOf(path)) ? -1 : real.lstat(path, status);
        };
        calls.flock = [this, &real](int fd, int operation) {
            return faults("flock " + names_[fd]) ? -1 : real.flock(fd, operation);
        };
        calls.ftruncate = [this, &real](int fd, off_t length) {
            return faults("ftruncate " + names_[fd]) ? -1 : real.ftruncate(fd, length);
        };
        calls.fchmod = [this, &real](int fd, mode_t mode) {
            return faults("fchmod " + names_[fd]) ? -1 : real.fchmod(fd, mode);
        };
        calls.fsync = [this, &real](int fd) { return faults("fsync " + names_[fd]) ? -1 : real.fsync(fd); };
        calls.rename = [this, &real](const char* from, const char* to) {
            return faults("rename " + nameOf(from) + " " + nameOf(to)) ? -1 : real.rename(from, to);
        };
        calls.unlink = [this, &real](const char* path) {
            return faults("unlink " + nameOf(path)) ? -1 : real.unlink(path);
        };
    }
    FaultyCalls(const FaultyCalls&) = delete;
    FaultyCalls& operator=(const FaultyCalls&) = delete;

    // The index of the first entry that begins with the text; the log's size when none does.
    std::size_t indexOf(const std::string& text) const
    {
        const auto found = std::find_if(
            log.begin(), log.end(), [&](const std::string& entry) { return entry.compare(0, text.size(), text) == 0; });
        return static_cast<std::size_t>(found - log.begin());
    }

    SystemCalls calls;
    std::vector<std::string> log;

  private:
    static std::string nameOf(const char* path) { return std::filesystem::path(path).filename().string(); }

    // Logs the call; true when it is to fail. Before a fault lands, beforeFault does
    // what part of the call still happens.
    template <class Partly = void (*)()>
    bool faults(
        const std::string& entry, Partly beforeFault = [] {})
    {
        const std::size_t index = log.size();
        log.push_back(entry);
        using Fault = CallPlan::Fault;
        const bool planned = (plan_.fault == Fault::FailOne && index == plan_.at) ||
                             (plan_.fault == Fault::StopFrom && index >= plan_.at) ||
                             (plan_.fault == Fault::Kill && index == plan_.at);
        const bool failing =
            !plan_.failingCall.empty() && entry.compare(0, plan_.failingCall.size(), plan_.failingCall) == 0;
        if (!planned && !failing) return false;
        if (planned && index == plan_.at) beforeFault();
        if (plan_.fault == Fault::Kill) ::kill(::getpid(), SIGKILL);
        errno = EIO;
        return true;
    }

    CallPlan plan_;
    std::map<int, std::string> names_;
};
