#include "editing/undo_history.h"

#include <sstream>

#include "world/game.h"

namespace {

// Sets the switch back as the record says; false, with nothing changed, when
// the record cannot be read or its tile holds no switch any more.
bool undoManualSwitch(Game& game, const std::string& record)
{
    std::istringstream in(record);
    std::string keyword;
    int x = 0;
    int y = 0;
    int state = 0;
    if (!(in >> keyword >> x >> y >> state) || !game.inBounds(x, y)) return false;
    Tile& tile = game.tileAt(x, y);
    if (tile.type != LOGIC_SWITCH) return false;
    tile.switchOn = state != 0;
    game.updateNetworks(0.0f);
    return true;
}

bool undoMapText(Game& game, const std::string& record)
{
    std::istringstream in(record);
    return game.readMap(in);
}

// Records the map text the world had when the content was taken, when the
// map text has changed since. Fields the text leaves out (a held button, the
// flags the networks derive) may have changed alone: an undo of such a record
// would show nothing.
bool recordWhenChanged(UndoHistory& history, Game& game, MapContent& before)
{
    std::string text;
    if (sameMapContent(before, game) || !writeMapText(game, before, text)) return false;
    std::string now;
    if (UndoHistory::snapshot(game, now) && now == text) return false;
    history.push(std::move(text));
    return true;
}

}  // namespace

std::string manualSwitchRecord(int x, int y, bool stateBefore)
{
    return MANUAL_SWITCH_RECORD + std::to_string(x) + ' ' + std::to_string(y) + ' ' + (stateBefore ? '1' : '0');
}

void UndoHistory::push(std::string&& record)
{
    if (press_ != nullptr) press_->before_.reset();
    if (records_.size() >= UNDO_LIMIT) records_.pop_front();
    records_.push_back(std::move(record));
}

bool UndoHistory::undo(Game& game)
{
    if (records_.empty()) return false;
    const std::string& record = records_.back();
    const bool applied =
        record.starts_with(MANUAL_SWITCH_RECORD) ? undoManualSwitch(game, record) : undoMapText(game, record);
    if (applied) records_.pop_back();
    return applied;
}

bool UndoHistory::snapshot(const Game& game, std::string& out)
{
    std::ostringstream text;
    if (!game.writeMap(text)) return false;
    out = std::move(text).str();
    return true;
}

bool UndoHistory::recordChange(Game& game, MapContent& before)
{
    if (sameMapContent(before, game)) return false;
    // Inside a press, the world from before the press stands for both.
    const bool inPress = press_ != nullptr && press_->armed();
    return recordWhenChanged(*this, game, inPress ? *press_->before_ : before);
}

UndoGuard::UndoGuard(UndoHistory& history, Game& game)
    : history_(history), game_(game), before_(mapContentOf(game)), outer_(history.press_)
{
    history_.press_ = this;
}

UndoGuard::~UndoGuard()
{
    history_.press_ = outer_;
    if (!armed()) return;
    // A world that cannot be written (memory) records nothing rather than end the game.
    try {
        recordWhenChanged(history_, game_, *before_);
    } catch (...) {
    }
}

void UndoGuard::handOver(PendingUndo& pending)
{
    std::optional<MapContent> before = std::move(before_);
    before_.reset();
    commitPendingUndo(pending, history_, game_);
    pending.before = std::move(before);
    pending.changed = false;
}

void commitPendingUndo(PendingUndo& pending, UndoHistory& history, Game& game)
{
    if (pending.changed && pending.before) recordWhenChanged(history, game, *pending.before);
    pending.before.reset();
    pending.changed = false;
}
