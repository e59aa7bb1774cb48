#include "text/cp850.h"

#include <gtest/gtest.h>

#include <string>

namespace trb::text {
namespace {

TEST(OemToDisplay, ConvertsEveryCharacterToUtf8) {
    const FormatOptions o;
    EXPECT_EQ(OemToDisplay("Gr\x94\xE1"
                           "e \xF8"
                           "C \xE6m \x84\x81",
                           o),
              "Größe °C µm äü");
    EXPECT_EQ(OemToDisplay("\xC9\xCD\xBB", o), "╔═╗");
    EXPECT_EQ(OemToDisplay("plain", o), "plain");
    EXPECT_EQ(OemToDisplay("", o), "");
}

TEST(OemToDisplay, TextsOf255CharactersOrMoreGiveNothing) {
    const FormatOptions o;
    EXPECT_EQ(OemToDisplay(std::string(254, 'a'), o).size(), 254u);
    EXPECT_EQ(OemToDisplay(std::string(255, 'a'), o), "");
    EXPECT_EQ(OemToDisplay(std::string(1000, '\x81'), o), "");
}

// Long texts convert in pieces of 254 characters, each below the display limit: every character
// of every piece arrives, in order, at the pieces' seams too.
TEST(OemToDisplayAll, ConvertsTextsOfAnyLengthWithoutLosingACharacter) {
    const FormatOptions o;
    for (std::size_t length : {253u, 254u, 255u, 508u, 509u, 1000u}) {
        std::string oem, expected;
        for (std::size_t i = 0; i < length; ++i) {
            // Digits counting up, with an umlaut ("\x84", "ä") every seventh character.
            if (i % 7 == 6) {
                oem += '\x84';
                expected += "\xC3\xA4";
            } else {
                oem += static_cast<char>('0' + i % 10);
                expected += static_cast<char>('0' + i % 10);
            }
        }
        EXPECT_EQ(OemToDisplayAll(oem, o), expected) << length << " characters";
    }
    EXPECT_EQ(OemToDisplayAll("", o), "");
    EXPECT_EQ(OemToDisplayAll(std::string(254, '\xE1'), o).size(), 2 * 254u);  // "ß" twice the bytes
}

TEST(OemToDisplay, PlainSettingTransliteratesAndDrawsBoxesInAscii) {
    FormatOptions o;
    o.specialCharacters = 1;
    EXPECT_EQ(OemToDisplay("Gr\x94\xE1"
                           "e 20\xF8"
                           "C \xF1"
                           "1 mm\xFD",
                           o),
              "Groesse 20degC +/-1 mm2");
    EXPECT_EQ(OemToDisplay("\xC9\xCD\xBB\xBA|", o), "+-+||");
    // Letters that are no box characters keep their meaning; a "|" stays a "|".
    EXPECT_EQ(OemToDisplay("\x86\xA1\xB5", o), "åíÁ");
    EXPECT_EQ(OemToDisplay("a|b", o), "a|b");
}

TEST(DisplayToOem, RoundTripsAndMarksUnknownCharacters) {
    const FormatOptions o;
    for (int c = 1; c < 256; ++c) {
        const std::string oem(1, static_cast<char>(c));
        EXPECT_EQ(DisplayToOem(OemToDisplay(oem, o)), oem) << "code " << c;
    }
    EXPECT_EQ(DisplayToOem("€ 한"), "? ?");
    EXPECT_EQ(DisplayToOem("a\xC3"), "a?");                       // cut sequence
    EXPECT_EQ(DisplayToOem("\xC0\xAF"), "?");                     // overlong "/" is no "/"
    EXPECT_EQ(DisplayToOem(std::string(300, 'x')).size(), 300u);  // typed text is never lost
}

TEST(ExactOem, EveryCharacterBothWaysAndNothingForWhatCodePage850Lacks) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const std::string utf8 = OemToUtf8(all);
    EXPECT_EQ(ExactOem(utf8), all) << "every byte, the control characters too";
    const std::string longText = OemToUtf8(std::string(300, '\x84'));
    EXPECT_EQ(longText.size(), 600u) << "no length limit, unlike the display conversion";
    EXPECT_EQ(ExactOem(longText), std::string(300, '\x84'));
    EXPECT_EQ(ExactOem("H7 \xC2\xB0"), "H7 \xF8");  // °
    for (const char* lacking : {"\xE2\x82\xAC", "a\xED\x95\x9C", "a\xC3", "\xC0\xAF", "\xEF\xBF\xBD"})
        EXPECT_FALSE(ExactOem(lacking).has_value()) << lacking;
    EXPECT_EQ(ExactOem(""), "");
}

TEST(Transliterate, SpellsOutSpecialCharacters) {
    EXPECT_EQ(Transliterate("\x8E\x99\x9A\x84\x94\x81\xE1"), "AeOeUeaeoeuess");
    EXPECT_EQ(Transliterate("\x82\xA0\xA3\xA4\xE6\xF1\xF8\xFD\xC4\xCD"), "eaunu+/-deg2--");
    EXPECT_EQ(Transliterate("\x87"), "\x87");  // others unchanged
}

TEST(CadTextCode, FollowsTheCadTextMode) {
    FormatOptions o;
    const std::string text = "\x84 \xF8 \xC4 \xD5";  // ä ° ─ ı
    o.cadTextMode = 1;
    EXPECT_EQ(CadTextCode(text, o), text);
    o.cadTextMode = 2;
    EXPECT_EQ(CadTextCode(text, o), "\xE4 \xB0 - ?");
    o.cadTextMode = 3;
    EXPECT_EQ(CadTextCode(text, o), "ae deg - \xD5");
    EXPECT_EQ(FormatOptions{}.cadTextMode, 2);
    EXPECT_EQ(OemToWindows1252("\x9F"), "\x83");  // ƒ sits elsewhere in 1252
    // The ends of the Latin-1 range: ÿ (850: 0x98) is 1252's last byte, the no-break space (850: 0xFF)
    // its 0xA0.
    EXPECT_EQ(OemToWindows1252("\x98"), "\xFF");
    EXPECT_EQ(OemToWindows1252("\xFF"), "\xA0");
    EXPECT_EQ(OemToWindows1252("\xE1\x9A"), "\xDF\xDC");  // ß Ü
}

// File names are bytes: as text each stays distinct and can be told back. Bytes that are not UTF-8
// are written \xNN, a backslash is doubled, valid UTF-8 (the replacement character too) stays.
TEST(FileNameText, KeepsDistinctNamesDistinct) {
    EXPECT_EQ(FileNameText("lager.trb"), "lager.trb");
    EXPECT_EQ(FileNameText("\xC3\xA4.trb"), "\xC3\xA4.trb");
    EXPECT_EQ(FileNameText("a\xE4.trb"), "a\\xe4.trb");
    EXPECT_EQ(FileNameText("a\xF6.trb"), "a\\xf6.trb");
    EXPECT_EQ(FileNameText("a\\xe4.trb"), "a\\\\xe4.trb");
    EXPECT_EQ(FileNameText("\xEF\xBF\xBD"), "\xEF\xBF\xBD");
    // A sequence broken after its first bytes: each byte that is no character is told on its own.
    EXPECT_EQ(FileNameText("\xE2\x82x"), "\\xe2\\x82x");
    EXPECT_EQ(FileNameText("\xC0\xAF"), "\\xc0\\xaf") << "an overlong form";
    EXPECT_EQ(ValidUtf8(FileNameText("a\xFF\xFE")), FileNameText("a\xFF\xFE")) << "the text is UTF-8";
}

}  // namespace
}  // namespace trb::text
