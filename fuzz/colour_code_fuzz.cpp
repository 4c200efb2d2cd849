// The colour-code library on any bytes, both ways.
//
// Properties:
// - colours: the first byte gives a count of 0 to 7 bands, the next bytes
//   their colours; the reading is a code or a fault naming a band of the
//   code; a code's value, written with its tolerance and coefficient, is a
//   whole code that reads back as the same value, tolerance and
//   coefficient, and its line and the message of a fault fit their text;
// - text: a typed value is a value or an error, never both or neither;
//   every code of 1 and 3 to 6 bands written for it reads back as the
//   value; every marking of it reads back as it; the text read as a marking
//   gives readings whose values have markings that read back as them.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "colour_code/code.h"
#include "colour_code/smd.h"
#include "colour_code/wording.h"

namespace {

using namespace colour_code;

[[noreturn]] void Broken(const char* property) {
  std::fprintf(stderr, "broken: %s\n", property);
  std::abort();
}

void Check(bool holds, const char* property) {
  if (!holds) Broken(property);
}

void CheckColours(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  const std::size_t count = data[0] % 8;
  if (size < 1 + count) return;
  Colour colours[8];
  for (std::size_t i = 0; i < count; ++i)
    colours[i] = static_cast<Colour>(data[1 + i] % ColourCount);
  const ReadOutcome reading = ReadCode({colours, count});
  if (!reading) {
    const ReadFault& fault = reading.Error();
    Check(fault.count == count, "the fault counts the bands given");
    Check(fault.kind == ReadFault::BandCount || fault.band < count, "the fault names a band");
    Check(ReadFaultMessage(fault).Complete(), "the message fits");
    return;
  }
  Check(ReadingLine(*reading).Complete(), "the line fits");
  Check(reading->code == Code::Of({colours, count}), "the reading keeps its colours");
  const Resistance value = reading->Value();
  if (value.IsZero() && count != 1) return;  // zero is written as the one black band
  CodeRequest request{count, std::nullopt, std::nullopt};
  if (count >= 4) request.tolerance = colours[ToleranceBand(count)];
  if (count == 6) request.coefficient = colours[5];
  const WriteOutcome written = WriteCode(value, request);
  Check(written.Ok() && written->Whole(), "a code's value is written whole");
  const ReadOutcome back = ReadCode(written->code.Bands());
  Check(back.Ok() && back->Value() == value, "the written code reads back as the value");
  Check(back->tolerance == reading->tolerance && back->ppmPerKelvin == reading->ppmPerKelvin,
        "the written code keeps tolerance and coefficient");
}

void CheckMarkingsOf(const Resistance& value) {
  const Markings markings = MarkingsOf(value);
  Check(MarkingsLine(markings).Complete(), "the markings line fits");
  for (std::size_t i = 0; i < markings.count; ++i) {
    const MarkingReadings readings = ReadMarking(markings.markings[i].View());
    bool found = false;
    for (std::size_t r = 0; r < readings.count; ++r) {
      found = found || (readings.readings[r].kind == markings.markings[i].kind &&
                        readings.readings[r].Value() == value);
    }
    Check(found, "a value's marking reads back as the value");
  }
}

void CheckText(std::string_view text) {
  const ValueParse parse = ParseValue(text);
  Check(parse.value.has_value() == parse.error.Empty(), "a value or an error");
  Check(parse.error.Complete(), "the error fits");
  if (parse.value) {
    const Resistance& value = *parse.value;
    Check(ResistanceText(value).Complete(), "the value's text fits");
    for (const std::size_t bands : {1, 3, 4, 5, 6}) {
      // Brown, 1%, where the code has a tolerance band; red, 50 ppm/K, with six.
      CodeRequest asked{bands, std::nullopt, std::nullopt};
      if (bands >= 4) asked.tolerance = Colour::Brown;
      if (bands == 6) asked.coefficient = Colour::Red;
      const WriteOutcome written = WriteCode(value, asked);
      Check(WriteLine(value, asked, written).Complete(), "the code's line fits");
      if (!written) continue;
      const ReadOutcome back = ReadCode(written->code.Bands());
      Check(back.Ok() && back->Value() == value, "a written code reads back as the value");
    }
    CheckMarkingsOf(value);
  }
  const MarkingReadings readings = ReadMarking(text);
  Check(readings.count <= 2, "at most two readings");
  for (std::size_t r = 0; r < readings.count; ++r) {
    Check(MarkingLine(readings.readings[r]).Complete(), "the marking's line fits");
    CheckMarkingsOf(readings.readings[r].Value());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckColours(data, size);
  CheckText({reinterpret_cast<const char*>(data), size});
  return 0;
}
