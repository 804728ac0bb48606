#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "editing/map_content.h"

class Game;
class UndoGuard;

// How many steps Ctrl+Z can take back; older records are dropped silently.
constexpr std::size_t UNDO_LIMIT = 30;

// Begins a record that takes back one hand-flipped switch; what follows is
// "x y state", the state before the flip as 0 or 1.
inline constexpr char MANUAL_SWITCH_RECORD[] = "MANUAL_SWITCH ";

// The record of a switch at (x, y) flipped by hand from the given state.
std::string manualSwitchRecord(int x, int y, bool stateBefore);

// A step that spans a whole drag (or several presses): the world from before
// its first change and whether any change has happened since. Empty between
// steps.
struct PendingUndo {
    bool changed = false;
    std::optional<MapContent> before;
};

// The undo steps of the whole run, newest last. A record is a whole map text,
// or a compact record that takes back one flipped switch. Nothing clears the
// history: loading a map leaves the records of the previous one in place.
class UndoHistory {
  public:
    UndoHistory() = default;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // Adds the newest record, dropping the oldest when the history is full.
    // A record added while a press is under way is that press's one record:
    // the press's guard then records nothing itself.
    void push(std::string&& record);

    // Takes back the newest step. False when there is none, or when its record
    // no longer applies to the world (a map text the reader refuses, a switch
    // that is gone); that record then stays on top and the world is unchanged.
    bool undo(Game& game);

    // Replaces out by the map text of the world; false (out unchanged) when
    // the writer fails.
    static bool snapshot(const Game& game, std::string& out);

    // One edit as one undo step: records the map text from before the edit
    // when the edit changed the map. Inside a press the record holds the text
    // from before the press, and the press adds no second one. True when the
    // map changed and was recorded.
    template <typename Edit> bool record(Game& game, Edit&& edit)
    {
        MapContent before = mapContentOf(game);
        std::forward<Edit>(edit)();
        return recordChange(game, before);
    }

    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    // The record Ctrl+Z would take back next; the history must not be empty.
    const std::string& newest() const { return records_.back(); }

  private:
    friend class UndoGuard;

    bool recordChange(Game& game, MapContent& before);

    std::deque<std::string> records_;
    UndoGuard* press_ = nullptr;  // the guard of the press under way, if any
};

// Makes one mouse press one undo step: holds the world from before the press
// and records its map text when the press has changed the map. The shell
// keeps one on the stack around the handling of each press on the map or the
// side panel.
class UndoGuard {
  public:
    UndoGuard(UndoHistory& history, Game& game);
    ~UndoGuard();
    UndoGuard(const UndoGuard&) = delete;
    UndoGuard& operator=(const UndoGuard&) = delete;

    // Lets a stroke carry the press on past its release: the press's world
    // becomes the stroke's, and the guard records nothing. A step still
    // pending from before is committed first, so that it is not lost.
    void handOver(PendingUndo& pending);

    // The guard will record the press; false once a stroke or a record has taken it over.
    bool armed() const { return before_.has_value(); }
    UndoHistory& history() const { return history_; }

  private:
    friend class UndoHistory;

    UndoHistory& history_;
    Game& game_;
    std::optional<MapContent> before_;  // empty once disarmed
    UndoGuard* outer_ = nullptr;        // a press being handled when this one began
};

// Ends a pending step: records the map text from before it when it changed
// the map, and empties it in every case.
void commitPendingUndo(PendingUndo& pending, UndoHistory& history, Game& game);
