// Text on the clipboard, as every program's Copy puts it there. A file of
// its own, so that a program without Copy links none of it.
#include "toolkit_internal.h"

bool CopyTextToClipboard(HWND owner, std::string_view utf8) {
  const int units = utf8.empty() ? 0
                                 : MultiByteToWideChar(CP_UTF8, 0, utf8.data(),
                                                       static_cast<int>(utf8.size()), nullptr, 0);
  HGLOBAL storage = GlobalAlloc(GMEM_MOVEABLE, (static_cast<SIZE_T>(units) + 1) * sizeof(wchar_t));
  if (storage == nullptr) return false;
  auto* wide = static_cast<wchar_t*>(GlobalLock(storage));
  if (units > 0) {
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide, units);
  }
  wide[units] = L'\0';
  GlobalUnlock(storage);
  // Once SetClipboardData takes the storage, the system owns it.
  if (!OpenClipboard(owner)) {
    GlobalFree(storage);
    return false;
  }
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_UNICODETEXT, storage) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(storage);
  return placed;
}
