// Game::writeMap: the world as map text of the current version.
#include <ostream>

#include "persistence/cargo_item_record.h"
#include "persistence/map_fields.h"
#include "persistence/map_state.h"
#include "persistence/tile_line.h"
#include "persistence/tile_state.h"
#include "world/game.h"

namespace {

constexpr int MAP_FLOAT_PRECISION = 9;
constexpr std::size_t FLUSH_SIZE = 1 << 16;

void flushWhenFull(std::ostream& out, TextOut& text, std::size_t atLeast)
{
    if (text.text.size() < atLeast) return;
    out.write(text.text.data(), static_cast<std::streamsize>(text.text.size()));
    text.text.clear();
}

// The first id the text may hand to a producer still without one: above the
// world's next id and above every id already given.
std::uint64_t firstFreeMachineId(const Game& game)
{
    std::uint64_t next = game.nextMachineId;
    for (const Tile& tile : game.tiles) {
        if (isProducerType(tile.type) && tile.machineId + 1 > next) next = tile.machineId + 1;
    }
    return next;
}

std::uint64_t producersWithoutId(const Game& game)
{
    std::uint64_t count = 0;
    for (const Tile& tile : game.tiles)
        count += isProducerType(tile.type) && tile.machineId == 0;
    return count;
}

// Producers without an id get one in the text only; the world keeps its own.
void writeTileLines(std::ostream& out, TextOut& text, const Game& game, std::uint64_t nextFreeId)
{
    for (const Tile& tile : game.tiles) {
        if (isProducerType(tile.type) && tile.machineId == 0) {
            Tile numbered = tile;
            numbered.machineId = nextFreeId++;
            writeTileLine(text, numbered);
        } else {
            writeTileLine(text, tile);
        }
        flushWhenFull(out, text, FLUSH_SIZE);
    }
}

void writeLinks(std::ostream& out, TextOut& text, const Game& game)
{
    for (const LinkSection& section : LINK_SECTIONS) {
        if (section.until < MAP_VERSION) continue;
        const std::vector<Link>& links = game.*section.links;
        writeWord(text, section.keyword);
        writeValue(text, static_cast<std::uint64_t>(links.size()));
        endLine(text);
        for (const Link& link : links) {
            for (int end : {link.x0, link.y0, link.x1, link.y1})
                writeValue(text, end);
            if (section.switchWires) {
                writeValue(text, link.input);
                writeValue(text, link.param);
            }
            endLine(text);
            flushWhenFull(out, text, FLUSH_SIZE);
        }
    }
}

}  // namespace

bool Game::writeMap(std::ostream& out) const
{
    const std::uint64_t firstFreeId = firstFreeMachineId(*this);
    TextOut text{{}, MAP_FLOAT_PRECISION};
    text.text.reserve(FLUSH_SIZE + FLUSH_SIZE / 4);

    writeWord(text, MAP_MAGIC);
    for (int number : {MAP_VERSION, GRID_WIDTH, GRID_HEIGHT})
        writeValue(text, number);
    writeValue(text, firstFreeId + producersWithoutId(*this));
    endLine(text);
    out.precision(MAP_FLOAT_PRECISION);

    writeTileLines(out, text, *this, firstFreeId);
    writeMapState(text, mapStateOf(*this));
    for (const Tile& tile : tiles) {
        writeTileState(text, tile);
        flushWhenFull(out, text, FLUSH_SIZE);
    }
    writeLinks(out, text, *this);

    writeWord(text, ITEMS_KEYWORD);
    writeValue(text, static_cast<std::uint64_t>(items.size()));
    endLine(text);
    for (const CargoItem& item : items) {
        writeCargoItem(text, item);
        flushWhenFull(out, text, FLUSH_SIZE);
    }
    flushWhenFull(out, text, 0);
    return !out.fail();
}
