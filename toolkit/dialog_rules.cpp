#include "dialog_rules.h"

#include <algorithm>
#include <cassert>
#include <iterator>

namespace {

// Appends little-endian fields to a template buffer; the caller sized it.
struct TemplateWriter {
  std::uint8_t* bytes;
  std::size_t used = 0;

  void Write16(std::uint32_t value) {
    bytes[used++] = static_cast<std::uint8_t>(value);
    bytes[used++] = static_cast<std::uint8_t>(value >> 8);
  }
  void Write32(std::uint32_t value) {
    Write16(value & 0xFFFF);
    Write16(value >> 16);
  }
  // Each byte becomes one 16-bit character; no code-page conversion.
  void WriteWidened(std::string_view text) {
    for (char c : text) Write16(static_cast<unsigned char>(c));
    Write16(0);
  }
};

constexpr ControlStyleRule ControlStyleRules[] = {
    {ControlKind::PushButton, "BUTTON", 0x50010000, 0x50000000, 0x00000000},
    {ControlKind::Frame, "BUTTON", 0x50000007, 0x50000007, 0xA7FFD0F8},
    {ControlKind::Label, "STATIC", 0x50000000, 0x50000000, 0x00000000},
    {ControlKind::OptionButton, "BUTTON", 0x50010009, 0x50000009, 0xA7FC00C6},
    {ControlKind::Image, "STATIC", 0x5000000E, 0x5000000E, 0x00000000},
};

constexpr ControlStyleRule UnicodeControlStyleRules[] = {
    // One line: never multi-line or wanting Enter, so that Enter and Escape
    // reach the dialog. Default: child, visible, tab stop, ES_AUTOHSCROLL.
    {ControlKind::EditBox, "EDIT", 0x50010080, 0x50000000, 0x80001004},
    // Always the owner-drawn static type (SS_OWNERDRAW 0x0D); a picture
    // takes no focus, so never a tab stop.
    {ControlKind::Drawing, "STATIC", 0x5000000D, 0x5000000D, 0x80010012},
    // Text without mnemonics (SS_NOPREFIX: an "&" in a line is shown as
    // it is); the type bits from 0x04 up are cleared (left, centred or
    // right text); never a tab stop.
    {ControlKind::TextLine, "STATIC", 0x50000080, 0x50000080, 0x8001001C},
};

template <std::size_t N>
const ControlStyleRule* FindRule(const ControlStyleRule (&rules)[N], ControlKind kind) {
  for (const ControlStyleRule& rule : rules) {
    if (rule.kind == kind) return &rule;
  }
  return nullptr;
}

// By message from WM_CTLCOLORMSGBOX on: COLOR_MENUTEXT/COLOR_MENU,
// COLOR_WINDOWTEXT/COLOR_WINDOW (edit, list box), COLOR_BTNTEXT/COLOR_BTNFACE,
// then window text on the button face (dialog), the scroll bar colour, and
// the button face (static).
constexpr SystemColorEntries ColorMessageEntries[] = {
    {7, 4}, {8, 5}, {8, 5}, {18, 15}, {8, 15}, {8, 0}, {8, 15},
};

constexpr std::uint32_t ColorRgbMask = 0x00FFFFFF;

// The first `count` bytes of `text`, or all of it when it is shorter.
std::string_view Prefix(std::string_view text, std::size_t count) {
  return {text.data(), std::min(text.size(), count)};
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::size_t WriteDialogTemplate(std::span<std::uint8_t> bytes, std::uint32_t style,
                                std::uint32_t extendedStyle, int x, int y, int width, int height,
                                std::string_view caption, int pointSize,
                                std::string_view faceName) {
  assert(bytes.size() >= DialogTemplateCapacity);
  TemplateWriter writer{bytes.data()};
  writer.Write32(style);
  writer.Write32(extendedStyle);
  writer.Write16(0);  // no controls in the template
  writer.Write16(static_cast<std::uint32_t>(x) & 0xFFFF);
  writer.Write16(static_cast<std::uint32_t>(y) & 0xFFFF);
  writer.Write16(static_cast<std::uint32_t>(width) & 0xFFFF);
  writer.Write16(static_cast<std::uint32_t>(height) & 0xFFFF);
  writer.Write16(0);  // no menu
  writer.Write16(0);  // the system dialog class
  writer.WriteWidened(caption.empty() ? std::string_view(" ") : Prefix(caption, MaxCaptionLength));
  writer.Write16(static_cast<std::uint32_t>(pointSize) & 0xFFFF);
  writer.WriteWidened(Prefix(faceName, std::min(faceName.find('\0'), MaxFaceNameLength)));
  return writer.used;
}

std::uint32_t EffectiveDialogStyle(std::uint32_t style, int x, int y) {
  std::uint32_t effective = style != 0 ? style : DefaultDialogStyle;
  effective |= DialogStyleAlwaysSet;
  effective &= ~DialogStyleAlwaysCleared;
  if (x == -1 || y == -1) effective |= DialogCentreStyle;
  return effective;
}

int ShowCommandForStyle(std::uint32_t dialogStyle) {
  constexpr std::uint32_t Maximize = 0x01000000, Minimize = 0x20000000;
  if (dialogStyle & Maximize) return 3;
  if (dialogStyle & Minimize) return 6;
  return 5;
}

const ControlStyleRule* FindControlStyleRule(ControlKind kind) {
  auto rule = std::find_if(std::begin(ControlStyleRules), std::end(ControlStyleRules),
                           [kind](const ControlStyleRule& r) { return r.kind == kind; });
  return rule != std::end(ControlStyleRules) ? rule : nullptr;
}

const ControlStyleRule* FindUnicodeControlStyleRule(ControlKind kind) {
  return FindRule(UnicodeControlStyleRules, kind);
}

std::uint32_t EffectiveControlStyle(const ControlStyleRule& rule, std::uint32_t style) {
  std::uint32_t effective = style != 0 ? style : rule.defaultStyle;
  return (effective | rule.alwaysSet) & ~rule.alwaysCleared;
}

std::uint32_t IconImageStyle(std::uint32_t style) {
  constexpr std::uint32_t PictureTypeBits = 0x000E, IconType = 0x0003;
  return (style & ~PictureTypeBits) | IconType;
}

std::int32_t MakeColor(int red, int green, int blue) {
  auto clamp = [](int component) { return std::clamp(component, 0, 255); };
  return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

std::int32_t NormalTextColor(std::int32_t color) {
  return color >= 0 ? static_cast<std::int32_t>(color & ColorRgbMask) : ColorSystem;
}

std::int32_t NormalBackgroundColor(std::int32_t color) {
  if (color == ColorTransparent) return ColorTransparent;
  return NormalTextColor(color);
}

bool IsColorMessage(unsigned message) {
  return message >= FirstColorMessage && message <= LastColorMessage;
}

SystemColorEntries SystemColorEntriesFor(unsigned message) {
  assert(IsColorMessage(message));
  return ColorMessageEntries[message - FirstColorMessage];
}

bool IsNumberedResourceName(std::string_view name) { return !name.empty() && name[0] == '#'; }

std::uint32_t ResourceNumber(std::string_view name) {
  constexpr std::size_t MaxDigitsRead = 5;
  std::uint32_t number = 0;
  for (std::size_t i = 1; i < name.size() && i <= MaxDigitsRead; ++i) {
    const char c = name[i];
    if (c < '0' || c > '9') break;
    number = number * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return number;
}

bool SameResourceName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

std::size_t ArgumentTextOffset(const char* commandLine) {
  const char* p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p != '\0' && *p != '"') ++p;
    if (*p == '"') ++p;
    while (*p == ' ') ++p;
  } else {
    while (static_cast<unsigned char>(*p) > ' ') ++p;
    if (*p == ' ') {
      while (*p == ' ') ++p;
    }
  }
  return static_cast<std::size_t>(p - commandLine);
}
