#include "ui/tool_table.h"

const std::array<std::string_view, TOOL_COUNT> TOOL_LABELS = {
    "QUELLE",
    "ZIEL",
    "BAND",
    "GREIFARM",
    "LANGARM",
    "VERTEILER",
    "DELETE",
    "MISCHER",
    "VERKOHLUNGSOFEN",
    "SCHMELZE",
    "ABFUELLANLAGE",
    "BRUECKE",
    "LAGER",
    "TUNNEL",
    "BANDTEMPO",
    "KAUFHAUS",
    "GENERATOR",
    "STROMMAST",
    "STROMLEITUNG",
    "SPRITZGUSS",
    "WASSERQUELLE",
    "WASSERLEITUNG",
    "RICHTUNG",
    "SENSOR",
    "MESSLEITUNG",
    "SCHALTLEITUNG",
    "AUSWERFER",
    "",
    "UND",
    "ODER",
    "XOR",
    "NICHT",
    "SIGNALLAMPE",
    "ZAEHLER",
    "TIMER",
    "TAKTGEBER",
    "SCHALTER",
    "TASTER",
    "SCHRITTSCHALTER",
    "RS-SPEICHER",
    "5V-NETZTEIL",
    "5V-LEITUNG",
    "AUSWAHL",
};

namespace {

constexpr PackedColor LOGIC_PLATE = packColor(85, 179, 166);

}  // namespace

const std::array<PackedColor, TOOL_COUNT> TOOL_COLORS = {
    packColor(75, 127, 225),   // source
    packColor(232, 177, 65),   // sink
    packColor(142, 154, 149),  // belt
    packColor(120, 195, 185),  // arm
    packColor(96, 167, 206),   // long arm
    packColor(190, 145, 224),  // distributor
    packColor(215, 102, 107),  // delete
    packColor(97, 177, 143),   // mixer
    packColor(224, 133, 75),   // kiln
    packColor(152, 171, 192),  // smelter
    packColor(75, 174, 202),   // bottling plant
    packColor(159, 176, 188),  // bridge
    packColor(193, 156, 98),   // storage
    packColor(86, 150, 184),   // tunnel
    packColor(226, 168, 68),   // belt speed
    packColor(224, 145, 67),   // shop
    packColor(202, 112, 58),   // coal generator
    packColor(211, 195, 145),  // power pole
    packColor(232, 199, 76),   // power cable
    packColor(80, 193, 202),   // injection molder
    packColor(56, 173, 213),   // water source
    packColor(66, 189, 226),   // water pipe
    packColor(91, 160, 187),   // direction
    packColor(42, 193, 177),   // sensor
    packColor(62, 174, 222),   // measure wire
    packColor(92, 210, 193),   // switch wire
    packColor(214, 151, 63),   // ejector
    packColor(239, 192, 66),   // unused
    LOGIC_PLATE,               // AND
    LOGIC_PLATE,               // OR
    LOGIC_PLATE,               // XOR
    LOGIC_PLATE,               // NOT
    LOGIC_PLATE,               // lamp
    packColor(90, 205, 132),   // counter
    packColor(100, 185, 220),  // timer
    packColor(220, 175, 85),   // clock
    packColor(164, 179, 188),  // switch
    packColor(228, 177, 78),   // button
    packColor(105, 181, 212),  // stepper
    LOGIC_PLATE,               // RS latch
    packColor(120, 174, 218),  // 5V supply
    packColor(242, 66, 66),    // 5V cable
    packColor(135, 194, 231),  // select
};

std::string_view toolButtonLabel(Tool tool)
{
    switch (tool) {
    case TOOL_OVEN:
        return "OFEN";
    case TOOL_FILLER:
        return "FUELLER";
    default:
        return tool >= 0 && tool < TOOL_COUNT ? TOOL_LABELS[tool] : std::string_view{};
    }
}

PackedColor toolPlateColor(Tool tool)
{
    switch (tool) {
    case TOOL_OVEN:
        return packColor(77, 62, 55);
    case TOOL_SMELTER:
        return packColor(65, 72, 82);
    case TOOL_DC_LINE:
        return packColor(30, 25, 39);
    default:
        return tool >= 0 && tool < TOOL_COUNT ? TOOL_COLORS[tool] : packColor(0, 0, 0);
    }
}

bool toolHasPlate(Tool tool) { return tool != TOOL_DISTRIBUTOR && tool != TOOL_MIXER; }

std::string_view toolGroupName(Tool group)
{
    switch (group) {
    case WATER_GROUP:
        return "WASSER";
    case POWER_GROUP:
        return "STROM";
    case SIGNAL_GROUP:
        return "SIGNAL";
    case LOGIC_GROUP:
        return "LOGIK";
    default:
        return {};
    }
}

Tool toolGroupIconTool(Tool group)
{
    switch (group) {
    case WATER_GROUP:
        return TOOL_WATER_SOURCE;
    case POWER_GROUP:
        return TOOL_COAL_GENERATOR;
    case SIGNAL_GROUP:
        return TOOL_SENSOR;
    case LOGIC_GROUP:
        return TOOL_LOGIC_AND;
    default:
        return -1;
    }
}
