#include "resistor_logic.h"

#include <optional>
#include <span>

#include "colour_code/ascii.h"
#include "colour_code/resistance.h"
#include "colour_code/smd.h"
#include "colour_code/wording.h"

namespace resistor {

namespace cc = colour_code;

namespace {

// The groups a code of each count uses, in band order.
std::span<const std::size_t> SlotsOf(std::size_t bands) {
  static constexpr std::size_t One[] = {FirstDigit};
  static constexpr std::size_t Three[] = {FirstDigit, SecondDigit, MultiplierSlot};
  static constexpr std::size_t Four[] = {FirstDigit, SecondDigit, MultiplierSlot, ToleranceSlot};
  static constexpr std::size_t Five[] = {FirstDigit, SecondDigit, ThirdDigit, MultiplierSlot,
                                         ToleranceSlot};
  static constexpr std::size_t Six[] = {FirstDigit,     SecondDigit,   ThirdDigit,
                                        MultiplierSlot, ToleranceSlot, CoefficientSlot};
  switch (bands) {
    case 1: return One;
    case 3: return Three;
    case 4: return Four;
    case 5: return Five;
    case 6: return Six;
    default: return {};
  }
}

using colour_code::ascii::Trimmed;

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (!colour_code::ascii::IsDigit(c)) return false;
  }
  return true;
}

// The request for a code of `bands` bands that keeps what it can of the
// current choice: its tolerance (or the marking's) and its coefficient.
cc::CodeRequest RequestFor(std::size_t bands, const Selection& current,
                           std::optional<Colour> tolerance) {
  cc::CodeRequest request;
  request.bands = bands;
  if (bands >= 4) request.tolerance = tolerance.value_or(current.slots[ToleranceSlot]);
  if (bands == 6) request.coefficient = current.slots[CoefficientSlot];
  return request;
}

// What a value is, read from the typed text: a value or a marking, and a
// note on how it was read; or the message of why it is neither.
struct TypedValue {
  std::optional<cc::Resistance> value;
  std::optional<Colour> tolerance;  // a marking's own (EIA-96: 1%)
  Text note;                        // "472 (three digits): " when a marking was read
  Text error;
};

TypedValue FromMarking(std::string_view typed, const cc::MarkingReadings& readings) {
  TypedValue result;
  const cc::MarkingReading& reading = readings.readings[0];
  result.value = reading.Value();
  if (reading.tolerance) result.tolerance = cc::ToleranceColour(*reading.tolerance);
  result.note = Text("SMD marking ") + typed + " (" + cc::MarkingKindName(reading.kind) +
                "): " + cc::MarkingLine(reading);
  if (readings.count > 1) {
    const cc::MarkingReading& other = readings.readings[1];
    result.note += Text("; as ") + cc::MarkingKindName(other.kind) + ": " + cc::MarkingLine(other);
  }
  result.note += ". ";
  return result;
}

TypedValue ReadTyped(std::string_view typed) {
  // Digits alone, three or four of them, are printed markings.
  if ((typed.size() == 3 || typed.size() == 4) && AllDigits(typed)) {
    const cc::MarkingReadings readings = cc::ReadMarking(typed);
    if (readings.count > 0) return FromMarking(typed, readings);
  }
  cc::ValueParse parse = cc::ParseValue(typed);
  if (parse.value) {
    TypedValue result;
    result.value = parse.value;
    return result;
  }
  const cc::MarkingReadings readings = cc::ReadMarking(typed);
  if (readings.count > 0) return FromMarking(typed, readings);
  TypedValue result;
  result.error = parse.error;
  return result;
}

// The new choice: the written code's colours in the groups of its count,
// the other groups as they were.
Selection SelectionOf(const cc::WrittenCode& written, const Selection& current) {
  Selection selection = current;
  selection.bands = written.bands;
  if (written.bands == 1) return selection;  // the one black band: no group
  const std::span<const std::size_t> slots = SlotsOf(written.bands);
  for (std::size_t band = 0; band < written.code.count; ++band) {
    selection.slots[slots[band]] = written.code.colours[band];
  }
  return selection;
}

}  // namespace

bool SlotUsed(std::size_t bands, std::size_t slot) {
  if (bands == 1) return false;  // the zero-ohm band is no group's choice
  for (std::size_t used : SlotsOf(bands)) {
    if (used == slot) return true;
  }
  return false;
}

Code CodeOf(const Selection& selection) {
  Code code;
  if (selection.bands == 1) {
    code.colours[code.count++] = Colour::Black;
    return code;
  }
  for (std::size_t slot : SlotsOf(selection.bands))
    code.colours[code.count++] = selection.slots[slot];
  return code;
}

ShownLines LinesOf(const Code& code) {
  ShownLines lines;
  const cc::ReadOutcome reading = cc::ReadCode(code.Bands());
  if (!reading) {
    lines[ReadingLine] = cc::ReadFaultMessage(reading.Error());
    return lines;
  }
  const cc::Resistance value = reading->Value();
  lines[ReadingLine] = cc::ReadingLine(*reading);
  if (std::optional<Text> range = cc::RangeLine(*reading)) lines[RangeLine] = *range;
  lines[SeriesLine] = cc::SeriesLine(value);
  if (reading->tolerance) {
    if (std::optional<Text> warning = cc::SeriesWarningLine(value, *reading->tolerance)) {
      lines[WarningLine] = *warning;
    }
  }
  const Code reversed = code.Reversed();
  if (const cc::ReadOutcome otherEnd = cc::ReadCode(reversed.Bands());
      otherEnd && cc::ReadingLine(*otherEnd) != lines[ReadingLine]) {
    lines[OtherEndLine] = cc::OtherEndLine(*otherEnd);
  }
  lines[MarkingsLine] = cc::MarkingsLine(cc::MarkingsOf(value));
  return lines;
}

Text ClipboardText(const ShownLines& lines) {
  Text text;
  for (const Text& line : lines) {
    if (line.Empty()) continue;
    text += line;
    text += "\r\n";
  }
  return text;
}

Entry EnterValue(std::string_view typed, const Selection& current) {
  Entry entry;
  typed = Trimmed(typed);
  const TypedValue read = ReadTyped(typed);
  if (!read.value) {
    entry.message = read.error;
    return entry;
  }
  const cc::Resistance& value = *read.value;

  // The count stays if it can; else the smallest that can. A tolerance the
  // new count cannot take is left as it was (it does not change the value).
  std::optional<cc::WriteOutcome> chosen;
  std::optional<cc::WriteOutcome> staying;
  cc::CodeRequest chosenRequest;
  auto attempt = [&](std::size_t bands) {
    cc::CodeRequest request = RequestFor(bands, current, read.tolerance);
    cc::WriteOutcome outcome = cc::WriteCode(value, request);
    if (!outcome && (outcome.Error().kind == cc::WriteFault::NotTolerance ||
                     outcome.Error().kind == cc::WriteFault::NotCoefficient)) {
      request.tolerance.reset();
      request.coefficient.reset();
      outcome = cc::WriteCode(value, request);
    }
    if (outcome && !chosen) {
      chosen = outcome;
      chosenRequest = request;
    }
    return outcome;
  };
  staying = attempt(current.bands);
  for (std::size_t bands :
       {std::size_t{1}, std::size_t{3}, std::size_t{4}, std::size_t{5}, std::size_t{6}}) {
    if (chosen) break;
    attempt(bands);
  }
  if (!chosen) {
    // No count shows it: the six-band code's reason, the widest there is
    // (the zero-ohm band's for a count of one).
    const cc::WriteOutcome widest = cc::WriteCode(value, RequestFor(6, current, read.tolerance));
    entry.message = read.note + cc::WriteFaultMessage(value, widest.Error());
    return entry;
  }
  entry.changed = true;
  entry.selection = SelectionOf(**chosen, current);
  entry.message = read.note + cc::WriteLine(value, chosenRequest, *chosen);
  if (!*staying) {
    entry.message += Text(". With ") + Text().AppendNumber(static_cast<long long>(current.bands)) +
                     (current.bands == 1 ? " band: " : " bands: ") +
                     cc::WriteFaultMessage(value, staying->Error());
  }
  return entry;
}

}  // namespace resistor
