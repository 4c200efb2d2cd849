// Where bands writes: standard output, standard error, or a test's buffer.
// A plain function and its context rather than a virtual class, so that the
// program carries none of the C++ runtime's support for abstract classes.
#pragma once

#include <string_view>

class Output {
 public:
  using WriteFunction = void (*)(void* context, std::string_view text);

  constexpr Output(WriteFunction write, void* context) : write_(write), context_(context) {}

  // Text in UTF-8; "\n" ends a line, whatever the system's line end.
  void Write(std::string_view text) { write_(context_, text); }
  void Line(std::string_view text) {
    write_(context_, text);
    write_(context_, "\n");
  }

 private:
  WriteFunction write_;
  void* context_;
};
