#include "editing/map_content.h"

#include <utility>

#include "editing/undo_history.h"
#include "world/game.h"

namespace {

void swapContent(Game& game, MapContent& content)
{
    std::swap(game.tiles, content.tiles);
    std::swap(game.items, content.items);
    std::swap(game.powerLinks, content.powerLinks);
    std::swap(game.signalControlLinks, content.signalControlLinks);
    std::swap(game.signalMeasureLinks, content.signalMeasureLinks);
    std::swap(game.dcLinks, content.dcLinks);
    const MapState state = mapStateOf(game);
    applyMapState(game, content.state);
    content.state = state;
    std::swap(game.nextMachineId, content.nextMachineId);
}

// The world holds the content for as long as this lives, and its own again after.
class ContentSwappedIn {
  public:
    ContentSwappedIn(Game& game, MapContent& content) : game_(game), content_(content) { swapContent(game_, content_); }
    ~ContentSwappedIn() { swapContent(game_, content_); }
    ContentSwappedIn(const ContentSwappedIn&) = delete;
    ContentSwappedIn& operator=(const ContentSwappedIn&) = delete;

  private:
    Game& game_;
    MapContent& content_;
};

}  // namespace

MapContent mapContentOf(const Game& game)
{
    return MapContent{
        game.tiles,   game.items,       game.powerLinks,   game.signalControlLinks, game.signalMeasureLinks,
        game.dcLinks, mapStateOf(game), game.nextMachineId};
}

bool sameMapContent(const MapContent& content, const Game& game)
{
    return content.nextMachineId == game.nextMachineId && content.state == mapStateOf(game) &&
           content.powerLinks == game.powerLinks && content.signalControlLinks == game.signalControlLinks &&
           content.signalMeasureLinks == game.signalMeasureLinks && content.dcLinks == game.dcLinks &&
           content.items == game.items && content.tiles == game.tiles;
}

bool writeMapText(Game& game, MapContent& content, std::string& out)
{
    // The writer reads nothing of the world but the content, so the world
    // lends it its place for the writing instead of being copied whole.
    const ContentSwappedIn swapped(game, content);
    return UndoHistory::snapshot(game, out);
}
