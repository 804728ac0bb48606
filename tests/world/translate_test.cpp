#include <gtest/gtest.h>

#include <set>
#include <string>

#include "world/language.h"
#include "world/phrase_table.h"
#include "world/translate.h"

namespace {

const std::string TITLE_GERMAN =
    "Gearhaven  -  Geliefert: 17   (Leertaste: Pause, Strg+Z: Undo, F5: Speichern, F9: Laden, Werkzeug links "
    "waehlen, Links: anwenden, Shift+Links: Werkzeug, Mitte: verschieben, Rad: Zoom)";

// The language is process-wide; every test leaves it at the start value.
class Translation : public ::testing::Test {
  protected:
    void SetUp() override { setLanguage(ENGLISH); }
    void TearDown() override { setLanguage(ENGLISH); }
};

}  // namespace

TEST_F(Translation, GermanLeavesEveryTextAsItIs)
{
    setLanguage(GERMAN);
    EXPECT_EQ(translate(TITLE_GERMAN), TITLE_GERMAN);
    EXPECT_EQ(translate("ZIEL BELEGT"), "ZIEL BELEGT");
    EXPECT_EQ(translate(""), "");
    for (const PhrasePair& pair : PHRASES)
        EXPECT_EQ(translate(pair.german), pair.german);
}

TEST_F(Translation, SwitchingLanguageTakesEffectWithTheNextText)
{
    EXPECT_EQ(translate("SPIELSTAND GESPEICHERT"), "GAME SAVED");
    setLanguage(GERMAN);
    EXPECT_EQ(translate("SPIELSTAND GESPEICHERT"), "SPIELSTAND GESPEICHERT");
    setLanguage(7);  // anything but German reads as English
    EXPECT_EQ(translate("SPIELSTAND GESPEICHERT"), "GAME SAVED");
}

TEST_F(Translation, EveryPhraseAloneBecomesItsTwin)
{
    // Duplicated German rows share their twin, so the first row of each text decides.
    std::set<std::string_view> seen;
    for (const PhrasePair& pair : PHRASES) {
        if (!seen.insert(pair.german).second) continue;
        EXPECT_EQ(translate(pair.german), pair.english) << pair.german;
    }
    EXPECT_EQ(translate(""), "");
}

TEST_F(Translation, PhrasesAreReplacedAsWholeWordsOnly)
{
    EXPECT_EQ(translate("OK"), "OK");
    EXPECT_EQ(translate("O"), "E");
    EXPECT_EQ(translate("N O S W"), "N E S W");
    EXPECT_EQ(translate("ZIELFELD"), "ZIELFELD");
    EXPECT_EQ(translate("ZIEL:"), "SINK:");
    EXPECT_EQ(translate("XZIEL"), "XZIEL");
    EXPECT_EQ(translate("_ZIEL"), "_ZIEL");
    EXPECT_EQ(translate("3ZIEL"), "3ZIEL");
    EXPECT_EQ(translate("ziel"), "ziel");
    EXPECT_EQ(translate("5V-LEITUNG"), "5V CABLE");
    EXPECT_EQ(translate("15V-LEITUNG"), "15V-LEITUNG");
}

TEST_F(Translation, APhraseEndingInPunctuationStillNeedsABoundaryAfterIt)
{
    EXPECT_EQ(translate("DANN:X"), "DANN:X");
    EXPECT_EQ(translate("DANN: X"), "THEN: X");
    EXPECT_EQ(translate("BILANZ...A"), "BILANZ...A");
    EXPECT_EQ(translate("BILANZ..."), "BALANCE...");
}

TEST_F(Translation, TheLongestPhraseWinsAndShorterOnesStillTry)
{
    EXPECT_EQ(translate("AUSWERFER AUS"), "EJECTOR OFF");
    EXPECT_EQ(translate("AUSWERFER AUSGESCHALTET"), "EJECTOR DISABLED");
    EXPECT_EQ(translate("AUSWERFER AUSWURF"), "EJECTOR AUSWURF");
    EXPECT_EQ(translate("ZIEL - GELIEFERT"), "SINK - DELIVERED");
    EXPECT_EQ(translate("MESSLEITUNG GESETZT"), "MEASURE WIRE CONNECTED");
    EXPECT_EQ(translate("KAUFHAUS LEHNT AB"), "SHOP REJECTS CARGO");
    EXPECT_EQ(translate("LINKSKLICK AUF DEN SCHALTER ODER DIE TASTE SCHALTET DAS SIGNAL."),
              "LEFT-CLICK THE SWITCH OR THE BUTTON TO TOGGLE THE SIGNAL.");  // TASTE is the push button, not a key
}

TEST_F(Translation, ComposedTextsAreTranslatedPhraseByPhrase)
{
    EXPECT_EQ(translate("BESTAND 12 VON 100"), "STOCK 12 OF 100");
    EXPECT_EQ(translate("GENERATOR LIEFERT 37 KW"), "GENERATOR OUTPUT 37 KW");
    EXPECT_EQ(translate("PAUSE - SCHMILZT"), "PAUSED - SMELTING");
    EXPECT_EQ(translate("KARTE 3"), "MAP 3");
    EXPECT_EQ(translate("WARTET AUF WIND"), "WARTET AUF WIND");  // no pair of its own
    EXPECT_EQ(translate(TITLE_GERMAN), "Gearhaven  -  Delivered: 17   (Space: pause, Ctrl+Z: undo, F5: save, F9: load, "
                                       "select tool on left, Left: apply, Shift+Left: tool, Middle: pan, Wheel: zoom)");
}

TEST_F(Translation, BytesAboveAsciiAreBoundaries)
{
    EXPECT_EQ(translate("ZIEL\xC4"), "SINK\xC4");
    EXPECT_EQ(translate("\xC4ZIEL"), "\xC4SINK");
}

TEST(PhraseTable, HoldsTheFixedSelfTranslationsOnly)
{
    std::set<std::string_view> unchanged;
    for (const PhrasePair& pair : PHRASES) {
        EXPECT_FALSE(pair.german.empty());
        EXPECT_FALSE(pair.english.empty());
        if (pair.german == pair.english) unchanged.insert(pair.german);
    }
    std::set<std::string_view> expected = {
        "TIMER", "DELETE",           "TUNNEL", "GENERATOR", "SENSOR", "SIGNAL", "SIMULATION", "ID TEXT", "OK",  "ON",
        "OFF",   "0 STOP  3 NORMAL", "AUTO",   "WEST",      "ALL",    "NONE",   "AUTOSAVE",   "TANK",    "OPT", "SAVE",
        "STAT"};
    EXPECT_EQ(unchanged, expected);
}

TEST(LanguageCodes, OnlyExactlyDeIsGerman)
{
    EXPECT_EQ(parseLanguageCode("de"), GERMAN);
    EXPECT_EQ(parseLanguageCode("en"), ENGLISH);
    for (const char* other : {"DE", "d", "deu", "", "fr", "de "})
        EXPECT_EQ(parseLanguageCode(other), ENGLISH) << other;
    EXPECT_EQ(languageCode(GERMAN), "de");
    EXPECT_EQ(languageCode(ENGLISH), "en");
    EXPECT_EQ(languageCode(7), "en");
    EXPECT_EQ(LANGUAGES[0].displayName, "DEUTSCH");
    EXPECT_EQ(LANGUAGES[1].displayName, "ENGLISH");
}
