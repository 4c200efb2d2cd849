// What the five-band and four-band windows share: each is written as one
// constant table of its controls and the steps between them, in creation
// order (which is also the tab order), built by one walk from top to bottom;
// and both handle their messages the same way.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

#include "band_colour.h"
#include "byte_string.h"
#include "toolkit.h"

// The style argument 0 selects the toolkit's default style for the kind.
inline constexpr DWORD DefaultStyle = 0;
// The first option of a band group starts the group for the dialog manager;
// the toolkit adds the automatic radio-button type.
inline constexpr DWORD FirstOptionStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_LEFT;
static_assert(FirstOptionStyle == 0x50030100);
inline constexpr DWORD CentredBitmapStyle = WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_BITMAP;
static_assert(CentredBitmapStyle == 0x5000020E);

// The text of both windows' second label, after "For more information visit:".
inline constexpr ByteView MoreInformation = "the README of this project"_text;

// Both windows: popup with caption and close box, dialog font, 3-D look.
inline constexpr DWORD BandDialogStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;
static_assert(BandDialogStyle == 0x90C80054);
inline constexpr DWORD BandDialogExtendedStyle = WS_EX_CONTROLPARENT;

enum class RowKind : std::uint8_t {
  Control,      // a frame, label or push button with its own text
  Option,       // an option button of a band colour: its text and paint come from the colour table
                // (painted right after it is added when the colour has a background)
  Picture,      // an image showing a numbered bitmap resource
  CheckStep,    // check one option of an identifier range, uncheck the others
  MessageStep,  // send the dialog a message
};

// clang-format off
struct WindowRow {
  RowKind row = RowKind::Control;
  ControlKind kind = ControlKind::Frame;
  int identifier = 0;           // control identifier; for CheckStep the option to check
  ByteView text = {};           // Control rows: a literal ("First band"_text), read in place
  BandColour colour = BandColour::None;  // Option rows
  int resourceNumber = 0;       // Picture rows: shown by the name "#" and the number
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  DWORD style = DefaultStyle;
  int rangeFirst = 0, rangeLast = 0;  // CheckStep rows
  UINT message = 0;             // MessageStep rows
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

constexpr WindowRow Control(ControlKind kind, int identifier, ByteView text, int x, int y,
                            int width, int height, DWORD style) {
  return {.row = RowKind::Control, .kind = kind, .identifier = identifier, .text = text,
          .x = x, .y = y, .width = width, .height = height, .style = style};
}

constexpr WindowRow Option(int identifier, BandColour colour, int x, int y, int width, int height,
                           DWORD style) {
  return {.row = RowKind::Option, .kind = ControlKind::OptionButton, .identifier = identifier,
          .colour = colour, .x = x, .y = y, .width = width, .height = height, .style = style};
}

constexpr WindowRow Picture(int identifier, int resourceNumber, int x, int y, int width,
                            int height, DWORD style) {
  return {.row = RowKind::Picture, .kind = ControlKind::Image, .identifier = identifier,
          .resourceNumber = resourceNumber, .x = x, .y = y, .width = width, .height = height,
          .style = style};
}

// "Check option `checked` in the range `first` to `last`."
constexpr WindowRow CheckOption(int checked, int first, int last) {
  return {.row = RowKind::CheckStep, .identifier = checked, .rangeFirst = first, .rangeLast = last};
}

constexpr WindowRow SendToDialog(UINT message, WPARAM wParam, LPARAM lParam) {
  return {.row = RowKind::MessageStep, .message = message, .wParam = wParam, .lParam = lParam};
}
// clang-format on

// Whether a window's option rows agree with its reading, which gives every
// option identifier a colour (`colourOf`, none for an identifier that names
// no option): each option row shows its identifier's colour, and each
// group, from its frame to its check step, has exactly one option for every
// identifier of the step's range that names one, and checks one of them.
template <typename ColourOfOption>
constexpr bool OptionsAgreeWithReading(std::span<const WindowRow> rows, ColourOfOption colourOf) {
  std::size_t groupStart = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const WindowRow& row = rows[i];
    if (row.row == RowKind::Control && row.kind == ControlKind::Frame) groupStart = i;
    if (row.row == RowKind::Option && colourOf(row.identifier) != std::optional(row.colour)) {
      return false;
    }
    if (row.row != RowKind::CheckStep) continue;
    int options = 0;
    bool checkedIsOption = false;
    for (std::size_t j = groupStart; j < i; ++j) {
      if (rows[j].row != RowKind::Option) continue;
      if (rows[j].identifier < row.rangeFirst || rows[j].identifier > row.rangeLast) return false;
      for (std::size_t k = groupStart; k < j; ++k) {
        if (rows[k].row == RowKind::Option && rows[k].identifier == rows[j].identifier)
          return false;
      }
      ++options;
      checkedIsOption = checkedIsOption || rows[j].identifier == row.identifier;
    }
    int named = 0;
    for (int identifier = row.rangeFirst; identifier <= row.rangeLast; ++identifier) {
      named += colourOf(identifier).has_value();
    }
    if (options != named || !checkedIsOption) return false;
  }
  return true;
}

// The dialog's own row.
struct DialogProperties {
  ByteView caption;
  int x, y, width, height;  // dialog units
  DWORD style;
  DWORD extendedStyle;
};

// Creates the hidden dialog and walks the rows in order. Nothing is tested:
// on a dialog that could not be made every toolkit call does nothing.
HWND BuildWindow(HWND parent, const DialogProperties& dialog, std::span<const WindowRow> rows);

// Shows the reading of the window's bands: reads the selection, builds the
// result text and shows it with ShowReadingText.
using ShowReadingRoutine = void (*)(HWND dialog);

// The result text in a task-modal box captioned "Selected value"; returns
// when the box is closed.
void ShowReadingText(ByteView text);

// Both windows' handling of a message: the keyboard focus is saved when the
// dialog is shown inactive (while the result box is up) and given back when
// it is active again; "&Ok" shows the reading; "&Cancel" and Escape end the
// dialog with result 0. Everything else is left to the toolkit.
void HandleBandWindowMessage(HWND dialog, UINT message, WPARAM wParam,
                             ShowReadingRoutine showReading);
