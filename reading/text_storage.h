// The platform's storage for texts, behind ByteString: the system's
// byte-length strings on Windows, an allocator with their layout natively.
#pragma once

#include <cstdint>

// The first byte of `length` bytes, with the count in the four bytes before
// it and a zero byte after the last; null when there is no storage.
char* AllocateSystemText(std::uint32_t length);
void ReleaseSystemText(char* bytes);
