// Colour codes as people write them: one colour per argument, or the whole
// code in one argument ("brown,black,red,gold", "brown-black-red-gold",
// "BN/BK/RD/GD", "brown black red gold"), by name or by letter code.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

// The colour name that an IEC 60757 letter code stands for, in any case:
// "BN" and "bn" give "brown", "GY" gives "grey", "PK" gives "pink". None
// for any other text.
std::optional<std::string_view> ColourNameOfLetterCode(std::string_view code);

// Appends the colours written in `argument` to `words`: the pieces between
// commas, hyphens, slashes and blanks, each letter code replaced by the name
// of its colour. An argument without any piece (empty, or separators only)
// is appended whole, so that a message can quote it. The words refer into
// `argument` or to static names; they live as long as `argument` does.
void AppendColourWords(std::string_view argument, std::vector<std::string_view>& words);
