// The resistor window's logic without the window: the lines shown for a
// code, written out by hand (values, ranges and series worked out from the
// colour table and the IEC 60063 series), the groups each band count uses,
// and the bands a typed value or marking sets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resistor_logic.h"

namespace {

using namespace resistor;
using enum colour_code::Colour;

Code CodeOfColours(std::initializer_list<Colour> colours) {
  Code code;
  for (Colour colour : colours) code.colours[code.count++] = colour;
  return code;
}

std::vector<std::string> Lines(const ShownLines& lines) {
  std::vector<std::string> texts;
  for (const Text& line : lines) texts.emplace_back(line.View());
  return texts;
}

struct LinesCase {
  std::initializer_list<Colour> code;
  std::vector<std::string> lines;  // reading, range, series, warning, other end, markings
};

TEST(ResistorLines, ShownForCodesOfEveryCount) {
  const LinesCase cases[] = {
      {{Black}, {"Resistance: 0 ohm", "", "Series: none", "", "", "SMD: 0R, 000"}},
      {{Yellow, Violet, Orange},
       {"Resistance: 47 k ohm, 20%", "Range: 37.6 k ohm to 56.4 k ohm",
        "Series: E3 E6 E12 E24 E192", "",
        "From the other end: Resistance: 370 k ohm, 20%; Series: E192", "SMD: 473, 4702"}},
      // The four-band window's line; 1.0 k is in every series.
      {{Brown, Black, Red, Gold},
       {"Resistance: 1.0 k ohm, 5%", "Range: 0.95 k ohm to 1.05 k ohm",
        "Series: E3 E6 E12 E24 E48 E96 E192", "", "", "SMD: 102, 1001, 01B"}},
      {{Brown, Black, Brown, Brown},
       {"Resistance: 100 ohm, 1%", "Range: 99 ohm to 101 ohm", "Series: E3 E6 E12 E24 E48 E96 E192",
        "", "From the other end: Resistance: 11 ohm, 1%; Series: E24 E48 E96 E192",
        "SMD: 101, 1000, 01A"}},
      // 4.6 k is in no series: the nearest E24 values.
      {{Yellow, Blue, Red, Gold},
       {"Resistance: 4.6 k ohm, 5%", "Range: 4.37 k ohm to 4.83 k ohm", "Series: none",
        "Not in E24, the series of a 5% tolerance: the nearest standard values are 4.3 k ohm and "
        "4.7 k ohm; a colour may be misread",
        "", "SMD: 462, 4601"}},
      {{Yellow, Violet, Pink, Gold},
       {"Resistance: 0.047 ohm, 5%", "Range: 0.04465 ohm to 0.04935 ohm",
        "Series: E3 E6 E12 E24 E192", "", "", "SMD: R047"}},
      {{Yellow, Violet, Red, None},
       {"Resistance: 4.7 k ohm, 20%", "Range: 3.76 k ohm to 5.64 k ohm",
        "Series: E3 E6 E12 E24 E192", "", "", "SMD: 472, 4701"}},
      // The five-band window's line.
      {{Brown, Black, Black, Brown, Red},
       {"Resistance: 1.00 k ohm, 2%", "Range: 0.98 k ohm to 1.02 k ohm",
        "Series: E3 E6 E12 E24 E48 E96 E192", "",
        "From the other end: Resistance: 210 ohm, 1%; Series: E96 E192", "SMD: 102, 1001, 01B"}},
      {{Green, Blue, Black, Black, Violet},
       {"Resistance: 560 ohm, 0.1%", "Range: 559.44 ohm to 560.56 ohm", "Series: E12 E24",
        "Not in E192, the series of a 0.1% tolerance: the nearest standard values are 556 ohm and "
        "562 ohm; a colour may be misread",
        "From the other end: Resistance: 700 M ohm, 0.5%; Series: none", "SMD: 561, 5600"}},
      {{Orange, Orange, Black, Brown, Blue, Red},
       {"Resistance: 3.30 k ohm, 0.25%, 50 ppm/K", "Range: 3.29175 k ohm to 3.30825 k ohm",
        "Series: E6 E12 E24",
        "Not in E192, the series of a 0.25% tolerance: the nearest standard values are 3.28 k ohm "
        "and 3.32 k ohm; a colour may be misread",
        "From the other end: Resistance: 261 ohm, 0.05%, 15 ppm/K; Series: E48 E96 E192",
        "SMD: 332, 3301"}},
  };
  for (const LinesCase& c : cases) {
    const Code code = CodeOfColours(c.code);
    SCOPED_TRACE(c.lines[0]);
    EXPECT_EQ(Lines(LinesOf(code)), c.lines);
  }
}

TEST(ResistorLines, ClipboardHoldsTheShownLinesEachEndedByCrLf) {
  const ShownLines lines = LinesOf(CodeOfColours({Brown, Black, Red, Gold}));
  EXPECT_EQ(ClipboardText(lines).View(),
            "Resistance: 1.0 k ohm, 5%\r\nRange: 0.95 k ohm to 1.05 k ohm\r\n"
            "Series: E3 E6 E12 E24 E48 E96 E192\r\nSMD: 102, 1001, 01B\r\n");
}

TEST(ResistorSelection, EachCountUsesItsGroupsInBandOrder) {
  Selection selection;
  selection.slots = {Red, Violet, Green, Orange, Blue, Yellow};
  struct Case {
    std::size_t bands;
    std::vector<Colour> code;
    std::vector<bool> used;  // by group: digits, multiplier, tolerance, coefficient
  };
  const Case cases[] = {
      {1, {Black}, {false, false, false, false, false, false}},
      {3, {Red, Violet, Orange}, {true, true, false, true, false, false}},
      {4, {Red, Violet, Orange, Blue}, {true, true, false, true, true, false}},
      {5, {Red, Violet, Green, Orange, Blue}, {true, true, true, true, true, false}},
      {6, {Red, Violet, Green, Orange, Blue, Yellow}, {true, true, true, true, true, true}},
  };
  for (const Case& c : cases) {
    selection.bands = c.bands;
    const Code code = CodeOf(selection);
    EXPECT_EQ(std::vector<Colour>(code.colours, code.colours + code.count), c.code) << c.bands;
    for (std::size_t slot = 0; slot < SlotCount; ++slot) {
      EXPECT_EQ(SlotUsed(c.bands, slot), c.used[slot]) << c.bands << " bands, group " << slot;
    }
  }
}

struct EntryCase {
  const char* typed;
  std::size_t bandsBefore;
  Colour toleranceBefore;
  bool changed;
  std::size_t bandsAfter;
  std::vector<Colour> code;  // after, when changed
  const char* message;
};

TEST(ResistorEntry, TypedValuesAndMarkingsSetTheBands) {
  // clang-format off
  const EntryCase cases[] = {
      // Values keep the count and the tolerance.
      {"4.7k", 4, Gold, true, 4, {Yellow, Violet, Red, Gold}, "4 bands: yellow violet red gold"},
      {"4k7", 4, Gold, true, 4, {Yellow, Violet, Red, Gold}, "4 bands: yellow violet red gold"},
      {"4.7 k\xCE\xA9", 4, Silver, true, 4, {Yellow, Violet, Red, Silver},
       "4 bands: yellow violet red silver"},
      {" 4.7k ", 5, Brown, true, 5, {Yellow, Violet, Black, Brown, Brown},
       "5 bands: yellow violet black brown brown"},
      {"0.047", 4, Gold, true, 4, {Yellow, Violet, Pink, Gold}, "4 bands: yellow violet pink gold"},
      {"R47", 4, Gold, true, 4, {Yellow, Violet, Silver, Gold}, "4 bands: yellow violet silver gold"},
      // Three or four digits alone are markings.
      {"472", 4, Gold, true, 4, {Yellow, Violet, Red, Gold},
       "SMD marking 472 (three digits): Resistance: 4.7 k ohm. 4 bands: yellow violet red gold"},
      {"4701", 3, Gold, true, 3, {Yellow, Violet, Red},
       "SMD marking 4701 (four digits): Resistance: 4.70 k ohm. 3 bands: yellow violet red"},
      // EIA-96 says 1%: brown.
      {"01C", 4, Gold, true, 4, {Brown, Black, Orange, Brown},
       "SMD marking 01C (EIA-96): Resistance: 10.0 k ohm, 1%. 4 bands: brown black orange brown"},
      // 472 ohm written as a value needs a third digit.
      {"472R", 4, Gold, true, 5, {Yellow, Violet, Red, Black, Gold},
       "5 bands: yellow violet red black gold. With 4 bands: cannot encode 472 ohm: it has 3 "
       "significant digits, the code shows only 2"},
      // The count changes to the smallest that shows the value, and says so.
      {"4.75k", 4, Gold, true, 5, {Yellow, Violet, Green, Brown, Gold},
       "5 bands: yellow violet green brown gold. With 4 bands: cannot encode 4.75 k ohm: it has 3 "
       "significant digits, the code shows only 2"},
      {"0", 4, Gold, true, 1, {Black},
       "1 band: black. With 4 bands: 0 ohm is marked by one black band, the zero-ohm link"},
      {"47", 1, Gold, true, 3, {Yellow, Violet, Black},
       "3 bands: yellow violet black. With 1 band: cannot encode 47 ohm: one band marks only 0 "
       "ohm, the zero-ohm link"},
      // What no count shows, and what is no value: the bands stay.
      {"4.751k", 4, Gold, false, 4, {},
       "cannot encode 4.751 k ohm: it has 4 significant digits, the code shows only 3"},
      {"1000G", 4, Gold, false, 4, {},
       "above 999 G ohm, the largest value of a colour code; write at most 999G"},
      {"4,7k", 4, Gold, false, 4, {},
       "a comma may be a decimal point or a thousands separator and is not guessed at; write 4.7k "
       "or 4k7"},
      {"-5", 4, Gold, false, 4, {}, "a resistance cannot be negative; write 5"},
      {"", 4, Gold, false, 4, {}, "no number; write e.g. 4700, 4.7k, 4k7 or 4.7 k ohm"},
  };
  // clang-format on
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.typed);
    Selection before;
    before.bands = c.bandsBefore;
    before.slots = {Brown, Black, Black, Red, c.toleranceBefore, Brown};
    const Entry entry = EnterValue(c.typed, before);
    EXPECT_EQ(entry.changed, c.changed);
    EXPECT_EQ(entry.message.View(), c.message);
    if (!c.changed) continue;
    EXPECT_EQ(entry.selection.bands, c.bandsAfter);
    const Code code = CodeOf(entry.selection);
    EXPECT_EQ(std::vector<Colour>(code.colours, code.colours + code.count), c.code);
  }
}

TEST(ResistorEntry, GroupsTheNewCountDoesNotUseKeepTheirColours) {
  Selection before;
  before.bands = 4;
  before.slots = {Brown, Black, Green, Red, Gold, Blue};
  const Entry entry = EnterValue("0", before);
  ASSERT_TRUE(entry.changed);
  EXPECT_EQ(entry.selection.slots, before.slots);
}

}  // namespace
