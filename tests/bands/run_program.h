// Runs a program as a child process with its standard output and error
// going to files of their own, and a deadline, so a stuck child fails the
// test instead of hanging it.
#pragma once

#include <string>
#include <vector>

struct ProgramRun {
  bool started = false;
  bool finishedInTime = false;
  int status = -1;  // exit status when the program finished in time
  std::string out;
  std::string err;
};

// `program` is a path of this build (a Unix path also in the Windows build,
// where Wine's drive Z: stands for the root). Arguments are UTF-8 and must
// not contain quotes. Standard output goes to `outputPath` when one is given
// (a Unix path, like `program`); otherwise it is captured into `out`.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      int deadlineMilliseconds, const std::string& outputPath = "");

// A program's standard output is in text mode: on Windows each "\n" reaches
// the file as CR LF.
#ifdef _WIN32
inline const std::string kNewline = "\r\n";
#else
inline const std::string kNewline = "\n";
#endif

// Long enough for a program started under Wine on a busy machine.
inline constexpr int kDeadlineMilliseconds = 60'000;
