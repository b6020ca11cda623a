#include "gcode/listing.h"

#include <gtest/gtest.h>

#include "gcode/encoding.h"
#include "gcode/program_frame.h"

namespace verlo {
namespace {

TEST(Emitter, TurnsCommasIntoPointsInTheFirstFortyCharacters) {
  EXPECT_EQ(EmitterLine("(kezdőpont X0,0000 Y0,0000 Z0,0000)"),
            "(kezdőpont X0.0000 Y0.0000 Z0.0000)");
  const std::string line = std::string(38, 'a') + ",,,b,";  // positions 39..43
  EXPECT_EQ(EmitterLine(line), std::string(38, 'a') + "..,b,");
  EXPECT_EQ(EmitterLine(","), ".");
  EXPECT_EQ(EmitterLine(""), "");
}

TEST(Emitter, ControlCharactersBecomeSpaces) {
  // A line break typed into a field and quoted in a comment must not split it.
  EXPECT_EQ(EmitterLine("(kezdőpont X5\n Y0,0000\r\t)"), "(kezdőpont X5  Y0.0000  )");
  EXPECT_EQ(EmitterLine("a\xC2\x85"
                        "b\xE2\x80\xA8"
                        "c\x7F,"),
            "a b c .");
}

TEST(Emitter, CountsCharactersNotBytes) {
  // 39 accented letters (two bytes each) then commas at positions 40 and 41.
  std::string accents;
  for (int i = 0; i < 39; ++i) accents += "ő";
  EXPECT_EQ(EmitterLine(accents + ",,"), accents + ".,");
}

TEST(Listing, EditedTextSplitsIntoLinesAndSavesWithCrLf) {
  Listing l;
  l.SetText("G21 G90\r\nG0 Z5.0000\nM30\r");
  ASSERT_EQ(l.Count(), 3u);
  EXPECT_EQ(l.Lines(), (std::vector<std::string>{"G21 G90", "G0 Z5.0000", "M30"}));
  l.SetText("a\n\nb");
  EXPECT_EQ(l.Lines(), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(l.Text(), "a\n\nb");
  EXPECT_EQ(SavedText(l.Lines()), "a\r\n\r\nb\r\n");
  const uint64_t r = l.Revision();
  l.Add("x");
  EXPECT_NE(l.Revision(), r);
}

TEST(Encoding, SavesHungarianLettersInTheWindowsCodePage) {
  EXPECT_EQ(Utf8ToLocal8Bit("őűŐŰáé"), "\xF5\xFB\xD5\xDB\xE1\xE9");
  EXPECT_EQ(Local8BitToUtf8("\xF5\xFB\xE1"), "őűá");
  EXPECT_EQ(Utf8ToLocal8Bit("G1 X1.0000"), "G1 X1.0000");
  EXPECT_EQ(Utf8ToLocal8Bit("€→"), "\x80?");  // a sign it lacks becomes "?"
  EXPECT_EQ(Utf8ToLocal8Bit("\xC3"), "?");    // broken UTF-8 does not stop the save
  EXPECT_EQ(SavedText({"(mélységi ciklus)"}), "(m\xE9lys\xE9gi ciklus)\r\n");
}

TEST(Encoding, FindsTheFirstCharacterTheCodePageLacks) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\kör_ő€\xC2\xA0.tap", ""}, {"kör_→ä.tap", "→"},       {"a😀b→", "😀"},
      {"ab\xC3", "\uFFFD"},           {"a\xC2\x85", "\xC2\x85"}, {"", ""},
  };
  for (const auto& [text, lacking] : cases)
    EXPECT_EQ(FirstCharacterNotInLocal8Bit(text), lacking) << text;
  EXPECT_EQ(Utf8ToLocal8Bit("a😀\xE2\x82"
                            "b"),
            "a???b");
}

TEST(ProgramFrame, ToolBlockCoolantAndEnd) {
  Listing l;
  Frame f;
  f.toolBlock = true;
  f.tool = "01";
  f.speed = "1000";
  f.m4 = true;
  f.coolant = 8;
  WriteSetUp(l, f);
  WriteProgramEnd(l, f);
  WriteProgramEnd(l, Frame{});
  EXPECT_EQ(l.Lines(), (std::vector<std::string>{"T01 M6", "S1000 M4", "G4 P2000", "M8", "M9", "M5",
                                                 "M30", "M30"}));
  EXPECT_EQ(N4(-12.5L), "-12.5000");
}

}  // namespace
}  // namespace verlo
