// A program started by the start-up tests: its main routine writes what it
// was given to standard output and returns 42. Built a second time with
// EXHAUST_THREAD_LOCAL_STORAGE, when no slot is left for the thread settings
// and the main routine must never run.
#include <cstdio>

#include "float_control.h"
#include "toolkit_internal.h"

namespace {

constexpr int ProbeResult = 42;

int ProbeMain(HINSTANCE instance, HINSTANCE previous, char* arguments, int showState) {
  const ThreadSettings* settings = CurrentThreadSettings();
  std::printf("called\n");
  std::printf("show=%d\n", showState);
  std::printf("arguments=[%s]\n", arguments);
  // Bit 6 of the x87 control word is reserved and reads back as 1 whatever
  // was loaded; only the defined bits are reported.
  constexpr unsigned DefinedControlBits = 0x1F3F;
  std::printf("control word=%04X\n", StoreFloatControlWord() & DefinedControlBits);
  std::printf("font=%s,%d\n", settings->dialogFont.faceName,
              static_cast<int>(settings->dialogFont.pointSize));
  std::printf("instance=%s\n", instance == GetModuleHandleA(nullptr) ? "module" : "other");
  std::printf("previous=%s\n", previous == nullptr ? "none" : "some");
  std::printf("registry=%s\n", Process.registry.head == nullptr ? "empty" : "used");
  std::fflush(stdout);
  return ProbeResult;
}

}  // namespace

int main() {
#ifdef EXHAUST_THREAD_LOCAL_STORAGE
  constexpr int MostSlotsTried = 100000;
  int tried = 0;
  while (TlsAlloc() != TLS_OUT_OF_INDEXES) {
    if (++tried == MostSlotsTried) return 3;  // never ran out: the test sees exit code 3
  }
#endif
  StartProcess(&ProbeMain);
}
