// The dialog toolkit: what a program uses to build its one window in code,
// run it modally, show message boxes, and start and end the process.
// Geometry is in dialog units; controls are addressed by dialog and identifier.
#pragma once

#include <windows.h>

#include <cstdint>

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
// an Image, `text` names the picture resource ("#104").
HWND AddDialogControl(HWND dialog, ControlKind kind, int identifier, ByteView text, int x, int y,
                      int width, int height, DWORD style, DWORD extendedStyle,
                      DialogCallback controlCallback = nullptr);

// Paints the control (or, for DialogItself, the dialog) with these colours.
void SetControlColors(HWND dialog, std::int32_t identifier, std::int32_t textColor,
                      std::int32_t backgroundColor);

// Checks option `checked` and unchecks every other option of first..last.
void CheckOptionInRange(HWND dialog, int first, int last, int checked);

// 0 unchecked, 1 checked, 2 indeterminate; 0 when there is no such control.
int GetCheckState(HWND dialog, int identifier);

LRESULT SendWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the dialog and runs its modal loop until the dialog no longer
// exists. The result arrives in *result, written by EndDialogWithResult.
void RunDialogModal(HWND dialog, DialogCallback callback, std::int32_t* result);

// Ends the dialog: WM_CLOSE, the result stored, the window destroyed.
void EndDialogWithResult(HWND dialog, std::int32_t result);

// MessageBoxA with no owner; returns the identifier of the closing button.
int ShowMessageBox(ByteView text, UINT style, ByteView caption);

// The process entry: prepares the process, calls `main`, releases what it
// prepared and ends the process with main's result as exit code.
[[noreturn]] void StartProcess(MainRoutine main);
