// The process-wide registry of window records and the records' lifetime.
#include <cstdlib>
#include <new>
#include <type_traits>

#include "toolkit_internal.h"

namespace {

// Takes the lock word by exchanging -1 into it until it was free (0).
struct RegistryLock {
  RegistryLock() {
    while (InterlockedExchange(&Process.registry.lock, -1) != 0) YieldProcessor();
  }
  ~RegistryLock() { InterlockedExchange(&Process.registry.lock, 0); }
  RegistryLock(const RegistryLock&) = delete;
  RegistryLock& operator=(const RegistryLock&) = delete;
};

template <typename Match>
WindowRecord* FirstRecord(Match match) {
  RegistryLock lock;
  for (WindowRecord* record = Process.registry.head; record != nullptr; record = record->next) {
    if (match(*record)) return record;
  }
  return nullptr;
}

void DestroyPicture(HANDLE picture, std::uint32_t flags) {
  if (picture == nullptr) return;
  if (flags & RecordPictureIcon) {
    DestroyIcon(static_cast<HICON>(picture));
  } else {
    DeleteObject(picture);
  }
}

}  // namespace

bool RegisterWindowRecord(WindowRecord* record) {
  RegistryLock lock;
  for (WindowRecord* r = Process.registry.head; r != nullptr; r = r->next) {
    if (r->window == record->window) return false;
  }
  record->next = Process.registry.head;
  Process.registry.head = record;
  return true;
}

void UnregisterWindowRecord(WindowRecord* record) {
  RegistryLock lock;
  for (WindowRecord** link = &Process.registry.head; *link != nullptr; link = &(*link)->next) {
    if (*link == record) {
      *link = record->next;
      record->next = nullptr;
      return;
    }
  }
}

WindowRecord* FindWindowRecord(HWND window) {
  if (window == nullptr) return nullptr;
  return FirstRecord([window](const WindowRecord& r) { return r.window == window; });
}

WindowRecord* FindOwnedControlRecord(HWND owner) {
  return FirstRecord(
      [owner](const WindowRecord& r) { return (r.flags & RecordControl) && r.owner == owner; });
}

HBRUSH FindBrushForColor(std::int32_t backgroundColor) {
  WindowRecord* record = FirstRecord([backgroundColor](const WindowRecord& r) {
    return r.backgroundColor == backgroundColor && r.brush != nullptr;
  });
  return record != nullptr ? record->brush : nullptr;
}

WindowRecord* NewWindowRecord() {
  // From malloc, not new (std::nothrow): the C++ library builds that on the
  // throwing new, which would bring its exception support into every program.
  void* storage = std::malloc(sizeof(WindowRecord));
  if (storage == nullptr) return nullptr;
  WindowRecord* record = new (storage) WindowRecord{};
  record->backgroundColor = ColorNotSet;
  record->textColor = ColorNotSet;
  return record;
}

void FreeWindowRecord(WindowRecord* record) {
  static_assert(std::is_trivially_destructible_v<WindowRecord>);
  std::free(record);
}

void ReleaseWindowRecord(WindowRecord* record) {
  UnregisterWindowRecord(record);
  if (record->brush != nullptr && FindBrushForColor(record->backgroundColor) == nullptr) {
    DeleteObject(record->brush);
  }
  DestroyPicture(record->picture, record->flags);
  FreeWindowRecord(record);
}
