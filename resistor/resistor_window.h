// The window of resistor: the band count, a group of painted options for
// each band role, the resistor drawn, a value box, and the lines read from
// the bands; Copy puts the lines on the clipboard.
#pragma once

#include <windows.h>

#include <cstdint>

// The controls' identifiers, shared with the window tests. Each band group
// is a frame and its options, numbered on from the frame.
namespace resistor_ids {
inline constexpr int CountGroup = 100;  // options 101 (3 bands) to 105 (zero-ohm)
inline constexpr int Picture = 110;
inline constexpr int FirstDigitGroup = 200;
inline constexpr int SecondDigitGroup = 220;
inline constexpr int ThirdDigitGroup = 240;
inline constexpr int MultiplierGroup = 260;
inline constexpr int ToleranceGroup = 280;
inline constexpr int CoefficientGroup = 300;
inline constexpr int ValueLabel = 400;
inline constexpr int ValueBox = 401;
inline constexpr int ApplyButton = 402;
inline constexpr int StatusLine = 403;
inline constexpr int ReadingText = 410;
inline constexpr int RangeText = 411;
inline constexpr int SeriesText = 412;
inline constexpr int WarningText = 413;
inline constexpr int OtherEndText = 414;
inline constexpr int MarkingsText = 415;
inline constexpr int CopyButton = 420;
}  // namespace resistor_ids

// The program's main routine: builds and runs the window; returns 0.
int ResistorMain(HINSTANCE, HINSTANCE, char*, int);

// Builds the dialog, runs it until it ends and returns its result (0).
std::int32_t ShowResistorWindow(HWND parent);

// The dialog's callback, and the picture's, which draws the resistor.
INT_PTR ResistorCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR ResistorDrawingCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
