#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "colour_code/resistance.h"
#include "colour_code/smd.h"
#include "colour_code/wording.h"

namespace colour_code {
// Failures show values as text.
[[maybe_unused]] static void PrintTo(const Resistance& value, std::ostream* out) {
  *out << ResistanceText(value).View();
}
}  // namespace colour_code

namespace {

using colour_code::MarkingKind;
using colour_code::MarkingReading;
using colour_code::MarkingReadings;
using colour_code::Markings;
using colour_code::ReadMarking;
using colour_code::Resistance;

Resistance Value(std::string_view figures, int exponent) {
  return *Resistance::Of(figures, exponent);
}

std::string Line(const colour_code::Text& text) { return std::string(text.View()); }

// E96 as IEC 60063 lists it; an EIA-96 marking's number is the position in
// this list, 01 for 100 to 96 for 976.
constexpr int E96[96] = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130,  // 01-12
    133, 137, 140, 143, 147, 150, 154, 158, 162, 165, 169, 174,  // 13-24
    178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232,  // 25-36
    237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,  // 37-48
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,  // 49-60
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549,  // 61-72
    562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,  // 73-84
    750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,  // 85-96
};

TEST(SmdEia96, NumbersAreTheE96ValuesOfTheStandard) {
  for (int number = 1; number <= 96; ++number) {
    EXPECT_EQ(colour_code::Eia96Value(number), E96[number - 1]) << number;
  }
  EXPECT_EQ(colour_code::Eia96Value(0), 0);
  EXPECT_EQ(colour_code::Eia96Value(97), 0);
  EXPECT_EQ(colour_code::Eia96Value(-1), 0);
}

struct Expected {
  MarkingKind kind;
  std::string_view figures;
  int exponent;
  const char* line;
};

// Markings as makers print them, and what each stands for.
TEST(SmdRead, MarkingsOfOneReading) {
  using enum MarkingKind;
  const struct {
    const char* marking;
    Expected reading;
  } Cases[] = {
      {"103", {ThreeDigits, "10", 3, "Resistance: 10 k ohm"}},
      {"222", {ThreeDigits, "22", 2, "Resistance: 2.2 k ohm"}},
      {"472", {ThreeDigits, "47", 2, "Resistance: 4.7 k ohm"}},
      {"100", {ThreeDigits, "10", 0, "Resistance: 10 ohm"}},
      {"221", {ThreeDigits, "22", 1, "Resistance: 220 ohm"}},
      {"105", {ThreeDigits, "10", 5, "Resistance: 1.0 M ohm"}},
      {"999", {ThreeDigits, "99", 9, "Resistance: 99 G ohm"}},
      {"1002", {FourDigits, "100", 2, "Resistance: 10.0 k ohm"}},
      {"4702", {FourDigits, "470", 2, "Resistance: 47.0 k ohm"}},
      {"4701", {FourDigits, "470", 1, "Resistance: 4.70 k ohm"}},
      {"1000", {FourDigits, "100", 0, "Resistance: 100 ohm"}},
      {"9999", {FourDigits, "999", 9, "Resistance: 999 G ohm"}},
      {"4R7", {RNotation, "47", -1, "Resistance: 4.7 ohm"}},
      {"4r7", {RNotation, "47", -1, "Resistance: 4.7 ohm"}},
      {"R22", {RNotation, "22", -2, "Resistance: 0.22 ohm"}},
      {"R10", {RNotation, "10", -2, "Resistance: 0.10 ohm"}},
      {"R05", {RNotation, "5", -2, "Resistance: 0.05 ohm"}},
      {"R047", {RNotation, "47", -3, "Resistance: 0.047 ohm"}},
      {"0R47", {RNotation, "47", -2, "Resistance: 0.47 ohm"}},
      {"0R5", {RNotation, "5", -1, "Resistance: 0.5 ohm"}},
      {"4R70", {RNotation, "470", -2, "Resistance: 4.70 ohm"}},
      {"47R5", {RNotation, "475", -1, "Resistance: 47.5 ohm"}},
      {"470R", {RNotation, "470", 0, "Resistance: 470 ohm"}},
      {"4R", {RNotation, "4", 0, "Resistance: 4 ohm"}},
      {"R4", {RNotation, "4", -1, "Resistance: 0.4 ohm"}},
      {"97R", {RNotation, "97", 0, "Resistance: 97 ohm"}},
      {"01A", {Eia96, "100", 0, "Resistance: 100 ohm, 1%"}},
      {"01B", {Eia96, "100", 1, "Resistance: 1.00 k ohm, 1%"}},
      {"01C", {Eia96, "100", 2, "Resistance: 10.0 k ohm, 1%"}},
      {"01c", {Eia96, "100", 2, "Resistance: 10.0 k ohm, 1%"}},
      {"66B", {Eia96, "475", 1, "Resistance: 4.75 k ohm, 1%"}},
      {"66H", {Eia96, "475", 1, "Resistance: 4.75 k ohm, 1%"}},
      {"68X", {Eia96, "499", -1, "Resistance: 49.9 ohm, 1%"}},
      {"68S", {Eia96, "499", -1, "Resistance: 49.9 ohm, 1%"}},
      {"30Y", {Eia96, "200", -2, "Resistance: 2.00 ohm, 1%"}},
      {"01R", {Eia96, "100", -2, "Resistance: 1.00 ohm, 1%"}},  // "01" is no R notation
      {"05r", {Eia96, "110", -2, "Resistance: 1.10 ohm, 1%"}},
      {"01Z", {Eia96, "100", -3, "Resistance: 0.100 ohm, 1%"}},
      {"96F", {Eia96, "976", 5, "Resistance: 97.6 M ohm, 1%"}},
      {"44D", {Eia96, "280", 3, "Resistance: 280 k ohm, 1%"}},
      {"85E", {Eia96, "750", 4, "Resistance: 7.50 M ohm, 1%"}},
      {"0", {ZeroOhm, "", 0, "Resistance: 0 ohm"}},
      {"00", {ZeroOhm, "", 0, "Resistance: 0 ohm"}},
      {"000", {ZeroOhm, "", 0, "Resistance: 0 ohm"}},
      {"0000", {ZeroOhm, "", 0, "Resistance: 0 ohm"}},
      {"0R", {ZeroOhm, "", 0, "Resistance: 0 ohm"}},
      {"0r", {ZeroOhm, "", 0, "Resistance: 0 ohm"}},
      {"R0", {ZeroOhm, "", 0, "Resistance: 0 ohm"}},
      {"00R", {ZeroOhm, "", 0, "Resistance: 0 ohm"}},  // "00" is no EIA-96 number
      {"0R00", {ZeroOhm, "", 0, "Resistance: 0 ohm"}},
      {"R000", {ZeroOhm, "", 0, "Resistance: 0 ohm"}},
  };
  for (const auto& c : Cases) {
    SCOPED_TRACE(c.marking);
    const MarkingReadings readings = ReadMarking(c.marking);
    ASSERT_EQ(readings.count, 1u);
    const MarkingReading& reading = readings.readings[0];
    EXPECT_EQ(reading.kind, c.reading.kind);
    EXPECT_EQ(reading.Figures(), c.reading.figures);
    EXPECT_EQ(reading.exponent, c.reading.exponent);
    EXPECT_EQ(Line(colour_code::MarkingLine(reading)), c.reading.line);
    if (reading.kind == MarkingKind::ZeroOhm) {
      EXPECT_TRUE(reading.Value().IsZero());
    } else {
      EXPECT_EQ(reading.Value(), Value(c.reading.figures, c.reading.exponent));
    }
    EXPECT_EQ(reading.tolerance,
              reading.kind == MarkingKind::Eia96 ? std::optional(100) : std::nullopt);
  }
}

// Two digits and R read both as R notation and as EIA-96 with R for 0.01;
// the R notation comes first.
TEST(SmdRead, DigitsAndRReadTwoWays) {
  using enum MarkingKind;
  const struct {
    const char* marking;
    Expected first, second;
  } Cases[] = {
      {"10R",
       {RNotation, "10", 0, "Resistance: 10 ohm"},
       {Eia96, "124", -2, "Resistance: 1.24 ohm, 1%"}},
      {"30R",
       {RNotation, "30", 0, "Resistance: 30 ohm"},
       {Eia96, "200", -2, "Resistance: 2.00 ohm, 1%"}},
      {"47r",
       {RNotation, "47", 0, "Resistance: 47 ohm"},
       {Eia96, "301", -2, "Resistance: 3.01 ohm, 1%"}},
      {"96R",
       {RNotation, "96", 0, "Resistance: 96 ohm"},
       {Eia96, "976", -2, "Resistance: 9.76 ohm, 1%"}},
  };
  for (const auto& c : Cases) {
    SCOPED_TRACE(c.marking);
    const MarkingReadings readings = ReadMarking(c.marking);
    ASSERT_EQ(readings.count, 2u);
    const Expected* expected[] = {&c.first, &c.second};
    for (std::size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(readings.readings[i].kind, expected[i]->kind);
      EXPECT_EQ(readings.readings[i].Figures(), expected[i]->figures);
      EXPECT_EQ(readings.readings[i].exponent, expected[i]->exponent);
      EXPECT_EQ(readings.readings[i].Value(), Value(expected[i]->figures, expected[i]->exponent));
      EXPECT_EQ(Line(colour_code::MarkingLine(readings.readings[i])), expected[i]->line);
    }
  }
}

TEST(SmdRead, RefusesWhatIsNoMarking) {
  // clang-format off
  const char* Cases[] = {
      "",                                         // nothing
      "4", "47",                                  // figures without a power of ten
      "12345", "47000", "R4700", "4R700",         // too long
      "047", "0471", "001", "0001",               // a leading zero: 47 ohm misread, or 40 M ohm?
      "00R5", "01R5",                             // a zero before the R, not alone
      "R", "RR", "4RR", "R4R7", "4R7R", "1R2R",   // no figure, or two R
      "97A", "99Z", "00A", "00B",                 // no EIA-96 number
      "01G", "01I", "01W", "4K7", "4M7",          // no multiplier letter
      "1A", "001A", "01AB", "A01", "0A1",         // not two digits and a letter
      "4.7", "4,7", "-472", "+472", "R-1",        // no marking has other signs
      " 472", "472 ", "4 7",                      // or blanks
      "01\xCE\xA9", "4R7\xCE\xA9",                // or an ohm sign
  };
  // clang-format on
  for (const char* text : Cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ReadMarking(text).count, 0u);
  }
  EXPECT_EQ(ReadMarking(std::string_view("47\0", 4)).count, 0u);
  constexpr char NulInside[] = {'4', '\0', '7'};
  EXPECT_EQ(ReadMarking(std::string_view(NulInside, 3)).count, 0u);
}

TEST(SmdWrite, MarkingsOfValues) {
  const struct {
    const char* figures;
    int exponent;
    const char* line;
  } Cases[] = {
      // clang-format off
      {"", 0, "SMD: 0R, 000"},
      {"47", 2, "SMD: 472, 4701"},
      {"475", 1, "SMD: 4751, 66B"},
      {"1", 4, "SMD: 103, 1002, 01C"},
      {"1", 3, "SMD: 102, 1001, 01B"},
      {"1", 2, "SMD: 101, 1000, 01A"},
      {"1", 1, "SMD: 100, 10R0, 01X"},
      {"12", 0, "SMD: 120, 12R0"},
      {"1", 0, "SMD: 1R0, 1R00, 01Y"},
      {"47", -1, "SMD: 4R7, 4R70"},
      {"33", -1, "SMD: 3R3, 3R30"},
      {"124", -2, "SMD: 1R24, 10Y"},
      {"499", -1, "SMD: 49R9, 68X"},
      {"475", -1, "SMD: 47R5, 66X"},
      {"47", -2, "SMD: R47, R470"},
      {"1", -1, "SMD: R10, R100, 01Z"},
      {"976", -3, "SMD: R976, 96Z"},
      {"5", -2, "SMD: R05, R050"},
      {"47", -3, "SMD: R047"},
      {"1", -3, "SMD: R001"},
      {"976", -4, "SMD: none"},  // 0.0976 ohm: below EIA-96's Z, too fine for R047
      {"5", -4, "SMD: none"},
      {"1234", 0, "SMD: none"},
      {"1", 7, "SMD: 106, 1005, 01F"},
      {"976", 5, "SMD: 9765, 96F"},
      {"1", 8, "SMD: 107, 1006"},  // beyond F
      {"976", 6, "SMD: 9766"},
      {"47", 8, "SMD: 478, 4707"},
      {"99", 9, "SMD: 999, 9908"},
      {"999", 9, "SMD: 9999"},
      {"1", 11, "SMD: 1009"},
      {"1", 12, "SMD: none"},
      // clang-format on
  };
  for (const auto& c : Cases) {
    SCOPED_TRACE(c.line);
    const Resistance value = *c.figures == '\0' ? Resistance() : Value(c.figures, c.exponent);
    EXPECT_EQ(Line(colour_code::MarkingsLine(colour_code::MarkingsOf(value))), c.line);
  }
}

TEST(SmdWrite, KindsOfWrittenMarkings) {
  using enum MarkingKind;
  const struct {
    Resistance value;
    MarkingKind kinds[3];
    std::size_t count;
  } Cases[] = {
      {Resistance(), {ZeroOhm, ZeroOhm}, 2},
      {Value("1", 4), {ThreeDigits, FourDigits, Eia96}, 3},
      {Value("47", -1), {RNotation, RNotation}, 2},
      {Value("499", -1), {RNotation, Eia96}, 2},
  };
  for (const auto& c : Cases) {
    const Markings markings = colour_code::MarkingsOf(c.value);
    ASSERT_EQ(markings.count, c.count);
    for (std::size_t i = 0; i < c.count; ++i) EXPECT_EQ(markings.markings[i].kind, c.kinds[i]) << i;
  }
}

// Every marking written reads back one way only, as the value it was
// written for.
void ExpectReadsBackAs(const Markings& markings, const Resistance& value) {
  for (std::size_t i = 0; i < markings.count; ++i) {
    const MarkingReadings readings = ReadMarking(markings.markings[i].View());
    ASSERT_EQ(readings.count, 1u) << markings.markings[i].View();
    EXPECT_EQ(readings.readings[0].kind, markings.markings[i].kind) << markings.markings[i].View();
    EXPECT_EQ(readings.readings[0].Value(), value) << markings.markings[i].View();
  }
}

bool Contains(const Markings& markings, std::string_view text) {
  for (std::size_t i = 0; i < markings.count; ++i) {
    if (markings.markings[i].View() == text) return true;
  }
  return false;
}

// Reading a marking, then writing its value, gives markings that read back
// as that value; a marking in the form written (digits, EIA-96 with the
// first letter of its multiplier) is among them itself.
void ExpectRoundTrip(std::string_view text, bool writtenAsIs) {
  SCOPED_TRACE(std::string(text));
  const MarkingReadings readings = ReadMarking(text);
  for (std::size_t i = 0; i < readings.count; ++i) {
    const Resistance value = readings.readings[i].Value();
    const Markings markings = colour_code::MarkingsOf(value);
    ASSERT_GT(markings.count, 0u);
    ExpectReadsBackAs(markings, value);
    if (writtenAsIs && readings.count == 1) {
      EXPECT_TRUE(Contains(markings, text));
    }
  }
}

TEST(SmdRoundTrip, EveryDigitMarking) {
  char text[5] = {};
  for (int n = 0; n < 1000; ++n) {
    text[0] = static_cast<char>('0' + n / 100);
    text[1] = static_cast<char>('0' + n / 10 % 10);
    text[2] = static_cast<char>('0' + n % 10);
    const std::string_view marking(text, 3);
    // Read unless the first figure is 0; all zeros is the jumper.
    EXPECT_EQ(ReadMarking(marking).count, n >= 100 || n == 0 ? 1u : 0u) << marking;
    ExpectRoundTrip(marking, n >= 100);
  }
  for (int n = 0; n < 10000; ++n) {
    text[0] = static_cast<char>('0' + n / 1000);
    text[1] = static_cast<char>('0' + n / 100 % 10);
    text[2] = static_cast<char>('0' + n / 10 % 10);
    text[3] = static_cast<char>('0' + n % 10);
    const std::string_view marking(text, 4);
    EXPECT_EQ(ReadMarking(marking).count, n >= 1000 || n == 0 ? 1u : 0u) << marking;
    ExpectRoundTrip(marking, n >= 1000);
  }
}

TEST(SmdRoundTrip, EveryEia96Code) {
  const struct {
    char letter;
    int exponent;
    bool written;
  } Letters[] = {
      {'Z', -3, true},  {'Y', -2, true}, {'R', -2, false}, {'X', -1, true},
      {'S', -1, false}, {'A', 0, true},  {'B', 1, true},   {'H', 1, false},
      {'C', 2, true},   {'D', 3, true},  {'E', 4, true},   {'F', 5, true},
  };
  for (int number = 0; number < 100; ++number) {
    for (const auto& l : Letters) {
      for (char letter : {l.letter, static_cast<char>(l.letter - 'A' + 'a')}) {
        const char text[] = {static_cast<char>('0' + number / 10),
                             static_cast<char>('0' + number % 10), letter};
        const std::string_view marking(text, 3);
        SCOPED_TRACE(std::string(marking));
        const MarkingReadings readings = ReadMarking(marking);
        const MarkingReading* eia = nullptr;
        for (std::size_t i = 0; i < readings.count; ++i) {
          if (readings.readings[i].kind == MarkingKind::Eia96) eia = &readings.readings[i];
        }
        if (number < 1 || number > 96) {
          EXPECT_EQ(eia, nullptr);
        } else {
          ASSERT_NE(eia, nullptr);
          EXPECT_EQ(eia->Value(), Value(std::to_string(E96[number - 1]), l.exponent));
          EXPECT_EQ(eia->tolerance, std::optional(100));
          EXPECT_EQ(eia->letter, l.letter);
        }
        ExpectRoundTrip(marking, l.written && letter == l.letter);
      }
    }
  }
}

// Every text of two to four characters of digits and one R.
TEST(SmdRoundTrip, EveryRNotation) {
  for (std::size_t size = 2; size <= 4; ++size) {
    int combinations = 1;
    for (std::size_t i = 1; i < size; ++i) combinations *= 10;
    for (std::size_t rAt = 0; rAt < size; ++rAt) {
      for (int n = 0; n < combinations; ++n) {
        char text[4];
        int rest = n;
        for (std::size_t i = size; i-- > 0;) {
          if (i == rAt) {
            text[i] = 'R';
          } else {
            text[i] = static_cast<char>('0' + rest % 10);
            rest /= 10;
          }
        }
        const std::string_view marking(text, size);
        // Before the R, a zero only alone.
        const bool read = rAt < 2 || text[0] != '0' || n == 0;
        const MarkingReadings readings = ReadMarking(marking);
        std::size_t rReadings = 0;
        for (std::size_t i = 0; i < readings.count; ++i) {
          const MarkingKind kind = readings.readings[i].kind;
          if (kind == MarkingKind::RNotation || kind == MarkingKind::ZeroOhm) ++rReadings;
        }
        EXPECT_EQ(rReadings, read ? 1u : 0u) << marking;
        ExpectRoundTrip(marking, false);
      }
    }
  }
}

TEST(MarkingLines, KindNamesAndDetails) {
  using enum MarkingKind;
  const struct {
    MarkingKind kind;
    const char* name;
  } Names[] = {{ThreeDigits, "three digits"},
               {FourDigits, "four digits"},
               {RNotation, "R notation"},
               {Eia96, "EIA-96"},
               {ZeroOhm, "zero-ohm"}};
  for (const auto& n : Names) EXPECT_EQ(colour_code::MarkingKindName(n.kind), n.name);

  const struct {
    const char* marking;
    std::size_t reading;
    const char* line;
  } Details[] = {
      {"472", 0, "Marking: three digits, two figures and a power of ten"},
      {"4701", 0, "Marking: four digits, three figures and a power of ten"},
      {"4R7", 0, "Marking: R notation, R for the decimal point"},
      {"0R", 0, "Marking: zero-ohm jumper"},
      {"000", 0, "Marking: zero-ohm jumper"},
      {"66B", 0, "Marking: EIA-96, number 66 (E96 value 475) and multiplier B (x10), 1% parts"},
      {"66h", 0, "Marking: EIA-96, number 66 (E96 value 475) and multiplier H (x10), 1% parts"},
      {"01Z", 0, "Marking: EIA-96, number 01 (E96 value 100) and multiplier Z (x0.001), 1% parts"},
      {"96F", 0, "Marking: EIA-96, number 96 (E96 value 976) and multiplier F (x100000), 1% parts"},
      {"30R", 0, "Marking: R notation, R for the decimal point"},
      {"30R", 1, "Marking: EIA-96, number 30 (E96 value 200) and multiplier R (x0.01), 1% parts"},
  };
  for (const auto& d : Details) {
    SCOPED_TRACE(d.marking);
    const MarkingReadings readings = ReadMarking(d.marking);
    ASSERT_LT(d.reading, readings.count);
    EXPECT_EQ(Line(colour_code::MarkingDetailLine(readings.readings[d.reading])), d.line);
  }
}

TEST(MarkingLines, NoMarkingsIsNone) {
  EXPECT_EQ(Line(colour_code::MarkingsLine(Markings{})), "SMD: none");
}

}  // namespace
