#include "colour_code/text.h"

namespace colour_code {

Text& AppendQuoted(Text& text, std::string_view word) {
  text += '"';
  if (word.size() <= QuotedWordLimit) {
    text += word;
  } else {
    std::size_t size = QuotedWordLimit;
    // Cut before a whole UTF-8 character, never inside one.
    while (size > 0 && (static_cast<unsigned char>(word[size]) & 0xC0) == 0x80) --size;
    text += std::string_view(word.data(), size);
    text += "...";
  }
  return text += '"';
}

}  // namespace colour_code
