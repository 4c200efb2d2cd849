// Soak benchmark of resistor: many random clicks, keys and typed values, and
// what the program holds meanwhile. Not a test: it prints figures.
//
// Usage: resistor_soak <resistor.exe> <actions> <GDI count file>
//        2> >(grep --line-buffered -o '[0-9]*/65536$' > <GDI count file>)
//
// Every tenth of the run it prints the process's working set
// (GetProcessMemoryInfo; Wine does not count its private bytes), its
// windows (the USER objects it makes: the dialog and its controls), and its
// GDI objects. GetGuiResources does not count under Wine 8, so the GDI
// figure comes from Wine's own trace: the program runs with
// WINEDEBUG=trace+gdi, and its standard error (Wine's trace) is filtered
// into the count file: the count the process holds after each handle
// allocated or freed, one a line.
#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "window_driver.h"

namespace {

// Identifiers of the window (resistor_window.h).
constexpr int CountOptions[] = {101, 102, 103, 104, 105};
constexpr int GroupFrames[] = {200, 220, 240, 260, 280, 300};
constexpr int GroupSizes[] = {10, 10, 10, 13, 11, 9};
constexpr int ValueBox = 401, ApplyButton = 402, CopyButton = 420;

const wchar_t* const Typed[] = {
    L"4.7k",  L"4k7", L"4.7 k\u03A9", L"0.047", L"0", L"472", L"4701", L"01C",  L"4.75k", L"4.751k",
    L"1000G", L"abc", L"4,7k",        L"10R",   L"",  L"-5",  L"R47",  L"2.2G", L"0.001", L"66B",
};

// The GDI objects the program holds, from the last line of the trace file:
// Wine's trace of each handle allocated or freed ends with the count the
// process then holds ("... 254/65536"); the caller keeps only that count.
long GdiObjectsInTrace(const char* path) {
  long held = -1;
  if (FILE* trace = std::fopen(path, "r")) {
    std::fseek(trace, 0, SEEK_END);
    const long size = std::ftell(trace);
    std::fseek(trace, size > 64 ? size - 64 : 0, SEEK_SET);
    char line[128];
    while (std::fgets(line, sizeof line, trace)) {
      if (std::strstr(line, "/65536")) held = std::atol(line);
    }
    std::fclose(trace);
  }
  return held;
}

int CountWindows(HWND dialog) {
  int count = 1;
  EnumChildWindows(
      dialog,
      [](HWND, LPARAM counter) -> BOOL {
        ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

// Starts the program with Wine's GDI trace on. Wine writes its trace to the
// Unix standard error, which the program shares with this one: the caller
// sends it to the trace file, which holds nothing else.
bool StartTraced(const std::string& exe, PROCESS_INFORMATION& process) {
  SetEnvironmentVariableA("WINEDEBUG", "-all,trace+gdi");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + exe + "\"";
  const bool started = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                      nullptr, nullptr, &startup, &process) != 0;
  SetEnvironmentVariableA("WINEDEBUG", "-all");
  return started;
}

HWND WaitForDialog(DWORD processId) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        HWND dialog = FindWindowA("#32770", "Resistor colour code");
        DWORD owner = 0;
        if (dialog != nullptr) GetWindowThreadProcessId(dialog, &owner);
        if (owner == processId && IsWindowVisible(dialog)) found = dialog;
        return found != nullptr;
      },
      WindowDeadlineMs);
  return found;
}

// The last actions, for the report when the program stops answering.
std::string recent[32];
long recentCount = 0;
void Note(std::string what) { recent[recentCount++ % 32] = std::move(what); }

// Sends and waits at most a step's deadline: false when the program does
// not answer in time (it hangs).
bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool wide = false) {
  DWORD_PTR ignored = 0;
  const LRESULT answered = wide ? SendMessageTimeoutW(window, message, wParam, lParam, SMTO_BLOCK,
                                                      StepDeadlineMs, &ignored)
                                : SendMessageTimeoutA(window, message, wParam, lParam, SMTO_BLOCK,
                                                      StepDeadlineMs, &ignored);
  return answered != 0 || GetLastError() != ERROR_TIMEOUT;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <resistor.exe> <actions> <GDI count file>\n", argv[0]);
    return 2;
  }
  const std::string exe = WindowsPath(argv[1]);
  const long actions = std::max(10L, std::atol(argv[2]));
  const std::string tracePath = WindowsPath(argv[3]);
  PROCESS_INFORMATION process{};
  if (!StartTraced(exe, process)) {
    std::fprintf(stderr, "cannot start %s\n", exe.c_str());
    return 1;
  }
  HWND dialog = WaitForDialog(process.dwProcessId);
  if (dialog == nullptr) {
    std::fprintf(stderr, "no window\n");
    TerminateProcess(process.hProcess, 1);
    return 1;
  }
  std::mt19937 random(20261211);
  auto pick = [&](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
  std::printf("%10s %14s %8s %12s\n", "actions", "working set", "windows", "GDI objects");
  const DWORD start = GetTickCount();
  for (long done = 0; done <= actions; ++done) {
    if (done % (actions / 10) == 0) {
      Sleep(200);  // the last action's painting done
      PROCESS_MEMORY_COUNTERS memory{};
      memory.cb = sizeof memory;
      GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
      std::printf("%10ld %12zu K %8d %12ld\n", done, memory.WorkingSetSize / 1024,
                  CountWindows(dialog), GdiObjectsInTrace(tracePath.c_str()));
      std::fflush(stdout);
    }
    if (done == actions) break;
    if (!IsWindow(dialog)) {
      DWORD code = 0;
      WaitForSingleObject(process.hProcess, StepDeadlineMs);
      GetExitCodeProcess(process.hProcess, &code);
      std::fprintf(stderr, "the program ended after %ld actions, exit code 0x%lX; the last ones:\n",
                   done, code);
      for (long i = std::max(0L, recentCount - 32); i < recentCount; ++i) {
        std::fprintf(stderr, "  %s\n", recent[i % 32].c_str());
      }
      return 1;
    }
    const int kind = pick(100);
    bool answered = true;
    if (kind < 55) {  // a colour
      const int group = pick(6);
      const int identifier = GroupFrames[group] + 1 + pick(GroupSizes[group]);
      HWND option = GetDlgItem(dialog, identifier);
      if (IsWindowEnabled(option)) {
        Note("click " + std::to_string(identifier));
        answered = Send(option, BM_CLICK, 0, 0);
      }
    } else if (kind < 65) {  // a count
      const int identifier = CountOptions[pick(5)];
      Note("click " + std::to_string(identifier));
      answered = Send(GetDlgItem(dialog, identifier), BM_CLICK, 0, 0);
    } else if (kind < 80) {  // a value typed and applied
      const int typed = pick(static_cast<int>(std::size(Typed)));
      Note("type #" + std::to_string(typed) + " and Apply");
      answered = Send(GetDlgItem(dialog, ValueBox), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(Typed[typed]), true) &&
                 Send(GetDlgItem(dialog, ApplyButton), BM_CLICK, 0, 0);
    } else if (kind < 85) {  // Copy
      Note("Copy");
      answered = Send(GetDlgItem(dialog, CopyButton), BM_CLICK, 0, 0);
    } else {  // a key to the control with the focus: Tab or an arrow
      // Not Enter: on Close it would end the run, and the focus seen here
      // may be a key behind (Enter in the value box is the tests' part).
      static constexpr WPARAM Keys[] = {VK_TAB, VK_DOWN, VK_UP, VK_LEFT, VK_RIGHT};
      HWND focus = FocusedControl(dialog);
      const WPARAM key = Keys[pick(std::size(Keys))];
      Note("key " + std::to_string(key) + " to " + std::to_string(GetDlgCtrlID(focus)));
      PostMessageA(focus != nullptr ? focus : dialog, WM_KEYDOWN, key, 1);
      PostMessageA(focus != nullptr ? focus : dialog, WM_KEYUP, key, 0xC0000001);
      // Wait until the program has taken the keys: a sent message would be
      // answered before the posted keys, so wait until it waits for input
      // again (it waits in GetMessage, which tells Wine it is idle). The
      // next action sees the focus and the groups the keys left.
      answered = WaitForInputIdle(process.hProcess, StepDeadlineMs) == 0;
    }
    if (!answered) {
      std::fprintf(stderr, "the program stopped answering after %ld actions; the last ones:\n",
                   done + 1);
      for (long i = std::max(0L, recentCount - 32); i < recentCount; ++i) {
        std::fprintf(stderr, "  %s\n", recent[i % 32].c_str());
      }
      TerminateProcess(process.hProcess, 1);
      return 1;
    }
  }
  const DWORD elapsed = GetTickCount() - start;
  std::printf("%ld actions in %.1f s\n", actions, elapsed / 1000.0);
  PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  DWORD code = 1;
  if (WaitForSingleObject(process.hProcess, StepDeadlineMs) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  std::printf("exit code %lu\n", code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code == 0 ? 0 : 1;
}
