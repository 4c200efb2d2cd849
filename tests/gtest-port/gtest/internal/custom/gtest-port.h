// GoogleTest's port settings for the Windows build, found before its own
// (empty) file of this name. The compiler's C++ library (the win32 thread
// model) has no std::mutex or std::condition_variable, which GoogleTest's
// Notification is built on; this one is a Win32 event. GoogleTest uses it
// only to start threads in its own tests; the rest of its thread support on
// Windows is built on Win32 already.
#ifndef RESISTOR_GTEST_PORT_H_
#define RESISTOR_GTEST_PORT_H_

#ifndef NOMINMAX
#define NOMINMAX  // std::min and std::max stay usable in every test
#endif
#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { SetEvent(event_); }
  void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace testing::internal

#endif  // RESISTOR_GTEST_PORT_H_
