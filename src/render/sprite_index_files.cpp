#include "render/sprite_index_files.h"

#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace {

// Reads the tokens of one record in turn; once a token is missing or is no
// integer where one belongs, the reader stays failed.
class RecordReader {
  public:
    explicit RecordReader(std::istream& in) : in_(in) {}

    bool ok() const { return ok_; }

    void integer(std::int32_t& value)
    {
        std::string token;
        if (!ok_ || !(in_ >> token)) {
            ok_ = false;
            return;
        }
        const char* end = token.data() + token.size();
        const auto [stop, error] = std::from_chars(token.data(), end, value);
        ok_ = error == std::errc{} && stop == end;
    }
    void word(std::string& value)
    {
        if (!ok_ || !(in_ >> value)) ok_ = false;
    }

  private:
    std::istream& in_;
    bool ok_ = true;
};

bool hasHeader(std::istream& in, const char* header)
{
    std::string line;
    return std::getline(in, line) && line == header;
}

std::optional<std::pair<SpriteKey, SpriteRef>> readControlRecord(std::istream& in)
{
    RecordReader read(in);
    SpriteKey k;
    SpriteRef ref;
    for (std::int32_t* field :
         {&k.type, &k.tileSize, &k.direction, &k.beltSpeed, &k.armFilterClass, &k.stateBits, &k.frame, &k.frame2})
        read.integer(*field);
    read.word(ref.file);
    for (int* field : {&ref.x, &ref.y, &ref.w, &ref.h})
        read.integer(*field);
    if (!read.ok()) return std::nullopt;
    return std::pair{k, ref};
}

std::optional<std::pair<BridgeSpriteKey, BridgeSpriteRef>> readBridgeRecord(std::istream& in)
{
    RecordReader read(in);
    BridgeSpriteKey k;
    BridgeSpriteRef ref;
    for (std::int32_t* field : {&k.cellSize, &k.bridgeDir, &k.bridgePart, &k.frame})
        read.integer(*field);
    read.word(ref.file);
    for (int* field : {&ref.x, &ref.y, &ref.w, &ref.h, &ref.lift})
        read.integer(*field);
    if (!read.ok()) return std::nullopt;
    return std::pair{k, ref};
}

}  // namespace

void readControlSpriteIndex(std::istream& in, std::map<SpriteKey, SpriteRef>& index)
{
    if (!hasHeader(in, CONTROL_INDEX_HEADER)) return;
    while (const auto record = readControlRecord(in))
        index.insert(*record);
}

void readBridgeSpriteIndex(std::istream& in, std::map<BridgeSpriteKey, BridgeSpriteRef>& index)
{
    if (!hasHeader(in, BRIDGE_INDEX_HEADER)) return;
    while (const auto record = readBridgeRecord(in)) {
        const BridgeSpriteRef& ref = record->second;
        // The picture is drawn lift pixels above its tile: more than the cell holds is no picture.
        if (ref.lift >= 0 && ref.lift <= ref.h) index.insert(*record);
    }
}

void writeControlSpriteRecord(std::ostream& out, const SpriteKey& k, const SpriteRef& ref)
{
    out << k.type << ' ' << k.tileSize << ' ' << k.direction << ' ' << k.beltSpeed << ' ' << k.armFilterClass << ' '
        << k.stateBits << ' ' << k.frame << ' ' << k.frame2 << ' ' << ref.file << ' ' << ref.x << ' ' << ref.y << ' '
        << ref.w << ' ' << ref.h << '\n';
}

void writeBridgeSpriteRecord(std::ostream& out, const BridgeSpriteKey& k, const BridgeSpriteRef& ref)
{
    out << k.cellSize << ' ' << k.bridgeDir << ' ' << k.bridgePart << ' ' << k.frame << ' ' << ref.file << ' ' << ref.x
        << ' ' << ref.y << ' ' << ref.w << ' ' << ref.h << ' ' << ref.lift << '\n';
}
