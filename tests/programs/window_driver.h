// Driving a real program's window from another process, as a user would:
// start the program, find its dialog and message boxes, click, press keys,
// read texts, styles, rectangles and the colours on the screen. Every wait
// has a deadline, so a stuck program fails a test instead of hanging it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

inline constexpr DWORD WindowDeadlineMs = 30000;  // the first start of a Wine process is slow
inline constexpr DWORD StepDeadlineMs = 10000;

// Polls `condition` every few milliseconds until it holds or the deadline passes.
template <class Condition>
bool WaitFor(Condition condition, DWORD deadlineMs = StepDeadlineMs) {
  const ULONGLONG end = GetTickCount64() + deadlineMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(2);
  }
}

// A path given on the command line as a Unix path (the build tree under
// Wine) becomes the same file on Wine's drive Z:.
std::string WindowsPath(std::string path);

// One started program; terminated, if it still runs, when this goes away.
class RunningProgram {
 public:
  explicit RunningProgram(const std::string& exePath);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool started() const { return process_.hProcess != nullptr; }
  DWORD processId() const { return process_.dwProcessId; }
  HANDLE process() const { return process_.hProcess; }

  // The visible top-level dialog of the program with this caption, or null at the deadline.
  HWND WaitForDialog(const char* caption, DWORD deadlineMs = WindowDeadlineMs) const;
  // A visible top-level dialog of the program other than `dialog` (a message box), or null.
  HWND FindMessageBox(HWND dialog) const;
  // The exit code once the process has ended, or -1 at the deadline.
  long long WaitForExitCode(DWORD deadlineMs = StepDeadlineMs) const;

 private:
  PROCESS_INFORMATION process_{};
};

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// The dialog's children in creation order, which is their Z-order.
std::vector<HWND> ChildrenInCreationOrder(HWND dialog);
// The control that has the keyboard focus in the dialog's thread, or null.
HWND FocusedControl(HWND dialog);

// Dialog units of the programs' font ("MS Sans Serif", 8 points), measured
// on a dialog of this process, and the conversion of pixels back to them.
struct DialogBaseUnits {
  int x;  // pixels per 4 horizontal dialog units
  int y;  // pixels per 8 vertical dialog units
};
DialogBaseUnits MeasureDialogBaseUnits();
// The dialog units that map to exactly `pixels`, or -1 when none does.
int HorizontalUnits(const DialogBaseUnits& units, int pixels);
int VerticalUnits(const DialogBaseUnits& units, int pixels);

// The colour of one screen pixel (this process's screen device context).
COLORREF ScreenPixel(POINT point);

// A left click at a screen point, through the input queue as from the mouse.
void ClickAt(POINT point);

// Presses one key, with modifiers held around it, through the input queue as
// from the keyboard: "Tab", "Shift+Tab", "Down", "Up", "Left", "Right",
// "Enter", "Escape", a letter such as "Alt+O" or a digit such as "Alt+3". False for a name it does
// not know.
bool PressKeys(const std::string& keys);
