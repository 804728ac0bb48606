#include "editing/labels.h"

#include "editing/undo_history.h"
#include "world/game.h"
#include "world/tile.h"

namespace {

char upperCased(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

void writeLabel(const LabelEntry& entry, Game& game)
{
    if (takesLabel(game, entry.x, entry.y)) game.tileAt(entry.x, entry.y).label = entry.buffer;
}

void close(LabelEntry& entry) { entry = {}; }

}  // namespace

bool takesLabel(const Game& game, int x, int y)
{
    return game.inBounds(x, y) && isProducerType(game.tileAt(x, y).type);
}

void beginLabelEdit(LabelEntry& entry, const Game& game, int x, int y)
{
    if (!entry.active || entry.x != x || entry.y != y) {
        entry.buffer = game.inBounds(x, y) ? game.tileAt(x, y).label : std::string();
        entry.x = x;
        entry.y = y;
    }
    entry.active = true;
}

void endLabelEdit(LabelEntry& entry, Game& game, bool commit)
{
    if (entry.active && commit) writeLabel(entry, game);
    close(entry);
}

void typeLabelText(LabelEntry& entry, std::string_view text)
{
    if (!entry.active) return;
    for (const char typed : text) {
        const char c = upperCased(typed);
        if (entry.buffer.size() < static_cast<std::size_t>(MAX_LABEL_LENGTH) && isLabelChar(c)) entry.buffer += c;
    }
}

void eraseLabelChar(LabelEntry& entry)
{
    if (!entry.buffer.empty()) entry.buffer.pop_back();
}

bool commitLabelEntry(LabelEntry& entry, Game& game, UndoHistory& history)
{
    const bool changed = entry.active && history.record(game, [&] { writeLabel(entry, game); });
    close(entry);
    return changed;
}
