// The window of fiveband: five groups of coloured option buttons, one per
// band of the resistor; "&Ok" shows the reading in a message box.
#pragma once

#include <windows.h>

#include <cstdint>

// The program's main routine: builds and runs the window; returns 0.
int FiveBandMain(HINSTANCE, HINSTANCE, char*, int);

// Builds the dialog, runs it modally and returns its result (0 however it ends).
std::int32_t ShowFiveBandWindow(HWND parent);

// The dialog's callback: returns 0 for every message, so that the toolkit's
// and the system's own handling go on.
INT_PTR FiveBandCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
