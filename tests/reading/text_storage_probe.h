// Wraps the text storage to count allocations and to make them fail.
#pragma once

#include "byte_string.h"

class TextStorageProbe {
 public:
  TextStorageProbe() : previous_(SetTextStorage({Allocate, Release})) {
    original_ = previous_;
    allocations_ = 0;
    releases_ = 0;
    failing_ = false;
    ClearTextError();
  }
  ~TextStorageProbe() { SetTextStorage(previous_); }

  int allocations() const { return allocations_; }
  int releases() const { return releases_; }
  void FailAllocations(bool fail) { failing_ = fail; }

 private:
  static char* Allocate(std::uint32_t length) {
    if (failing_) return nullptr;
    ++allocations_;
    return original_.allocate(length);
  }
  static void Release(char* bytes) {
    ++releases_;
    original_.release(bytes);
  }

  TextStorage previous_;
  static inline TextStorage original_{};
  static inline int allocations_ = 0;
  static inline int releases_ = 0;
  static inline bool failing_ = false;
};
