#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "world/language.h"
#include "world/translate.h"

// A frame's worth of typical interface texts: short labels, status lines and the title.
static const std::vector<std::string> FRAME_TEXTS = {
    "QUELLE",
    "BAND",
    "AUSWERFER AUSGESCHALTET",
    "BESTAND 12 VON 100",
    "GENERATOR LIEFERT 37 KW",
    "PAUSE - WARTET AUF ERZ ODER EISEN",
    "STRG-Z UNDO   F5 SPEICHERN   F9 LADEN",
    "Gearhaven  -  Geliefert: 17   (Leertaste: Pause, Strg+Z: Undo, F5: Speichern, F9: Laden, Werkzeug links "
    "waehlen, Links: anwenden, Shift+Links: Werkzeug, Mitte: verschieben, Rad: Zoom)",
};

static void BM_TranslateFrameTexts(benchmark::State& state)
{
    setLanguage(static_cast<Language>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& text : FRAME_TEXTS) {
            std::string translated = translate(text);
            bytes += translated.size();
            benchmark::DoNotOptimize(translated.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(FRAME_TEXTS.size()));
    benchmark::DoNotOptimize(bytes);
    setLanguage(ENGLISH);
}
BENCHMARK(BM_TranslateFrameTexts)->Arg(ENGLISH)->Arg(GERMAN);
