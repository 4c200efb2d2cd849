// The toolkit's rules that need no window: the in-memory dialog template,
// effective styles, colour normalisation, resource names and the argument
// text of a command line. Portable (no <windows.h>) so that a native test
// checks them as well as the Windows one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "toolkit_values.h"

// ---- Dialog template ----------------------------------------------------

// The caption is cut to this many characters.
inline constexpr std::size_t MaxCaptionLength = 256;
// A face name holds at most this many bytes before its terminating zero.
inline constexpr std::size_t MaxFaceNameLength = 31;

// The largest template: 18 bytes of fixed fields, menu and class (4), the
// caption with its zero (2 bytes per character), the point size (2) and the
// face name with its zero.
inline constexpr std::size_t DialogTemplateCapacity =
    18 + 4 + 2 * (MaxCaptionLength + 1) + 2 + 2 * (MaxFaceNameLength + 1);

// Writes the template of a dialog with no controls, no menu and the system
// dialog class into `bytes`, which must hold at least DialogTemplateCapacity
// bytes and be 4-byte aligned for the system. `caption` is cut to MaxCaptionLength
// characters and an empty one is written as " "; `faceName` to
// MaxFaceNameLength. Every byte is widened to 16 bits with a zero high byte.
// Returns the count of bytes written.
std::size_t WriteDialogTemplate(std::span<std::uint8_t> bytes, std::uint32_t style,
                                std::uint32_t extendedStyle, int x, int y, int width, int height,
                                std::string_view caption, int pointSize, std::string_view faceName);

// ---- Styles -------------------------------------------------------------

inline constexpr std::uint32_t DefaultDialogStyle =
    0x80C000D4;  // popup, caption, modal frame, set font, no-fail, 3-D
inline constexpr std::uint32_t DialogStyleAlwaysSet = 0x00000054;      // set font, no-fail, 3-D
inline constexpr std::uint32_t DialogStyleAlwaysCleared = 0x10000002;  // visible, system modal
inline constexpr std::uint32_t DialogCentreStyle = 0x00000800;         // DS_CENTER

// The style a dialog is created with: a hidden dialog, centred when x or y is -1.
std::uint32_t EffectiveDialogStyle(std::uint32_t style, int x, int y);

// The show command of a dialog style: 3 (maximize), 6 (minimize) or 5 (show).
int ShowCommandForStyle(std::uint32_t dialogStyle);

// One kind of control: its window class and how its style is formed.
struct ControlStyleRule {
  ControlKind kind;
  const char* className;
  std::uint32_t defaultStyle;  // used when the style argument is 0
  std::uint32_t alwaysSet;
  std::uint32_t alwaysCleared;
};

// The rule of a classic kind (push button, frame, label, option button,
// image), or null for any other kind.
const ControlStyleRule* FindControlStyleRule(ControlKind kind);

// The rule of a kind that is made as a Unicode window (edit box, drawing,
// text line), or null for any other kind. Kept apart from the classic
// kinds, so that a program that makes none of these links none of it.
const ControlStyleRule* FindUnicodeControlStyleRule(ControlKind kind);

// The style a control of `rule`'s kind is created with.
std::uint32_t EffectiveControlStyle(const ControlStyleRule& rule, std::uint32_t style);

// An image style turned from a bitmap picture into an icon picture.
std::uint32_t IconImageStyle(std::uint32_t style);

// ---- Colours ------------------------------------------------------------

// A text colour as stored: a colour without its top byte, or ColorSystem.
std::int32_t NormalTextColor(std::int32_t color);
// A background colour as stored: a colour without its top byte,
// ColorTransparent, or ColorSystem.
std::int32_t NormalBackgroundColor(std::int32_t color);

// The system colour entries (COLOR_* indexes) for the text and the
// background of one colour message, 0x132 to 0x138.
struct SystemColorEntries {
  int text;
  int background;
};
inline constexpr unsigned FirstColorMessage = 0x132;  // WM_CTLCOLORMSGBOX
inline constexpr unsigned LastColorMessage = 0x138;   // WM_CTLCOLORSTATIC
bool IsColorMessage(unsigned message);
// Only for a colour message.
SystemColorEntries SystemColorEntriesFor(unsigned message);

// ---- Resource names -----------------------------------------------------

// "#" followed by digits names a numbered resource.
bool IsNumberedResourceName(std::string_view name);
// The number of a "#" name: the decimal digits among the (at most five)
// characters after "#", up to the first that is not a digit.
std::uint32_t ResourceNumber(std::string_view name);
// Names are equal when their ASCII letters are folded to upper case.
bool SameResourceName(std::string_view a, std::string_view b);

// ---- Command line -------------------------------------------------------

// Where the argument text of `commandLine` starts: after the program name
// (quoted or not) and the blanks after it. An index into `commandLine`,
// which is zero-terminated and is not changed.
std::size_t ArgumentTextOffset(const char* commandLine);
