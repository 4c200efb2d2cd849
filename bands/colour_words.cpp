#include "colour_words.h"

#include "colour_code/ascii.h"

namespace {

using colour_code::Colour;

bool IsSeparator(char c) {
  return c == ',' || c == '-' || c == '/' || c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

using colour_code::ascii::EqualIgnoringCase;
using colour_code::ascii::Lower;

// Names people use for a colour of the code that are no misspelling of its
// own name.
struct OtherName {
  std::string_view name;
  Colour colour;
};
constexpr OtherName kOtherNames[] = {
    {"purple", Colour::Violet},
};

// Longer words are no misspelling of any colour's name.
constexpr std::size_t kLongestWord = 12;

// The edit distance of `a` and `b` ignoring case, a swap of two neighbouring
// letters counting as one edit (optimal string alignment). Both are at most
// kLongestWord long.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::size_t d[kLongestWord + 1][kLongestWord + 1];
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const bool same = Lower(a[i - 1]) == Lower(b[j - 1]);
      std::size_t best = d[i - 1][j - 1] + (same ? 0 : 1);
      if (d[i - 1][j] + 1 < best) best = d[i - 1][j] + 1;
      if (d[i][j - 1] + 1 < best) best = d[i][j - 1] + 1;
      if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) &&
          Lower(a[i - 2]) == Lower(b[j - 1]) && d[i - 2][j - 2] + 1 < best) {
        best = d[i - 2][j - 2] + 1;
      }
      d[i][j] = best;
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

void AppendColourWords(std::string_view argument, ColourWords& words) {
  const std::size_t countBefore = words.count;
  std::size_t position = 0;
  while (position < argument.size()) {
    if (IsSeparator(argument[position])) {
      ++position;
      continue;
    }
    const std::size_t start = position;
    while (position < argument.size() && !IsSeparator(argument[position])) ++position;
    words.Add(std::string_view(argument.data() + start, position - start));
  }
  if (words.count == countBefore) words.Add(argument);
}

std::optional<Colour> ColourOfWord(std::string_view word) {
  if (const std::optional<Colour> colour = colour_code::ColourFromName(word)) return colour;
  return colour_code::ColourFromLetterCode(word);
}

std::optional<Colour> SpellingSuggestion(std::string_view word) {
  for (const OtherName& other : kOtherNames) {
    if (EqualIgnoringCase(word, other.name)) return other.colour;
  }
  // Two letters are too few to tell a misspelt name from a letter code.
  if (word.size() < 3 || word.size() > kLongestWord) return std::nullopt;
  std::optional<Colour> best;
  std::size_t bestDistance = 0;
  bool tie = false;
  for (int number = 0; number < colour_code::ColourCount; ++number) {
    const auto colour = static_cast<Colour>(number);
    const std::string_view name = colour_code::Info(colour).name;
    const std::size_t distance = EditDistance(word, name);
    // Two edits only in a longer word or name, and only after the right
    // first letter: "golden" is gold, "hello" is no yellow.
    const bool longer = name.size() >= 5 || word.size() >= 5;
    const bool sameStart = Lower(word[0]) == name[0];
    const std::size_t allowed = longer && sameStart ? 2 : 1;
    if (distance == 0 || distance > allowed) continue;
    if (!best || distance < bestDistance) {
      best = colour;
      bestDistance = distance;
      tie = false;
    } else if (distance == bestDistance) {
      tie = true;
    }
  }
  if (tie) return std::nullopt;
  return best;
}
