// Byte strings: the programs' one text type.
//
// A text is a handle to its first byte. The 32-bit little-endian byte count
// stands in the four bytes just before the first byte, and a zero byte (not
// counted) follows the last one, so a non-empty text can be handed to the
// system as a C string. The empty text is the null handle and owns no storage.
//
// Three kinds of handle share this layout:
// - ByteLiteral: a constant text in the program's data, read in place;
// - ByteString: a text that owns its storage (value semantics: a temporary
//   moves, a variable or a literal is copied, storage reused when the length
//   is the same);
// - ByteView: a borrowed handle to either of them, for reading.
//
// A view borrows: it must not outlive the text it was made from. Views of a
// literal temporary are refused at compile time; a view of an owned
// temporary is right as an argument (the temporary lives until the call
// returns: ConcatText(NumberText(4, 15), kPoint)) and dangles when stored
// (ByteView v = NumberText(4, 15);). Keep such a text in a ByteString.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Error code recorded when a text operation cannot get storage.
inline constexpr int OutOfMemoryError = 7;

// The error code of the last failed text operation on this thread, or 0.
// A failure leaves an empty text and records the code; execution goes on.
int TextErrorCode();
void ClearTextError();

// Storage behind ByteString. On Windows it is SysAllocStringByteLen and
// SysFreeString; natively an allocator with the same layout. Replaceable so
// that tests can count allocations or make them fail.
struct TextStorage {
  // Returns the first byte of `length` uninitialised bytes with the count
  // before them and a zero byte after them, or null when there is no storage.
  char* (*allocate)(std::uint32_t length);
  void (*release)(char* bytes);
};
// Installs `storage` and returns the one it replaces.
TextStorage SetTextStorage(TextStorage storage);

// Under clang, storing a view of a temporary ByteString in a variable is
// reported (-Wdangling); GCC has no such check.
#if defined(__clang__)
#define TEXT_VIEW_TYPE [[gsl::Pointer]]
#define TEXT_VIEW_OF_THIS [[clang::lifetimebound]]
#else
#define TEXT_VIEW_TYPE
#define TEXT_VIEW_OF_THIS
#endif

// A borrowed text handle: never owns, never frees.
class TEXT_VIEW_TYPE ByteView {
 public:
  constexpr ByteView() = default;
  // `bytes` is the first byte of a text in the layout above, or null.
  constexpr explicit ByteView(const char* bytes) : bytes_(bytes) {}

  std::uint32_t size() const {
    if (bytes_ == nullptr) return 0;
    std::uint32_t length;
    std::memcpy(&length, bytes_ - sizeof length, sizeof length);
    return length;
  }
  bool empty() const { return size() == 0; }
  const char* data() const { return bytes_; }
  // The text as a zero-terminated C string; "" for the empty text.
  const char* c_str() const { return bytes_ != nullptr ? bytes_ : ""; }
  std::string_view view() const { return {c_str(), size()}; }

  friend bool operator==(ByteView a, ByteView b) { return a.view() == b.view(); }

 private:
  const char* bytes_ = nullptr;
};

// A constant text stored in the program's data in the text layout:
//   static constexpr ByteLiteral kOk("&Ok");
template <std::size_t N>
struct ByteLiteral {
  static_assert(N >= 1, "a literal has at least its terminating zero");

  std::uint32_t length;
  char bytes[N];  // the text and its terminating zero

  consteval ByteLiteral(const char (&text)[N]) : length(N - 1), bytes{} {
    for (std::size_t i = 0; i < N; ++i) bytes[i] = text[i];
  }

  // The empty literal is the null handle, like every empty text. Only a
  // literal that stays in place gives a view: one of a temporary would
  // dangle as soon as the statement ends.
  constexpr operator ByteView() const& { return ByteView(length != 0 ? bytes : nullptr); }
  operator ByteView() const&& = delete;
  std::string_view view() const { return {bytes, length}; }
};

// A literal text as a view, stored once in the program's data, for tables
// of constant data:  "First band"_text
template <ByteLiteral Text>
constexpr ByteView operator""_text() {
  return Text;
}

// A text that owns its storage. Its view borrows the storage: a view of a
// temporary ByteString is for passing as an argument only (see above).
class ByteString {
 public:
  ByteString() = default;
  ~ByteString() { Release(); }

  // Copies the bytes of `text` into new storage (an empty text needs none).
  explicit ByteString(ByteView text) { Assign(text); }
  ByteString(const ByteString& other) { Assign(other); }
  ByteString(ByteString&& other) noexcept : bytes_(other.bytes_) { other.bytes_ = nullptr; }

  // A variable or a literal is copied, reusing this string's storage when
  // the length is the same; a temporary moves in and the old text is released.
  ByteString& operator=(const ByteString& other) {
    if (this != &other) Assign(other);
    return *this;
  }
  ByteString& operator=(ByteView text) {
    Assign(text);
    return *this;
  }
  ByteString& operator=(ByteString&& other) noexcept {
    if (this != &other) {
      Release();
      bytes_ = other.bytes_;
      other.bytes_ = nullptr;
    }
    return *this;
  }

  // New storage of `length` bytes to be filled through data(); the empty
  // string for length 0. On failure the result is empty and the error code
  // is recorded.
  static ByteString Allocate(std::uint32_t length);

  operator ByteView() const TEXT_VIEW_OF_THIS { return ByteView(bytes_); }
  std::uint32_t size() const { return ByteView(bytes_).size(); }
  bool empty() const { return bytes_ == nullptr; }
  char* data() { return bytes_; }
  const char* data() const { return bytes_; }
  const char* c_str() const { return ByteView(bytes_).c_str(); }
  std::string_view view() const { return ByteView(bytes_).view(); }

  friend bool operator==(const ByteString& a, ByteView b) { return ByteView(a) == b; }

 private:
  void Assign(ByteView text);
  void Release();

  char* bytes_ = nullptr;
};

// The bytes of `a` followed by those of `b`, in one new allocation of the
// summed length; two empty operands give the empty string. A temporary
// operand is released once the join is done.
ByteString ConcatText(ByteView a, ByteView b);
