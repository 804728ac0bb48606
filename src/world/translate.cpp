#include "world/translate.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "world/language.h"
#include "world/phrase_table.h"

namespace {

bool isWordChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The phrases grouped by their first byte, each group longest first and otherwise in table order.
class PhraseIndex {
  public:
    PhraseIndex()
    {
        std::array<int, PHRASE_COUNT> order{};
        for (int i = 0; i < PHRASE_COUNT; ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [](int a, int b) {
            auto firstA = firstByte(PHRASES[a].german), firstB = firstByte(PHRASES[b].german);
            if (firstA != firstB) return firstA < firstB;
            return PHRASES[a].german.size() > PHRASES[b].german.size();
        });
        for (int i = 0; i < PHRASE_COUNT; ++i)
            sorted_[i] = &PHRASES[order[i]];
        groupStart_.fill(NO_GROUP);
        for (int i = PHRASE_COUNT - 1; i >= 0; --i)
            groupStart_[firstByte(sorted_[i]->german)] = i;
        // Bytes that start no phrase get an empty group at the start of the next one.
        groupStart_[256] = PHRASE_COUNT;
        for (int b = 255; b >= 0; --b) {
            if (groupStart_[b] == NO_GROUP) groupStart_[b] = groupStart_[b + 1];
        }
    }

    // The phrase that replaces text from position i on, or null.
    const PhrasePair* matchAt(std::string_view text, std::size_t i) const
    {
        unsigned char first = static_cast<unsigned char>(text[i]);
        std::string_view rest = text.substr(i);
        for (int k = groupStart_[first]; k < groupStart_[first + 1]; ++k) {
            std::string_view german = sorted_[k]->german;
            if (!rest.starts_with(german)) continue;
            if (german.size() == rest.size() || !isWordChar(rest[german.size()])) return sorted_[k];
        }
        return nullptr;
    }

  private:
    static constexpr std::uint16_t NO_GROUP = 0xFFFF;

    static unsigned char firstByte(std::string_view german) { return static_cast<unsigned char>(german.front()); }

    std::array<const PhrasePair*, PHRASE_COUNT> sorted_{};
    // The phrases of first byte b are sorted_[groupStart_[b]] up to sorted_[groupStart_[b + 1]].
    std::array<std::uint16_t, 257> groupStart_{};
};

const PhraseIndex& phraseIndex()
{
    static const PhraseIndex index;
    return index;
}

}  // namespace

std::string translate(std::string_view german)
{
    if (language() == GERMAN) return std::string(german);
    const PhraseIndex& index = phraseIndex();
    std::string result;
    result.reserve(german.size());
    std::size_t copiedUpTo = 0;
    std::size_t i = 0;
    while (i < german.size()) {
        bool wordStart = i == 0 || !isWordChar(german[i - 1]);
        const PhrasePair* phrase = wordStart ? index.matchAt(german, i) : nullptr;
        if (phrase == nullptr) {
            ++i;
            continue;
        }
        result.append(german.substr(copiedUpTo, i - copiedUpTo));
        result.append(phrase->english);
        i += phrase->german.size();
        copiedUpTo = i;
    }
    result.append(german.substr(copiedUpTo));
    return result;
}
