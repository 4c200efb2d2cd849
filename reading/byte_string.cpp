#include "byte_string.h"

#include <cstddef>

#include "text_storage.h"

static_assert(offsetof(ByteLiteral<4>, bytes) == sizeof(std::uint32_t),
              "a literal is laid out like every text: the count, then the bytes");

namespace {

thread_local int textErrorCode = 0;

constinit TextStorage currentStorage{AllocateSystemText, ReleaseSystemText};

}  // namespace

int TextErrorCode() { return textErrorCode; }
void ClearTextError() { textErrorCode = 0; }

TextStorage SetTextStorage(TextStorage storage) {
  const TextStorage previous = currentStorage;
  currentStorage = storage;
  return previous;
}

ByteString ByteString::Allocate(std::uint32_t length) {
  ByteString text;
  if (length == 0) return text;
  text.bytes_ = currentStorage.allocate(length);
  if (text.bytes_ == nullptr) textErrorCode = OutOfMemoryError;
  return text;
}

void ByteString::Assign(ByteView text) {
  const std::uint32_t length = text.size();
  if (length != size()) {
    Release();
    *this = Allocate(length);
  }
  // memmove: the text may be this string's own storage.
  if (bytes_ != nullptr) std::memmove(bytes_, text.data(), length);
}

void ByteString::Release() {
  if (bytes_ != nullptr) currentStorage.release(bytes_);
  bytes_ = nullptr;
}

ByteString ConcatText(ByteView a, ByteView b) {
  const std::uint64_t length = std::uint64_t{a.size()} + b.size();
  if (length > UINT32_MAX) {
    textErrorCode = OutOfMemoryError;
    return {};
  }
  ByteString joined = ByteString::Allocate(static_cast<std::uint32_t>(length));
  if (joined.empty()) return joined;
  if (!a.empty()) std::memcpy(joined.data(), a.data(), a.size());
  if (!b.empty()) std::memcpy(joined.data() + a.size(), b.data(), b.size());
  return joined;
}
