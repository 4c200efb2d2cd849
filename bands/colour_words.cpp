#include "colour_words.h"

namespace {

struct LetterCode {
  std::string_view code;
  std::string_view name;
};

// IEC 60757, the codes for colours used in IEC 60062's marking tables.
// "none", the empty tolerance band, has no code.
constexpr LetterCode kLetterCodes[] = {
    {"BK", "black"}, {"BN", "brown"},  {"RD", "red"},    {"OG", "orange"}, {"YE", "yellow"},
    {"GN", "green"}, {"BU", "blue"},   {"VT", "violet"}, {"GY", "grey"},   {"WH", "white"},
    {"GD", "gold"},  {"SR", "silver"}, {"PK", "pink"},
};

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsSeparator(char c) { return c == ',' || c == '-' || c == '/' || c == ' ' || c == '\t'; }

}  // namespace

std::optional<std::string_view> ColourNameOfLetterCode(std::string_view code) {
  if (code.size() != 2) return std::nullopt;
  for (const LetterCode& entry : kLetterCodes) {
    if (UpperAscii(code[0]) == entry.code[0] && UpperAscii(code[1]) == entry.code[1])
      return entry.name;
  }
  return std::nullopt;
}

void AppendColourWords(std::string_view argument, std::vector<std::string_view>& words) {
  const std::size_t countBefore = words.size();
  std::size_t position = 0;
  while (position < argument.size()) {
    if (IsSeparator(argument[position])) {
      ++position;
      continue;
    }
    const std::size_t start = position;
    while (position < argument.size() && !IsSeparator(argument[position])) ++position;
    const std::string_view piece = argument.substr(start, position - start);
    words.push_back(ColourNameOfLetterCode(piece).value_or(piece));
  }
  if (words.size() == countBefore) words.push_back(argument);
}
