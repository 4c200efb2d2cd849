// Native text storage: the layout of the system's byte-length strings (the
// count in the four bytes before the first byte, a zero byte after the last).
#include <cstdlib>
#include <cstring>

#include "text_storage.h"

char* AllocateSystemText(std::uint32_t length) {
  auto* block = static_cast<char*>(std::malloc(sizeof length + std::size_t{length} + 1));
  if (block == nullptr) return nullptr;
  std::memcpy(block, &length, sizeof length);
  block[sizeof length + length] = '\0';
  return block + sizeof length;
}

void ReleaseSystemText(char* bytes) { std::free(bytes - sizeof(std::uint32_t)); }
