// The toolkit's plain values, shared by the Win32 layer and the portable
// rules: control kinds, unit modes, colours. No <windows.h> here.
#pragma once

#include <cstdint>

enum class ControlKind : std::int32_t {
  PushButton = 1,
  Frame = 4,
  Label = 5,
  OptionButton = 7,
  Image = 10,
  // The kinds of controls that change while the dialog runs, made by
  // AddUnicodeControl as Unicode windows, so that text outside the ANSI
  // code page (an ohm sign typed or pasted) arrives whole: a one-line edit
  // box, a picture the program draws itself (owner-drawn: its WM_DRAWITEM
  // goes to the control's callback, then to the dialog's), and a line of
  // text the program rewrites.
  EditBox = 8,
  Drawing = 12,
  TextLine = 13,
};

// Unit modes of CreateDialogWindow.
inline constexpr std::uint32_t UnitsDialog = 0x0001;
inline constexpr std::uint32_t UnitsPixels = 0x0002;

// Colours are COLORREF values 0x00BBGGRR in signed 32-bit fields, or one of:
inline constexpr std::int32_t ColorSystem = -1;       // the system colour for the message kind
inline constexpr std::int32_t ColorTransparent = -2;  // background only: transparent, no brush
inline constexpr std::int32_t ColorNotSet = -3;       // never set: the system paints the control

// SetControlColors identifier that stands for the dialog itself.
inline constexpr std::int32_t DialogItself = static_cast<std::int32_t>(0x80000000u);

// Each component clamped to 0..255; red in the lowest byte.
std::int32_t MakeColor(int red, int green, int blue);
