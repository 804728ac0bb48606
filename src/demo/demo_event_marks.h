#pragma once

#include <cstdint>

// The demo player's synthetic input carries one of these in a field that real input
// fills with an SDL id, so the shell can tell the two apart: a key event's window id,
// a motion or button event's mouse id. The two others mark a button event made with
// Shift or Ctrl held.
constexpr std::uint32_t DEMO_EVENT_MARK = 0xD36A7E51;
constexpr std::uint32_t DEMO_SHIFT_MARK = 0xD36A7E52;
constexpr std::uint32_t DEMO_CTRL_MARK = 0xD36A7E53;
