// What each program's window must show, written out as a user or a tester
// would read it off the screen: the caption and geometry, every control in
// creation order with its effective style, the options checked at opening,
// and the text of the result box for band selections clicked in the window.
#pragma once

#include <windows.h>

#include <span>

enum class Kind { Frame, Option, Image, Label, PushButton };

struct ExpectedControl {
  Kind kind;
  int identifier;
  const char* text;
  int x, y, width, height;  // dialog units
  DWORD style;              // as the window reports it
};

struct ExpectedReading {
  const char* bands;            // for the failure message
  std::span<const int> clicks;  // options clicked, in order
  const char* text;             // the result box's text, CR LF included
};

// One key pressed in the window, and what follows it: the control that has
// the focus, the option the key checks (0: every check stays as it was), and
// the result box's text (null: no box).
struct KeyStep {
  const char* keys;  // as PressKeys takes them
  int focus;
  int checks;
  const char* reading;
};

struct ExpectedWindow {
  const char* program;
  const char* caption;
  int x, y, width, height;  // dialog units: window position, client size
  std::span<const ExpectedControl> controls;
  std::span<const int> checkedAtOpening;
  const char* openingText;
  std::span<const ExpectedReading> readings;
  bool hasVersionResource;
  // Keys pressed one after another from the first band's checked option.
  std::span<const KeyStep> keyboardWalk;
};

extern const ExpectedWindow FiveBandExpected;
extern const ExpectedWindow FourBandExpected;
