#include "legacy_map_text.h"

#include <iterator>

namespace {

// One token of a record: the first version that carries it and the value of a new record.
struct Column {
    int from;
    const char* value;
};

constexpr Column TILE_LINE[] = {
    {1, "0"},  {1, "0"},  {1, "3"},  {1, "0"},  {1, "8191"}, {1, "30"},  {1, "0"},  {1, "0"},  {1, "1"},   {1, "3"},
    {1, "28"}, {2, "1"},  {3, "0"},  {3, "-1"}, {4, "0"},    {4, "0"},   {8, ""},   {9, "0"},  {10, "-1"}, {10, "-1"},
    {23, "2"}, {23, "3"}, {23, "0"}, {23, "1"}, {23, "0"},   {23, "0"},  {25, "0"}, {25, "0"}, {27, "-1"}, {26, "1"},
    {28, "0"}, {29, "0"}, {29, "0"}, {30, "0"}, {30, "0"},   {34, "3"},  {34, "0"}, {34, "0"}, {34, "0"},  {35, "3"},
    {35, "0"}, {35, "0"}, {35, "0"}, {35, "0"}, {36, "0"},   {38, "-1"}, {42, "0"}, {43, "0"}, {43, "0"},  {43, "0"},
};
constexpr int LAST_FIELD_BEFORE_TRIPLE = 35;

// Fields 8, 9 (per-cargo counts) and 25 (an identity record) are written by rule.
constexpr Column TILE_STATE[] = {
    {5, "0"},    {5, "0"},  {11, "1"}, {11, "1"}, {11, "0"},    {11, "0"}, {11, "0"}, {5, ""},   {5, ""},
    {5, "0"},    {5, "0"},  {5, "0"},  {5, "0"},  {5, "0"},     {5, "0"},  {5, "0"},  {5, "0"},  {5, "0"},
    {5, "0"},    {5, "0"},  {5, "0"},  {5, "0"},  {5, "0"},     {5, "0"},  {5, ""},   {5, "0"},  {5, "0"},
    {5, "0"},    {5, "0"},  {5, "0"},  {5, "0"},  {5, "0"},     {16, "0"}, {16, "0"}, {18, "0"}, {16, "0"},
    {16, "0"},   {16, "0"}, {16, "0"}, {16, "0"}, {19, "0"},    {16, "0"}, {16, "0"}, {16, "0"}, {20, "0"},
    {7, "8191"}, {7, "0"},  {7, "0"},  {7, "0"},  {12, "8191"}, {26, "1"},
};

constexpr Column STATE_LINE[] = {
    {5, "0"},  {12, "1000000"}, {13, "1"}, {14, "28800"}, {15, "1000000"},
    {15, "0"}, {15, "0"},       {5, "0"},  {5, "0"},      {5, "0"},
};

// Fields 1..21 of an item record, then 25..27; origin and position default to its tile.
constexpr Column ITEM_HEAD[] = {
    {5, "0"}, {5, "0"},  {5, "0"},  {5, "0"}, {5, "0"}, {5, "0"}, {5, ""},  {5, ""},  {5, "0"},  {5, ""},   {5, ""},
    {5, "0"}, {5, "-1"}, {5, "-1"}, {5, "0"}, {5, "0"}, {5, "0"}, {5, "0"}, {5, "0"}, {5, "-1"}, {10, "0"},
};
constexpr Column ITEM_TAIL[] = {{28, "-1"}, {28, "0"}, {28, "-1"}};
constexpr int FIRST_ITEM_TAIL_FIELD = 25;
constexpr int ITEM_PATH_FIELD = 23;

struct Section {
    const char* keyword;
    int from;
    int until;
};

constexpr Section SECTIONS[] = {
    {"POWER_LINKS", 17, 43},          {"WATER_LINKS", 20, 20},          {"SIGNAL_LINKS", 23, 23},
    {"SIGNAL_CONTROL_LINKS", 24, 43}, {"SIGNAL_MEASURE_LINKS", 24, 43}, {"DC_LINKS", 39, 43},
};

class Line {
  public:
    void add(const std::string& token) { text_ += (text_.empty() ? "" : " ") + token; }
    std::string done() const { return text_ + "\n"; }

  private:
    std::string text_;
};

bool labelled(int version) { return version >= 8; }
bool oldCargoMasks(int version) { return version < 16; }

std::string quoted(const std::string& label) { return "\"" + label + "\""; }

std::string given(const LegacyFields& fields, int number, const std::string& otherwise)
{
    const auto found = fields.find(number);
    return found == fields.end() ? otherwise : found->second;
}

std::string tileLineDefault(int field, int version)
{
    if (field == 5 && oldCargoMasks(version)) return "1023";
    if (field == 17) return quoted("");
    return TILE_LINE[field - 1].value;
}

std::string tileStateDefault(int item, int version)
{
    if (item == 8 || item == 9) {
        std::string counts = "0";
        for (int i = 1; i < (version < 16 ? 10 : 13); ++i)
            counts += " 0";
        return counts;
    }
    if (item == 25) return labelled(version) ? "0 0 \"\" 0" : "0 0 0";
    if ((item == 46 || item == 50) && oldCargoMasks(version)) return "1023";
    return TILE_STATE[item - 1].value;
}

std::string tileLine(const LegacyTile& tile, int version)
{
    Line line;
    for (int field = 1; field <= static_cast<int>(std::size(TILE_LINE)); ++field) {
        if (version >= TILE_LINE[field - 1].from) line.add(given(tile.line, field, tileLineDefault(field, version)));
        if (field == LAST_FIELD_BEFORE_TRIPLE && version >= 31 && version <= 40) line.add(tile.triple);
    }
    return line.done();
}

std::string tileStateLine(const LegacyTile& tile, int version)
{
    Line line;
    for (int item = 1; item <= static_cast<int>(std::size(TILE_STATE)); ++item) {
        if (version >= TILE_STATE[item - 1].from) line.add(given(tile.state, item, tileStateDefault(item, version)));
    }
    return line.done();
}

std::string itemLine(const LegacyItem& item, int version)
{
    const LegacyFields& f = item.fields;
    Line line;
    for (int field = 1; field <= static_cast<int>(std::size(ITEM_HEAD)); ++field) {
        if (version < ITEM_HEAD[field - 1].from) continue;
        std::string otherwise = ITEM_HEAD[field - 1].value;
        if (field == 7 || field == 10) otherwise = given(f, 1, "0");
        if (field == 8 || field == 11) otherwise = given(f, 2, "0");
        line.add(given(f, field, otherwise));
    }
    line.add(std::to_string(item.id.machineId) + " " + std::to_string(item.id.serial));
    if (labelled(version)) line.add(quoted(item.id.label));
    line.add("0");
    line.add(given(f, ITEM_PATH_FIELD, "0"));
    for (int i = 0; i < static_cast<int>(std::size(ITEM_TAIL)); ++i) {
        if (version >= ITEM_TAIL[i].from) line.add(given(f, FIRST_ITEM_TAIL_FIELD + i, ITEM_TAIL[i].value));
    }
    return line.done();
}

std::string linkLine(const Link& link, const Section& section, int version)
{
    Line line;
    for (int end : {link.x0, link.y0, link.x1, link.y1})
        line.add(std::to_string(end));
    if (std::string(section.keyword) == "SIGNAL_CONTROL_LINKS") {
        if (version >= 33) line.add(std::to_string(link.input));
        if (version >= 38) line.add(std::to_string(link.param));
    }
    return line.done();
}

const LegacyTile* tileAt(const LegacyMap& map, int x, int y)
{
    for (const LegacyTile& tile : map.tiles) {
        if (tile.x == x && tile.y == y) return &tile;
    }
    return nullptr;
}

void writeTiles(std::string& text, const LegacyMap& map, int width, int height, bool state)
{
    const LegacyTile plain;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const LegacyTile* tile = tileAt(map, x, y);
            const LegacyTile& written = tile != nullptr ? *tile : plain;
            text += state ? tileStateLine(written, map.version) : tileLine(written, map.version);
        }
    }
}

void writeSections(std::string& text, const LegacyMap& map)
{
    for (const Section& section : SECTIONS) {
        if (map.version < section.from || map.version > section.until) continue;
        const auto found = map.sections.find(section.keyword);
        const std::vector<Link> none;
        const std::vector<Link>& links = found == map.sections.end() ? none : found->second;
        text += std::string(section.keyword) + " " + std::to_string(links.size()) + "\n";
        for (const Link& link : links)
            text += linkLine(link, section, map.version);
    }
    text += "ITEMS " + std::to_string(map.items.size()) + "\n";
    for (const LegacyItem& item : map.items)
        text += itemLine(item, map.version);
}

}  // namespace

std::string legacyMapText(const LegacyMap& map)
{
    Line header;
    for (const std::string& token : {std::string("ZEDARADOREV_MAP"), std::to_string(map.version),
                                     std::to_string(map.width), std::to_string(map.height)}) {
        header.add(token);
    }
    if (map.version >= 4) header.add(map.nextMachineId);
    std::string text = header.done();
    writeTiles(text, map, map.width, map.height, false);
    if (map.version < 5) return text;

    Line state;
    state.add("STATE");
    for (int field = 1; field <= static_cast<int>(std::size(STATE_LINE)); ++field) {
        if (map.version >= STATE_LINE[field - 1].from) state.add(given(map.state, field, STATE_LINE[field - 1].value));
    }
    text += state.done();
    writeTiles(text, map, GRID_WIDTH, GRID_HEIGHT, true);
    writeSections(text, map);
    return text;
}
