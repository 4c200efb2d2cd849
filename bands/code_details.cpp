#include "code_details.h"

#include "standard_values.h"

Resistance CodeResistance(const ResistorCode& code) {
  return Normalised(code.figures, code.exponent);
}

std::string RangeLine(const ResistorCode& code) {
  const long long figures = std::stoll(code.figures);
  const int unit = ValueUnitExponent(code.figures.size(), code.exponent);
  // value x (1 -/+ t / 10000), with t in hundredths of a percent.
  const long long low = figures * (10000 - code.toleranceHundredthsPercent);
  const long long high = figures * (10000 + code.toleranceHundredthsPercent);
  return "Range: " + ExactValueText(std::to_string(low), code.exponent - 4, unit) + " to " +
         ExactValueText(std::to_string(high), code.exponent - 4, unit);
}

std::string SeriesLine(const ResistorCode& code) {
  return "Series: " + SeriesList(CodeResistance(code));
}

std::string SeriesWarningLine(const ResistorCode& code) {
  const Resistance value = CodeResistance(code);
  if (value.digits.empty()) return {};
  const std::vector<const StandardSeries*> expected =
      SeriesForTolerance(code.toleranceHundredthsPercent);
  std::string names;
  for (const StandardSeries* series : expected) {
    if (InSeries(*series, value)) return {};
    if (!names.empty()) names += " or ";
    names += series->name;
  }
  const NearestStandardValues nearest = NearestValues(expected, value);
  return "Not in " + names + ", the series of a " + ToleranceText(code.toleranceHundredthsPercent) +
         " tolerance: the nearest standard values are " + ResistanceText(nearest.below) + " and " +
         ResistanceText(nearest.above) + "; a colour may be misread";
}

std::string DetailLines(const ResistorCode& code, const ResistorReading* otherEnd) {
  std::string lines = RangeLine(code) + "\n" + SeriesLine(code) + "\n";
  const std::string warning = SeriesWarningLine(code);
  if (!warning.empty()) lines += warning + "\n";
  if (otherEnd != nullptr && otherEnd->code) {
    lines += "From the other end: " + otherEnd->line + "; " + SeriesLine(*otherEnd->code) + "\n";
  }
  return lines;
}
