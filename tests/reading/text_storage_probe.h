// Wraps the text storage to count allocations and to make them fail.
//
// Probes nest (a probe made while another is alive is destroyed first): the
// newest one is installed, and it hands what it lets through to the probe
// before it, so each counts what happens during its own life.
#pragma once

#include "byte_string.h"

class TextStorageProbe {
 public:
  TextStorageProbe() : outer_(active_), previous_(SetTextStorage({Allocate, Release})) {
    active_ = this;
    ClearTextError();
  }
  ~TextStorageProbe() {
    SetTextStorage(previous_);
    active_ = outer_;
  }
  TextStorageProbe(const TextStorageProbe&) = delete;
  TextStorageProbe& operator=(const TextStorageProbe&) = delete;

  int allocations() const { return allocations_; }
  int releases() const { return releases_; }
  void FailAllocations(bool fail) { failing_ = fail; }

 private:
  // The storage interface has no room for a context: the installed probe is
  // the active one.
  static char* Allocate(std::uint32_t length) { return active_->AllocateHere(length); }
  static void Release(char* bytes) { active_->ReleaseHere(bytes); }

  char* AllocateHere(std::uint32_t length) {
    if (failing_) return nullptr;
    char* bytes = outer_ != nullptr ? outer_->AllocateHere(length) : previous_.allocate(length);
    if (bytes != nullptr) ++allocations_;
    return bytes;
  }
  void ReleaseHere(char* bytes) {
    ++releases_;
    if (outer_ != nullptr) {
      outer_->ReleaseHere(bytes);
    } else {
      previous_.release(bytes);
    }
  }

  static inline TextStorageProbe* active_ = nullptr;

  TextStorageProbe* outer_;
  TextStorage previous_;  // restored when this probe goes
  int allocations_ = 0;
  int releases_ = 0;
  bool failing_ = false;
};
