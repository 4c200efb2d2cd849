// The frame of a test that works one started program's dialog: started and
// made the active window before each test, closed as a user would close it
// after.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "window_driver.h"

class DialogTest : public ::testing::Test {
 protected:
  // Starts `path` and finds its visible dialog captioned `caption`, made the
  // active window; a fatal failure when it cannot.
  void Open(const std::string& path, const char* caption) {
    program_.emplace(path);
    ASSERT_TRUE(program_->started()) << "cannot start " << path;
    dialog_ = program_->WaitForDialog(caption);
    ASSERT_NE(dialog_, nullptr) << "no visible dialog \"" << caption << "\"";
    ASSERT_TRUE(Activate()) << "the dialog cannot be made the active window";
  }

  // A program still running at the end is closed as a user would close it.
  void TearDown() override {
    if (dialog_ != nullptr && IsWindow(dialog_)) {
      PostMessageA(Control(IDCANCEL), BM_CLICK, 0, 0);
      program_->WaitForExitCode();
    }
  }

  // Makes the dialog the active window again, as a window manager does when
  // a window above it closes; the virtual display of the tests has no window
  // manager.
  bool Activate() {
    if (GetForegroundWindow() == dialog_) return true;
    SetForegroundWindow(dialog_);
    return WaitFor([&] { return GetForegroundWindow() == dialog_; });
  }

  HWND Control(int identifier) const { return GetDlgItem(dialog_, identifier); }

  std::optional<RunningProgram> program_;
  HWND dialog_ = nullptr;
};
