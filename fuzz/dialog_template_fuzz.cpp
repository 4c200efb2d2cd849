// The in-memory dialog template: whatever the style, geometry, caption and
// face name, the writer stays inside DialogTemplateCapacity bytes and the
// bytes read back, field by field, as the dialog that was asked for (the
// caption cut to MaxCaptionLength, an empty one as " ", the face name up
// to its first zero and cut to MaxFaceNameLength).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "dialog_rules.h"

namespace {

[[noreturn]] void Broken(const char* what) {
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

// Reads the input from the front; zeros once it is used up.
struct Input {
  const std::uint8_t* data;
  std::size_t size;
  std::uint32_t Next(int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
      value |= static_cast<std::uint32_t>(size > 0 ? (--size, *data++) : 0) << (8 * i);
    }
    return value;
  }
  std::string_view Take(std::size_t count) {
    if (count > size) count = size;
    std::string_view taken(reinterpret_cast<const char*>(data), count);
    data += count;
    size -= count;
    return taken;
  }
};

// Reads the template back in the order it was written.
struct Reader {
  const std::vector<std::uint8_t>& bytes;
  std::size_t at = 0;
  std::uint32_t Read16() {
    if (at + 2 > bytes.size()) Broken("the template ends inside a field");
    const std::uint32_t value = bytes[at] | bytes[at + 1] << 8;
    at += 2;
    return value;
  }
  std::uint32_t Read32() {
    const std::uint32_t low = Read16();
    return low | Read16() << 16;
  }
  // Each byte of `text` as one 16-bit character, then a zero.
  void ExpectWidened(std::string_view text, const char* what) {
    for (char c : text) {
      if (Read16() != static_cast<unsigned char>(c)) Broken(what);
    }
    if (Read16() != 0) Broken(what);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input{data, size};
  const std::uint32_t style = input.Next(4);
  const std::uint32_t extendedStyle = input.Next(4);
  // Geometry anywhere in the 32-bit range, the usual small values included.
  const int x = static_cast<std::int32_t>(input.Next(4));
  const int y = static_cast<std::int32_t>(input.Next(4));
  const int width = static_cast<std::int32_t>(input.Next(4));
  const int height = static_cast<std::int32_t>(input.Next(4));
  const int pointSize = static_cast<std::int16_t>(input.Next(2));
  const std::string_view caption = input.Take(input.Next(2) % 400);
  const std::string_view faceName = input.Take(input.size);

  // Guard bytes after the capacity show a write beyond it.
  constexpr std::size_t Guard = 64;
  constexpr std::uint8_t Fill = 0xA5;
  std::vector<std::uint8_t> buffer(DialogTemplateCapacity + Guard, Fill);
  const std::size_t written =
      WriteDialogTemplate(std::span(buffer.data(), DialogTemplateCapacity), style, extendedStyle, x,
                          y, width, height, caption, pointSize, faceName);
  if (written > DialogTemplateCapacity) Broken("more bytes than the capacity");
  for (std::size_t i = DialogTemplateCapacity; i < buffer.size(); ++i) {
    if (buffer[i] != Fill) Broken("a byte beyond the capacity was written");
  }
  buffer.resize(written);

  Reader reader{buffer};
  if (reader.Read32() != style) Broken("style");
  if (reader.Read32() != extendedStyle) Broken("extended style");
  if (reader.Read16() != 0) Broken("controls in the template");
  if (reader.Read16() != (static_cast<std::uint32_t>(x) & 0xFFFF)) Broken("x");
  if (reader.Read16() != (static_cast<std::uint32_t>(y) & 0xFFFF)) Broken("y");
  if (reader.Read16() != (static_cast<std::uint32_t>(width) & 0xFFFF)) Broken("width");
  if (reader.Read16() != (static_cast<std::uint32_t>(height) & 0xFFFF)) Broken("height");
  if (reader.Read16() != 0) Broken("a menu");
  if (reader.Read16() != 0) Broken("a window class");
  std::string_view title = caption.empty() ? std::string_view(" ") : caption;
  if (title.size() > MaxCaptionLength) title = std::string_view(title.data(), MaxCaptionLength);
  reader.ExpectWidened(title, "caption");
  if (reader.Read16() != (static_cast<std::uint32_t>(pointSize) & 0xFFFF)) Broken("point size");
  std::string_view face = faceName;
  if (const std::size_t zero = face.find('\0'); zero != std::string_view::npos) {
    face = std::string_view(face.data(), zero);
  }
  if (face.size() > MaxFaceNameLength) face = std::string_view(face.data(), MaxFaceNameLength);
  reader.ExpectWidened(face, "face name");
  if (reader.at != written) Broken("bytes after the face name");
  return 0;
}
