// Text of a fixed capacity: the lines and messages of the colour code. It
// owns no heap storage, so nothing here can fail to allocate or throw, and
// a program built without exceptions links none of their machinery.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace colour_code {

class Text {
 public:
  // The longest line or message of the colour code is far shorter; a quoted
  // word of the user's is cut (QuotedWordLimit) so that every message fits.
  static constexpr std::size_t Capacity = 480;

  constexpr Text() = default;
  constexpr Text(std::string_view text) { Append(text); }  // NOLINT: a text converts

  // Appends what fits; past the capacity the rest is dropped (whole UTF-8
  // characters only) and Complete() turns false.
  constexpr Text& Append(std::string_view text) {
    std::size_t room = Capacity - size_;
    std::size_t count = text.size();
    if (count > room) {
      count = room;
      // Do not split a UTF-8 character: drop its leading bytes too.
      while (count > 0 && (static_cast<unsigned char>(text[count]) & 0xC0) == 0x80) --count;
      cut_ = true;
    }
    for (std::size_t i = 0; i < count; ++i) data_[size_ + i] = text[i];
    size_ = static_cast<std::uint16_t>(size_ + count);
    return *this;
  }
  constexpr Text& Append(char c) { return Append(std::string_view(&c, 1)); }
  // A whole number in decimal: "-12", "4700".
  constexpr Text& AppendNumber(long long number) {
    char digits[24];
    std::size_t count = 0;
    const bool negative = number < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(number)
                                            : static_cast<unsigned long long>(number);
    do {
      digits[count++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (negative) Append('-');
    while (count > 0) Append(digits[--count]);
    return *this;
  }
  constexpr Text& operator+=(std::string_view text) { return Append(text); }
  constexpr Text& operator+=(char c) { return Append(c); }
  constexpr Text& operator+=(const Text& text) { return Append(text.View()); }

  constexpr std::string_view View() const { return {data_, size_}; }
  constexpr std::size_t Size() const { return size_; }
  constexpr bool Empty() const { return size_ == 0; }
  // Nothing was dropped for want of room.
  constexpr bool Complete() const { return !cut_; }

  friend constexpr bool operator==(const Text& a, const Text& b) { return a.View() == b.View(); }
  friend constexpr bool operator==(const Text& a, std::string_view b) { return a.View() == b; }

 private:
  char data_[Capacity] = {};
  std::uint16_t size_ = 0;
  bool cut_ = false;
};

constexpr Text operator+(Text a, std::string_view b) { return a.Append(b); }
constexpr Text operator+(Text a, const Text& b) { return a.Append(b.View()); }

// How much of a word the user typed a message quotes.
inline constexpr std::size_t QuotedWordLimit = 40;

// Appends `word` in double quotes, cut after QuotedWordLimit bytes (at a
// character boundary) with "..." in place of the rest.
Text& AppendQuoted(Text& text, std::string_view word);

}  // namespace colour_code
