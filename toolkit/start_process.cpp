// The frame around a program's main routine: what the process prepares
// before it, and releases after it.
#include <objbase.h>

#include <cstring>

#include "float_control.h"
#include "toolkit_internal.h"

ProcessSettings Process{nullptr, SW_SHOWDEFAULT, nullptr, TLS_OUT_OF_INDEXES,
                        nullptr, {nullptr, 0}};

namespace {

constexpr DialogFontSetting StartupDialogFont{"MS Sans Serif", 8};
constexpr UINT ThreadSettingsFailedExitCode = 255;

int StartupShowState() {
  STARTUPINFOA startup;
  std::memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

ThreadSettings* NewThreadSettings(const DialogFontSetting& font) {
  auto* settings = static_cast<ThreadSettings*>(GlobalAlloc(GPTR, sizeof(ThreadSettings)));
  if (settings != nullptr) settings->dialogFont = font;
  return settings;
}

bool MakeStartupThreadSettings() {
  Process.threadSettingsSlot = TlsAlloc();
  if (Process.threadSettingsSlot == TLS_OUT_OF_INDEXES) return false;
  ThreadSettings* settings = NewThreadSettings(StartupDialogFont);
  if (settings == nullptr) {
    TlsFree(Process.threadSettingsSlot);
    Process.threadSettingsSlot = TLS_OUT_OF_INDEXES;
    return false;
  }
  TlsSetValue(Process.threadSettingsSlot, settings);
  Process.startupThreadSettings = settings;
  return true;
}

void ReleaseStartupThreadSettings() {
  GlobalFree(Process.startupThreadSettings);
  Process.startupThreadSettings = nullptr;
  TlsSetValue(Process.threadSettingsSlot, nullptr);
  TlsFree(Process.threadSettingsSlot);
  Process.threadSettingsSlot = TLS_OUT_OF_INDEXES;
}

}  // namespace

ThreadSettings* CurrentThreadSettings() {
  if (Process.threadSettingsSlot == TLS_OUT_OF_INDEXES) return nullptr;
  auto* settings = static_cast<ThreadSettings*>(TlsGetValue(Process.threadSettingsSlot));
  if (settings != nullptr || Process.startupThreadSettings == nullptr) return settings;
  // A later thread starts from a copy of the start-up thread's settings.
  // Neither program starts one; such a copy lives until the process ends.
  settings = NewThreadSettings(Process.startupThreadSettings->dialogFont);
  if (settings != nullptr) TlsSetValue(Process.threadSettingsSlot, settings);
  return settings;
}

[[noreturn]] void StartProcess(MainRoutine main) {
  CoInitialize(nullptr);
  Process.showState = StartupShowState();
  char* commandLine = GetCommandLineA();
  Process.arguments = commandLine + ArgumentTextOffset(commandLine);
  Process.instance = GetModuleHandleA(nullptr);
  if (!MakeStartupThreadSettings()) {
    CoUninitialize();
    ExitProcess(ThreadSettingsFailedExitCode);
  }
  Process.registry.head = nullptr;
  Process.registry.lock = 0;
  LoadFloatControlWord(ExtendedFloatControlWord);

  const int exitCode = main(Process.instance, nullptr, Process.arguments, Process.showState);

  ReleaseStartupThreadSettings();
  CoUninitialize();
  ExitProcess(static_cast<UINT>(exitCode));
}
