// The dialog toolkit: what a program uses to build its one window in code,
// run it modally, show message boxes, and start and end the process.
// Geometry is in dialog units; controls are addressed by dialog and identifier.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "byte_string.h"
#include "toolkit_values.h"

// The program's event callback. 0 means "not handled": the toolkit's and the
// system's own handling go on; any other value is the message's result.
using DialogCallback = INT_PTR (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The program's main routine, called by StartProcess with the arguments of
// WinMain; its result is the process exit code.
using MainRoutine = int (*)(HINSTANCE instance, HINSTANCE previous, char* arguments, int showState);

// A hidden dialog, or 0. x or y of -1 centres it.
HWND CreateDialogWindow(std::uint32_t units, HWND parent, ByteView caption, int x, int y, int width,
                        int height, DWORD style, DWORD extendedStyle);

// A control on `dialog`, or 0. Style 0 selects the kind's default style. For
// an Image, `text` names the picture resource ("#104"). Only the classic
// kinds: PushButton, Frame, Label, OptionButton, Image.
HWND AddDialogControl(HWND dialog, ControlKind kind, int identifier, ByteView text, int x, int y,
                      int width, int height, DWORD style, DWORD extendedStyle,
                      DialogCallback controlCallback = nullptr);

// The same for the kinds that change while the dialog runs (EditBox,
// Drawing, TextLine), made as Unicode windows; `text` is UTF-8. 0 for any
// other kind.
HWND AddUnicodeControl(HWND dialog, ControlKind kind, int identifier, std::string_view text, int x,
                       int y, int width, int height, DWORD style, DWORD extendedStyle,
                       DialogCallback controlCallback = nullptr);

// Paints the control (or, for DialogItself, the dialog) with these colours.
void SetControlColors(HWND dialog, std::int32_t identifier, std::int32_t textColor,
                      std::int32_t backgroundColor);

// Checks option `checked` and unchecks every other option of first..last.
void CheckOptionInRange(HWND dialog, int first, int last, int checked);

// 0 unchecked, 1 checked, 2 indeterminate; 0 when there is no such control.
int GetCheckState(HWND dialog, int identifier);

LRESULT SendWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The longest control text SetControlText and GetControlText handle, in
// UTF-16 units; a longer text is cut at a character boundary.
inline constexpr std::size_t MaxControlTextLength = 1024;

// Replaces the text of the dialog's control `identifier` by `utf8`. On a
// Unicode control (EditBox, Drawing, TextLine) every character arrives; an
// older control gets what the ANSI code page can show.
void SetControlText(HWND dialog, int identifier, std::string_view utf8);

// The control's text in UTF-8, cut at a character boundary to fit
// `buffer` with a terminating zero; the count of bytes before the zero.
// 0, and an empty text, when there is no such control or no room.
std::size_t GetControlText(HWND dialog, int identifier, std::span<char> buffer);

// Enables or disables the dialog's control `identifier`. The dialog manager
// skips a disabled control with Tab, arrows and mnemonics.
void EnableControl(HWND dialog, int identifier, bool enabled);

// Has the control repaint itself (a Drawing asks for WM_DRAWITEM again).
void RedrawControl(HWND dialog, int identifier);

// Puts `utf8` on the clipboard as Unicode text, in place of what was there;
// false when the clipboard or the memory for the text cannot be had.
bool CopyTextToClipboard(HWND owner, std::string_view utf8);

// Shows the dialog and runs its modal loop until the dialog no longer
// exists. The result arrives in *result, written by EndDialogWithResult.
void RunDialogModal(HWND dialog, DialogCallback callback, std::int32_t* result);

// The same, but the loop waits for each message instead of polling, so an
// idle dialog takes no processor time. The loop is Unicode (an ohm sign
// typed into an EditBox arrives whole). Each of `shortcuts` (key, FVIRTKEY
// and modifier flags, command) sends the dialog WM_COMMAND with its
// command and notification 1, as a menu accelerator does.
void RunDialogWaiting(HWND dialog, DialogCallback callback, std::int32_t* result,
                      std::span<const ACCEL> shortcuts = {});

// Ends the dialog: WM_CLOSE, the result stored, the window destroyed.
void EndDialogWithResult(HWND dialog, std::int32_t result);

// MessageBoxA with no owner; returns the identifier of the closing button.
int ShowMessageBox(ByteView text, UINT style, ByteView caption);

// The process entry: prepares the process, calls `main`, releases what it
// prepared and ends the process with main's result as exit code.
[[noreturn]] void StartProcess(MainRoutine main);
