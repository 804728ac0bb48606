#pragma once

// SDL's log lines while a capture lives, the text of each. Header-only, because the
// test programs without SDL share tests/support/*.cpp.

#include <SDL.h>

#include <algorithm>
#include <string>
#include <vector>

class SdlLogCapture {
  public:
    SdlLogCapture()
    {
        SDL_LogGetOutputFunction(&previous_, &previousData_);
        SDL_LogSetOutputFunction(&SdlLogCapture::keep, this);
    }
    ~SdlLogCapture() { SDL_LogSetOutputFunction(previous_, previousData_); }
    SdlLogCapture(const SdlLogCapture&) = delete;
    SdlLogCapture& operator=(const SdlLogCapture&) = delete;

    const std::vector<std::string>& lines() const { return lines_; }

    long count(const std::string& line) const { return std::count(lines_.begin(), lines_.end(), line); }

  private:
    static void SDLCALL keep(void* self, int, SDL_LogPriority, const char* message)
    {
        static_cast<SdlLogCapture*>(self)->lines_.emplace_back(message);
    }

    SDL_LogOutputFunction previous_ = nullptr;
    void* previousData_ = nullptr;
    std::vector<std::string> lines_;
};
