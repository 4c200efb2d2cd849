// SMD markings both ways. A marking is at most four characters; the readings
// keep the figures as printed so that the value text follows the colour
// code's rules (AppendCodeValue), and every marking written reads back in
// exactly one way.
#include "colour_code/smd.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "colour_code/ascii.h"
#include "colour_code/series.h"

namespace colour_code {
namespace {

constexpr std::size_t LongestMarking = 4;
constexpr Hundredths Eia96Tolerance = 100;

using ascii::IsDigit;
using ascii::Upper;

// EIA-96 multiplier letters. R and S stand for Y and X, H for B: makers
// that print them avoid a Y or X that could be misread.
struct MultiplierLetter {
  char letter;
  int exponent;
};
constexpr MultiplierLetter MultiplierLetters[] = {
    {'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1}, {'S', -1}, {'A', 0},
    {'B', 1},  {'H', 1},  {'C', 2},  {'D', 3},  {'E', 4},  {'F', 5},
};
// The letter written for each exponent from -3 to 5.
constexpr std::string_view PrimaryLetters = "ZYXABCDEF";
constexpr int SmallestEiaExponent = -3;
constexpr int LargestEiaExponent = 5;

std::optional<int> LetterExponent(char letter) {
  for (const MultiplierLetter& m : MultiplierLetters) {
    if (m.letter == letter) return m.exponent;
  }
  return std::nullopt;
}

// `figures` are digits, at most three.
MarkingReading MakeReading(MarkingKind kind, std::string_view figures, int exponent) {
  MarkingReading reading;
  reading.kind = kind;
  for (char c : figures) reading.figures[reading.figureCount++] = c;
  reading.exponent = exponent;
  return reading;
}

void Add(MarkingReadings& readings, const MarkingReading& reading) {
  if (readings.count < std::size(readings.readings)) readings.readings[readings.count++] = reading;
}

// The E96 list of the standard series: 100, 101, ... 976.
std::span<const int> E96() {
  const StandardSeries* series = FindStandardSeries("E96");
  if (series == nullptr) return {};
  return series->values;
}

// The EIA-96 number of three figures, 1 to 96; none when they are no E96
// value.
std::optional<int> Eia96Number(int figures) {
  const std::span<const int> values = E96();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] == figures) return static_cast<int>(i) + 1;
  }
  return std::nullopt;
}

// The digit of `value` at the power of ten `power`: '0' outside its digits.
char DigitAt(const Resistance& value, int power) {
  const std::string_view digits = value.Digits();
  const int index = value.Magnitude() - 1 - power;
  if (index < 0 || index >= static_cast<int>(digits.size())) return '0';
  return digits[static_cast<std::size_t>(index)];
}

class MarkingWriter {
 public:
  explicit MarkingWriter(Markings& markings) : markings_(markings) {}

  void Start(MarkingKind kind) {
    marking_ = Marking{};
    marking_.kind = kind;
  }
  void Put(char c) {
    if (marking_.size < LongestMarking) marking_.text[marking_.size++] = c;
  }
  void Finish() {
    if (markings_.count < std::size(markings_.markings))
      markings_.markings[markings_.count++] = marking_;
  }

 private:
  Markings& markings_;
  Marking marking_;
};

// `figureCount` figures and the power of ten: "472", "4701". The value has
// at most `figureCount` significant digits and is at least
// 10^(figureCount-1).
void WriteDigits(MarkingWriter& writer, const Resistance& value, int figureCount) {
  const int power = value.Magnitude() - figureCount;
  if (power > 9) return;
  writer.Start(figureCount == 2 ? MarkingKind::ThreeDigits : MarkingKind::FourDigits);
  for (int p = value.Magnitude() - 1; p >= power; --p) writer.Put(DigitAt(value, p));
  writer.Put(static_cast<char>('0' + power));
  writer.Finish();
}

// `places` digits with R for the point: "4R7", "R47", "R05"; "47R5",
// "R475", "R047". The value is below 10^(places-1); nothing when a digit
// falls past the last place.
void WriteRNotation(MarkingWriter& writer, const Resistance& value, int places) {
  const int before = value.Magnitude() > 0 ? value.Magnitude() : 0;
  const int after = places - before;
  if (-value.Exponent() > after) return;
  writer.Start(MarkingKind::RNotation);
  for (int p = before - 1; p >= 0; --p) writer.Put(DigitAt(value, p));
  writer.Put('R');
  for (int p = -1; p >= -after; --p) writer.Put(DigitAt(value, p));
  writer.Finish();
}

// The E96 number and the multiplier letter: "66B".
void WriteEia96(MarkingWriter& writer, const Resistance& value) {
  const int power = value.Magnitude() - 3;
  if (power < SmallestEiaExponent || power > LargestEiaExponent) return;
  int figures = 0;
  for (int p = value.Magnitude() - 1; p >= power; --p)
    figures = figures * 10 + (DigitAt(value, p) - '0');
  const std::optional<int> number = Eia96Number(figures);
  if (!number) return;
  writer.Start(MarkingKind::Eia96);
  writer.Put(static_cast<char>('0' + *number / 10));
  writer.Put(static_cast<char>('0' + *number % 10));
  writer.Put(PrimaryLetters[static_cast<std::size_t>(power - SmallestEiaExponent)]);
  writer.Finish();
}

}  // namespace

Resistance MarkingReading::Value() const {
  if (figureCount == 0) return Resistance();
  const std::optional<Resistance> value = Resistance::Of(Figures(), exponent);
  return value ? *value : Resistance();
}

MarkingReadings ReadMarking(std::string_view text) {
  MarkingReadings readings;
  if (text.empty() || text.size() > LongestMarking) return readings;

  char upper[LongestMarking];
  std::size_t rCount = 0;
  std::size_t rAt = 0;
  bool onlyDigitsAndR = true;
  bool allZero = true;  // every character but the R
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = Upper(text[i]);
    upper[i] = c;
    if (c == 'R') {
      ++rCount;
      rAt = i;
    } else if (!IsDigit(c)) {
      onlyDigitsAndR = false;
    } else if (c != '0') {
      allZero = false;
    }
  }
  const std::string_view marking(upper, text.size());

  // "0", "000", "0000", "0R", "R00": the zero-ohm jumper, one reading.
  if (onlyDigitsAndR && rCount <= 1 && allZero && marking.size() > rCount) {
    Add(readings, MakeReading(MarkingKind::ZeroOhm, {}, 0));
    return readings;
  }

  // Two or three figures and the power of ten. A first figure 0 would be a
  // value the maker writes in R notation, so "047" is more likely a misread
  // 47 ohm than the 40 M ohm it would mean.
  if (onlyDigitsAndR && rCount == 0 && (marking.size() == 3 || marking.size() == 4) &&
      marking[0] != '0') {
    const std::size_t figureCount = marking.size() - 1;
    Add(readings,
        MakeReading(figureCount == 2 ? MarkingKind::ThreeDigits : MarkingKind::FourDigits,
                    std::string_view(marking.data(), figureCount), marking[figureCount] - '0'));
  }

  // One to three digits with R for the point. Before the R a zero stands
  // only alone ("0R47"). Leading zeros are not figures: the exponent places
  // the point ("R047" is 47 x 10^-3); trailing ones are ("4R70").
  if (onlyDigitsAndR && rCount == 1 && marking.size() >= 2) {
    const std::string_view before(marking.data(), rAt);
    const std::string_view after(marking.data() + rAt + 1, marking.size() - rAt - 1);
    if (before.size() <= 1 || before[0] != '0') {
      char digits[LongestMarking - 1];
      std::size_t count = 0;
      for (char c : before) {
        if (count > 0 || c != '0') digits[count++] = c;
      }
      for (char c : after) {
        if (count > 0 || c != '0') digits[count++] = c;
      }
      Add(readings, MakeReading(MarkingKind::RNotation, std::string_view(digits, count),
                                -static_cast<int>(after.size())));
    }
  }

  // The E96 number 01 to 96 and the multiplier letter.
  if (marking.size() == 3 && IsDigit(marking[0]) && IsDigit(marking[1])) {
    const int number = (marking[0] - '0') * 10 + (marking[1] - '0');
    const std::optional<int> exponent = LetterExponent(marking[2]);
    const int value = Eia96Value(number);
    if (exponent && value != 0) {
      const char figures[] = {static_cast<char>('0' + value / 100),
                              static_cast<char>('0' + value / 10 % 10),
                              static_cast<char>('0' + value % 10)};
      MarkingReading reading =
          MakeReading(MarkingKind::Eia96, std::string_view(figures, 3), *exponent);
      reading.tolerance = Eia96Tolerance;
      reading.letter = marking[2];
      Add(readings, reading);
    }
  }
  return readings;
}

Markings MarkingsOf(const Resistance& value) {
  Markings markings;
  MarkingWriter writer(markings);
  if (value.IsZero()) {
    for (std::string_view text : {std::string_view("0R"), std::string_view("000")}) {
      writer.Start(MarkingKind::ZeroOhm);
      for (char c : text) writer.Put(c);
      writer.Finish();
    }
    return markings;
  }
  const std::size_t figureCount = value.Digits().size();
  // Two figures: three digits from 10 ohm, R notation below.
  if (figureCount <= 2) {
    if (value.Magnitude() >= 2) {
      WriteDigits(writer, value, 2);
    } else {
      WriteRNotation(writer, value, 2);
    }
  }
  // Three figures: four digits from 100 ohm, R notation below.
  if (figureCount <= 3) {
    if (value.Magnitude() >= 3) {
      WriteDigits(writer, value, 3);
    } else {
      WriteRNotation(writer, value, 3);
    }
    WriteEia96(writer, value);
  }
  return markings;
}

int Eia96Value(int number) {
  const std::span<const int> values = E96();
  if (number < 1 || number > static_cast<int>(values.size())) return 0;
  return values[static_cast<std::size_t>(number - 1)];
}

}  // namespace colour_code
