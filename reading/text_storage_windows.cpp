// Windows text storage: the system's byte-length strings (oleaut32), which
// keep the byte count just before the first byte and a zero after the last.
#include "text_storage.h"

// Declared here rather than through <oleauto.h> so that the reading stays
// free of the platform headers.
extern "C" {
__declspec(dllimport) wchar_t* __stdcall SysAllocStringByteLen(const char* source,
                                                               unsigned int length);
__declspec(dllimport) void __stdcall SysFreeString(wchar_t* text);
}

char* AllocateSystemText(std::uint32_t length) {
  return reinterpret_cast<char*>(SysAllocStringByteLen(nullptr, length));
}

void ReleaseSystemText(char* bytes) { SysFreeString(reinterpret_cast<wchar_t*>(bytes)); }
