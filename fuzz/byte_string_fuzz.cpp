// Sequences of byte-string operations against a model (std::string): copies
// and moves between variables, stores of views (a variable's own text too),
// joins of variables and of temporaries, with allocations that fail on
// request. After every step each variable holds its model's bytes in the
// text layout (the count before the bytes, a zero byte after them), a
// failure leaves the empty text and error 7, and no storage is lost.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "byte_string.h"
#include "text_storage_probe.h"

namespace {

constexpr int kVariables = 4;
// Joins that would go beyond this are left out: repeated joins double a
// text, and the bytes are what is checked, not how many there are.
constexpr std::size_t kLongestJoin = 4096;

[[noreturn]] void Broken(const char* what, int step) {
  std::fprintf(stderr, "broken at step %d: %s\n", step, what);
  std::abort();
}

// Reads the input a byte at a time; zeros once it is used up.
struct Input {
  const std::uint8_t* data;
  std::size_t size;
  std::uint8_t Next() {
    if (size == 0) return 0;
    --size;
    return *data++;
  }
};

ByteString TextOf(const std::string& bytes) {
  ByteString text = ByteString::Allocate(static_cast<std::uint32_t>(bytes.size()));
  if (!text.empty()) std::memcpy(text.data(), bytes.data(), bytes.size());
  return text;
}

void CheckLayout(const ByteString& text, const std::string& model, int step) {
  if (text.view() != model) Broken("bytes differ from the model", step);
  if (model.empty()) {
    if (text.data() != nullptr) Broken("an empty text owns storage", step);
    return;
  }
  std::uint32_t count;
  std::memcpy(&count, text.data() - sizeof count, sizeof count);
  if (count != model.size()) Broken("count before the bytes", step);
  if (text.data()[count] != '\0') Broken("no zero byte after the bytes", step);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Counts the storage's blocks and refuses one on request.
  TextStorageProbe probe;
  const auto liveBlocks = [&] { return probe.allocations() - probe.releases(); };
  Input input{data, size};
  {
    ByteString variables[kVariables];
    std::string models[kVariables];
    for (int step = 0; input.size > 0; ++step) {
      const std::uint8_t operation = input.Next();
      const int to = input.Next() % kVariables;
      const int from = input.Next() % kVariables;
      const int other = input.Next() % kVariables;
      const bool failNext = (operation & 0x80) != 0;
      probe.FailAllocations(failNext);
      ClearTextError();
      // Whether the operation needs new storage, and so fails when there is none.
      bool allocates = false;
      std::string expected;
      switch (operation & 0x7F) {
        case 0: {  // a new text of up to 63 bytes from the input
          std::string bytes(input.Next() % 64, '\0');
          for (char& c : bytes) c = static_cast<char>(input.Next());
          allocates = !bytes.empty();
          expected = bytes;
          variables[to] = TextOf(bytes);
          break;
        }
        case 1:  // a variable copied into another, or into itself
          allocates = models[from].size() != models[to].size() && !models[from].empty();
          expected = models[from];
          variables[to] = variables[from];
          break;
        case 2:  // a view of a variable stored, its own view too
          allocates = models[from].size() != models[to].size() && !models[from].empty();
          expected = models[from];
          variables[to] = ByteView(variables[from]);
          break;
        case 3:  // a temporary copy moved in
          allocates = !models[from].empty();
          expected = models[from];
          variables[to] = ByteString(variables[from]);
          break;
        case 4:  // two variables joined, possibly the same one twice
          if (models[from].size() + models[other].size() > kLongestJoin) continue;
          allocates = !models[from].empty() || !models[other].empty();
          expected = models[from] + models[other];
          variables[to] = ConcatText(variables[from], variables[other]);
          break;
        case 5:  // a temporary join joined with a variable, stored in that variable
          if (models[from].size() + models[other].size() + models[to].size() > kLongestJoin)
            continue;
          allocates = !(models[from] + models[other] + models[to]).empty();
          expected = models[from] + models[other] + models[to];
          variables[to] = ConcatText(ConcatText(variables[from], variables[other]), variables[to]);
          break;
        default:  // moved out: the source is left empty
          if (to == from) continue;
          expected = models[from];
          variables[to] = std::move(variables[from]);
          models[from].clear();
          if (!variables[from].empty()) Broken("a moved-from text is not empty", step);
          break;
      }
      const bool failed = allocates && failNext;
      models[to] = failed ? std::string() : expected;
      if (TextErrorCode() != (failed ? OutOfMemoryError : 0)) Broken("error code", step);
      probe.FailAllocations(false);
      int owning = 0;
      for (int i = 0; i < kVariables; ++i) {
        CheckLayout(variables[i], models[i], step);
        owning += variables[i].empty() ? 0 : 1;
      }
      if (owning != liveBlocks()) Broken("storage not owned by any variable", step);
    }
  }
  if (liveBlocks() != 0) Broken("storage left after every variable went", -1);
  return 0;
}
