// The process entry of resistor: start-up calls the main routine and ends
// the process with its result.
#include <windows.h>

#include "resistor_window.h"
#include "toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { StartProcess(&ResistorMain); }
