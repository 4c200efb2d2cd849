// Colour codes as people write them: one colour per argument, or the whole
// code in one argument ("brown,black,red,gold", "brown-black-red-gold",
// "BN/BK/RD/GD", "brown black red gold"), by name or by IEC 60757 letter
// code; and the colour a misspelt name most likely means.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "colour_code/colours.h"

// The words of the colours given, first band first. Every word is counted;
// only the first Capacity are kept, which is more than any code has bands.
struct ColourWords {
  static constexpr std::size_t Capacity = 8;
  std::string_view words[Capacity];
  std::size_t count = 0;

  constexpr void Add(std::string_view word) {
    if (count < Capacity) words[count] = word;
    ++count;
  }
};

// Appends the pieces of `argument` between commas, hyphens, slashes, blanks,
// tabs and line ends. An argument without any piece (empty, or separators only) is
// appended whole, so that a message can quote it. The words refer into
// `argument`.
void AppendColourWords(std::string_view argument, ColourWords& words);

// The colour that `word` names, by name ("brown", "GRAY", "none") or by
// letter code ("BN", "gy"), in any case; none for anything else.
std::optional<colour_code::Colour> ColourOfWord(std::string_view word);

// The colour that a word which names none most likely means: the one name
// within an edit of it (two for words or names of five letters or more that
// begin with the same letter), two letters swapped counting as one edit; or
// a common other name ("purple" is violet).
// None when no name is that close, or two are equally close.
std::optional<colour_code::Colour> SpellingSuggestion(std::string_view word);
