// Every line and message of the colour code, worded once for every
// front-end: the reading line, the details, the lines of a value's codes
// and markings, and what is wrong with a code or a value. No line ends in
// a newline; front-ends add their own.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "colour_code/code.h"
#include "colour_code/colours.h"
#include "colour_code/resistance.h"
#include "colour_code/series.h"
#include "colour_code/smd.h"
#include "colour_code/text.h"

namespace colour_code {

// "20%", "0.5%", "0.25%".
Text ToleranceText(Hundredths tolerance);

// "black, brown, red": the names in the order given.
Text ColourList(std::span<const Colour> colours);

// The tolerance shown by a typed text: "5%", "5", "±5%", "5.0%", "0.25 %",
// "none" (20%); none when no tolerance band shows it.
std::optional<Colour> ToleranceFromText(std::string_view text);
// "0.01%, 0.02%, ... 10%, 20%": every tolerance of the code, narrowest first.
Text ToleranceChoices();

// The temperature coefficient shown by a typed text: "50", "50ppm",
// "50 ppm/K"; none when no band shows it.
std::optional<Colour> CoefficientFromText(std::string_view text);
// "1, 5, 10, 15, 20, 25, 50, 100, 250 ppm/K": every coefficient, smallest first.
Text CoefficientChoices();

// Reading a code.
// "Resistance: 4.7 k ohm, 5%"; "Resistance: 3.30 k ohm, 0.25%, 50 ppm/K";
// "Resistance: 0 ohm" for the zero-ohm band. A code that the four- or the
// five-band window offers gives that window's line without its CR LF.
Text ReadingLine(const Reading& reading);
// "band 1 of 4 (first digit): gold is not offered; choose black, brown, ...".
Text ReadFaultMessage(const ReadFault& fault);
// "band 2 of 4 (second digit): unknown colour "bown"; did you mean brown?"
// with a suggestion, else "...; choose black, brown, ...". `count` is a
// count that has roles (BandRoles).
Text UnknownColourMessage(std::size_t count, std::size_t band, std::string_view word,
                          std::optional<Colour> suggestion);
// "from the other end: Resistance: 4.7 k ohm, 5%": after a fault, when the
// colours read from the other end.
Text OtherEndFaultLine(const Reading& otherEnd);

// The details of a reading.
// "Range: 4.465 k ohm to 4.935 k ohm": the value minus and plus its
// tolerance, in the unit of the value; none for zero-ohm.
std::optional<Text> RangeLine(const Reading& reading);
// "Series: E3 E6 E12 E24", or "Series: none".
Text SeriesLine(const Resistance& value);
// "Not in E24, the series of a 5% tolerance: the nearest standard values are
// 4.3 k ohm and 4.7 k ohm; a colour may be misread"; none when the value is
// in the series, or zero.
std::optional<Text> SeriesWarningLine(const Resistance& value, Hundredths tolerance);
// "From the other end: Resistance: ...; Series: ...".
Text OtherEndLine(const Reading& otherEnd);

// Writing a value's code.
// "5 bands: yellow violet black brown gold"; for a code with bands still
// to choose "5 bands: yellow violet black brown, then the tolerance band";
// "1 band: black" for zero; on a fault "4 bands: cannot encode 4.75 k ohm:
// it has 3 significant digits, the code shows only 2".
Text WriteLine(const Resistance& value, const CodeRequest& request, const WriteOutcome& outcome);
// The same without the "N bands: " in front.
Text WriteFaultMessage(const Resistance& value, const WriteFault& fault);
// "E24: 4.7 k ohm is a standard value"; "E24 below: 4.7 k ohm";
// "E24 above: 5.1 k ohm".
Text StandardValueLine(const StandardSeries& series, const Resistance& value);
Text NeighbourLine(const StandardSeries& series, bool above, const Resistance& value);

// SMD markings.
// "Resistance: 4.7 k ohm"; "Resistance: 10.0 k ohm, 1%" (EIA-96).
Text MarkingLine(const MarkingReading& reading);
// "three digits", "four digits", "R notation", "EIA-96", "zero-ohm".
std::string_view MarkingKindName(MarkingKind kind);
// The range of a marking that states its tolerance (EIA-96), as RangeLine
// gives it for a code of the same figures, multiplier and tolerance; none
// for the others.
std::optional<Text> RangeLine(const MarkingReading& reading);
// "Marking: three digits, E24 parts" and the like.
Text MarkingDetailLine(const MarkingReading& reading);
// "SMD: 472, 4701"; "SMD: none" when no marking shows the value.
Text MarkingsLine(const Markings& markings);

// A word that is no colour and no marking but a value: the hint to ask for
// its colours, `"4.7k" is a value, not a colour or a marking; for its
// colours write --value 4.7k`.
Text ValueNotColourMessage(std::string_view word);

}  // namespace colour_code
