// Helpers shared by the toolkit's window tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit_internal.h"

// A text in the byte-string layout (count, bytes, zero) for texts that are
// not literals; owns its storage.
class TestText {
 public:
  explicit TestText(std::string_view text);
  operator ByteView() const;

 private:
  std::vector<char> storage_;  // 4 count bytes, the text, a zero
};

// Every record of the registry, newest first.
std::vector<WindowRecord*> RegistryRecords();

// A hidden dialog as both programs make it: dialog units, no parent,
// 0x90C80054, placed at 10,10, 200 x 120 units.
HWND MakeTestDialog(ByteView caption);

// Runs the dialog modally with a deadline: if it is still running after
// `milliseconds`, every window of the thread is closed and the run is
// reported as timed out. True when the dialog ended in time.
bool RunDialogWithDeadline(HWND dialog, DialogCallback callback, std::int32_t* result,
                           unsigned milliseconds = 10000);

// The same for the waiting run, with its shortcut keys.
bool RunWaitingWithDeadline(HWND dialog, DialogCallback callback, std::int32_t* result,
                            std::span<const ACCEL> shortcuts = {}, unsigned milliseconds = 10000);

// The rectangle of `window` in the client coordinates of its parent.
RECT RectInParent(HWND window);
