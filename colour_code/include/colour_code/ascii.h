// The few character and text tests that typed input needs, for ASCII only
// (letters of other scripts are never folded), and views that cannot
// throw: std::string_view's substr and starts_with check their position
// and can throw, which would bring exception code into programs built
// without it.
#pragma once

#include <string_view>

namespace colour_code::ascii {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
constexpr char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The part of `text` from `start` on; empty past the end.
constexpr std::string_view From(std::string_view text, std::size_t start) {
  return start >= text.size() ? std::string_view()
                              : std::string_view(text.data() + start, text.size() - start);
}

constexpr std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

constexpr bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && std::string_view(text.data(), prefix.size()) == prefix;
}

constexpr bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         EqualIgnoringCase(std::string_view(text.data(), prefix.size()), prefix);
}

}  // namespace colour_code::ascii
