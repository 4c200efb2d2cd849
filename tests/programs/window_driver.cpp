#include "window_driver.h"

#include <cstring>
#include <vector>

std::string WindowsPath(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

RunningProgram::RunningProgram(const std::string& exePath) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + exePath + "\"";
  if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process_)) {
    process_ = {};
  }
}

RunningProgram::~RunningProgram() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, StepDeadlineMs);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

namespace {

struct TopLevelSearch {
  DWORD processId;
  const char* caption;  // null: any caption
  HWND except;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TopLevelSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || window == search->except || !IsWindowVisible(window)) {
    return TRUE;
  }
  if (ClassName(window) != "#32770") return TRUE;
  if (search->caption != nullptr && WindowText(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindTopLevel(DWORD processId, const char* caption, HWND except) {
  TopLevelSearch search{processId, caption, except, nullptr};
  EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

HWND RunningProgram::WaitForDialog(const char* caption, DWORD deadlineMs) const {
  HWND dialog = nullptr;
  WaitFor(
      [&] { return (dialog = FindTopLevel(process_.dwProcessId, caption, nullptr)) != nullptr; },
      deadlineMs);
  return dialog;
}

HWND RunningProgram::FindMessageBox(HWND dialog) const {
  return FindTopLevel(process_.dwProcessId, nullptr, dialog);
}

long long RunningProgram::WaitForExitCode(DWORD deadlineMs) const {
  if (WaitForSingleObject(process_.hProcess, deadlineMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::string WindowText(HWND window) {
  char text[512] = {};  // longer than any text of the programs
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::vector<HWND> ChildrenInCreationOrder(HWND dialog) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

HWND FocusedControl(HWND dialog) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

namespace {

// An empty hidden dialog template with the programs' font.
std::vector<WORD> ReferenceTemplate() {
  std::vector<WORD> words;
  auto add32 = [&](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  add32(WS_POPUP | DS_SETFONT);  // style
  add32(0);                      // extended style
  words.insert(words.end(),
               {0, 0, 0, 100, 100, 0, 0, 0});  // count, x, y, cx, cy, menu, class, title
  words.push_back(8);                          // point size
  for (const char* c = "MS Sans Serif"; *c != 0; ++c) words.push_back(static_cast<WORD>(*c));
  words.push_back(0);
  return words;
}

INT_PTR CALLBACK ReferenceDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

DialogBaseUnits MeasureDialogBaseUnits() {
  std::vector<WORD> words = ReferenceTemplate();
  HWND reference = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                              reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                                              nullptr, &ReferenceDialogProc, 0);
  RECT rect{0, 0, 4, 8};
  MapDialogRect(reference, &rect);
  DestroyWindow(reference);
  return {rect.right, rect.bottom};
}

namespace {

int UnitsFor(int pixels, int base, int unitsPerBase) {
  const int guess = MulDiv(pixels, unitsPerBase, base);
  for (int units = guess - 1; units <= guess + 1; ++units) {
    if (MulDiv(units, base, unitsPerBase) == pixels) return units;
  }
  return -1;
}

}  // namespace

int HorizontalUnits(const DialogBaseUnits& units, int pixels) {
  return UnitsFor(pixels, units.x, 4);
}
int VerticalUnits(const DialogBaseUnits& units, int pixels) { return UnitsFor(pixels, units.y, 8); }

COLORREF ScreenPixel(POINT point) {
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

void ClickAt(POINT point) {
  SetCursorPos(point.x, point.y);
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

namespace {

WORD VirtualKeyNamed(const std::string& name) {
  struct Named {
    const char* name;
    WORD key;
  };
  static constexpr Named Keys[] = {
      {"Shift", VK_SHIFT},  {"Alt", VK_MENU},      {"Ctrl", VK_CONTROL}, {"Tab", VK_TAB},
      {"Down", VK_DOWN},    {"Up", VK_UP},         {"Left", VK_LEFT},    {"Right", VK_RIGHT},
      {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE},
  };
  for (const Named& named : Keys) {
    if (name == named.name) return named.key;
  }
  if (name.size() == 1 &&
      ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
    return static_cast<WORD>(name[0]);
  }
  return 0;
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  if (key == VK_DOWN || key == VK_UP || key == VK_LEFT || key == VK_RIGHT) {
    input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  }
  return input;
}

}  // namespace

bool PressKeys(const std::string& keys) {
  std::vector<WORD> held;  // the modifiers, then the key itself
  std::size_t start = 0;
  for (;;) {
    const std::size_t plus = keys.find('+', start);
    const WORD key = VirtualKeyNamed(keys.substr(start, plus - start));
    if (key == 0) return false;
    held.push_back(key);
    if (plus == std::string::npos) break;
    start = plus + 1;
  }
  std::vector<INPUT> inputs;
  for (WORD key : held) inputs.push_back(KeyInput(key, false));
  for (auto key = held.rbegin(); key != held.rend(); ++key) inputs.push_back(KeyInput(*key, true));
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}
