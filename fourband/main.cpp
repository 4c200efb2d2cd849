// The process entry of fourband: start-up calls the main routine and ends
// the process with its result.
#include <windows.h>

#include "four_band_window.h"
#include "toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { StartProcess(&FourBandMain); }
